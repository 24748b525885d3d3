#include "qt/main_frame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "core/command_table.h"
#include "core/job_manager.h"
#include "core/language_change.h"
#include "core/language_table.h"
#include "qt/child_frame.h"
#include "qt/command_icons.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"
#include "qt/user_manual.h"

namespace corvana {

using ui::text;

namespace {
constexpr const char* kVersion = "1.26.1.1";
}

bool CMainFrame::isBuilt(int command) {
  switch (command) {
    case CmdNew:
    case CmdOpen:
    case CmdClose:
    case CmdSave:
    case CmdSaveAs:
    case CmdExit:
    case CmdAutoNamingStandard:
    case CmdAutoNamingSample:
    case CmdDeleteStandard:
    case CmdDeleteSample:
    case CmdEnglish:
    case CmdChineseSimplified:
    case CmdChineseTraditional:
    case CmdCascade:
    case CmdTile:
    case CmdUserManual:
    case CmdAbout:
    case CmdRenameJob:
    case CmdRenameStandard:
    case CmdRenameSample:
    case CmdMaterialStandard:
    case CmdMaterialSample:
    case CmdImportFromSample:
    case CmdImportFromStandard:
    case CmdNameOptionStandard:
    case CmdNameOptionSample:
    case CmdTolerance:
    case CmdColorSpace:
    case CmdObserver:
    case CmdReportSettings:
    case CmdOtherSettings: return true;
    default: return false;
  }
}

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mainFrame");
  setWindowIcon(ui::applicationIcon());
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("mdiArea");
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  statusBar()->setObjectName("statusBar");
  toolbar_ = addToolBar(QString());
  toolbar_->setObjectName("toolbar");
  toolbar_->setIconSize(QSize(32, 32));
  toolbar_->setMovable(false);
  rebuildMenu();
  buildToolbar();
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
    if (!closing_) updateCommandStates();
  });
  resize(1280, 800);
}

CChildFrame* CMainFrame::newJob() {
  auto* frame = new CChildFrame(*this);
  auto* sub = new JobSubWindow(frame);
  mdi_->addSubWindow(sub);
  connect(sub, &QObject::destroyed, this, [this] {
    if (closing_) return;
    // Closing the last job window ends the program.
    if (children().empty())
      QCoreApplication::quit();
    else
      updateCommandStates();
  });
  sub->showMaximized();
  frame->titleChanged();
  updateCommandStates();
  return frame;
}

CChildFrame* CMainFrame::activeChild() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  if (!sub) {
    const auto list = mdi_->subWindowList();
    if (list.size() == 1) sub = list.front();
  }
  auto* job = qobject_cast<JobSubWindow*>(sub);
  return job ? job->frame() : nullptr;
}

std::vector<CChildFrame*> CMainFrame::children() const {
  std::vector<CChildFrame*> frames;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (auto* job = qobject_cast<JobSubWindow*>(sub)) frames.push_back(job->frame());
  return frames;
}

CMainFrame::~CMainFrame() {
  // The job windows go first, while the menus and actions they touch exist.
  closing_ = true;
  delete mdi_;
  mdi_ = nullptr;
}

void CMainFrame::rebuildMenu() {
  // Actions belong to the window, menus to the menu bar; both are made anew.
  for (QAction* menu : menuBar()->actions()) delete menu->menu();
  menuBar()->clear();
  for (auto& [id, a] : actions_) delete a;
  actions_.clear();
  std::function<void(QMenu*, const std::vector<MenuItem>&)> fill =
      [&](QMenu* menu, const std::vector<MenuItem>& items) {
        for (const MenuItem& item : items) {
          if (item.command == 0) {
            fill(menu->addMenu(text(item.text)), item.submenu);
            continue;
          }
          // The key shows in the menu's shortcut column: text, then the key.
          QString label = text(item.text);
          const QString key = ui::qstr(commandKey(item.command));
          if (!key.isEmpty()) label += QLatin1Char('\t') + key;
          QAction* a = new QAction(label, this);
          menu->addAction(a);
          a->setObjectName(QStringLiteral("cmd%1").arg(item.command));
          a->setData(item.command);
          if (!key.isEmpty()) {
            a->setShortcut(QKeySequence(key));
            a->setShortcutContext(Qt::ApplicationShortcut);
          }
          if (commandHasMenuImage(item.command)) a->setIcon(ui::commandIcon(item.command));
          const int command = item.command;
          connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
          actions_[item.command] = a;
        }
      };
  for (const MenuSpec& menuSpec : jobMenus()) {
    QMenu* menu = menuBar()->addMenu(text(menuSpec.text));
    // Named by the row of its text, as the menus have always been.
    menu->setObjectName(QStringLiteral("menu%1").arg(int(menuSpec.text)));
    fill(menu, menuSpec.items);
  }
  for (int c : {int(CmdAutoNamingStandard), int(CmdAutoNamingSample), int(CmdEnglish),
                int(CmdChineseSimplified), int(CmdChineseTraditional)})
    actions_[c]->setCheckable(true);
  setWindowTitle(text(Text::ProductTitle));
  if (toolbar_) buildToolbar();
  updateCommandStates();
}

void CMainFrame::buildToolbar() {
  // clear() keeps the old buttons' actions alive; they go, so none is found stale.
  for (QAction* a : toolbar_->actions())
    if (a->parent() == toolbar_) delete a;
  toolbar_->clear();
  toolActions_.clear();
  for (int command : toolbarCommands()) {
    if (command == 0) {
      toolbar_->addSeparator();
      continue;
    }
    QAction* menuAction = action(command);
    QAction* a = toolbar_->addAction(
        ui::commandIcon(command), menuAction ? menuAction->text().section('\t', 0, 0) : QString());
    a->setObjectName(QStringLiteral("tool%1").arg(command));
    a->setEnabled(isBuilt(command));
    if (menuAction && menuAction->isCheckable()) a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
    toolActions_[command] = a;
  }
  updateCommandStates();
}

QAction* CMainFrame::action(int command) const {
  const auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::updateCommandStates() {
  CChildFrame* child = activeChild();
  for (auto& [command, a] : actions_) a->setEnabled(isBuilt(command));
  // With no job window there is no state to show, so the marks clear.
  const std::map<int, bool> checked = {
      {CmdAutoNamingStandard, child && child->job().autoNamingStandards},
      {CmdAutoNamingSample, child && child->job().autoNamingSamples},
      {CmdEnglish, LanguageIndex == English},
      {CmdChineseSimplified, LanguageIndex == ChineseSimplified},
      {CmdChineseTraditional, LanguageIndex == ChineseTraditional}};
  for (const auto& [command, on] : checked) {
    if (QAction* a = action(command)) a->setChecked(on);
    if (const auto it = toolActions_.find(command); it != toolActions_.end())
      it->second->setChecked(on);
  }
}

void CMainFrame::relabelAll() {
  rebuildMenu();
  for (CChildFrame* child : children()) child->relabel();
}

void CMainFrame::chooseLanguage(int index) {
  if (setLanguage(std::uint8_t(index), false)) relabelAll();
  // The choice is stored even when it did not change.
  if (storeLanguage) storeLanguage(index);
}

void CMainFrame::runCommand(int command) {
  if (!isBuilt(command)) return;
  CChildFrame* child = activeChild();
  switch (command) {
    case CmdNew: newJob(); return;
    case CmdExit: close(); return;
    case CmdClose:
      if (child) child->parentWidget()->close();
      return;
    case CmdEnglish: chooseLanguage(English); return;
    case CmdChineseSimplified: chooseLanguage(ChineseSimplified); return;
    case CmdChineseTraditional: chooseLanguage(ChineseTraditional); return;
    case CmdCascade: mdi_->cascadeSubWindows(); return;
    case CmdTile: mdi_->tileSubWindows(); return;
    case CmdAbout: showAbout(); return;
    case CmdUserManual: openUserManual(); return;
    default: break;
  }
  if (child) child->runCommand(command);
  updateCommandStates();
}

void CMainFrame::showAbout() {
  const QString body = ui::format(Text::ProductVersion, {QString::fromLatin1(kVersion)}) + "\n\n" +
                       text(Text::Copyright) + "\n" + text(Text::CopyingProhibited);
  ui::showMessage(this, {ui::caption(Text::AboutCorvana), body, ui::MessageIcon::Information});
}

void CMainFrame::openUserManual() { ui::openUserManual(this); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  // Every job is asked in creation order; the first cancel keeps everything open.
  for (CChildFrame* child : children())
    if (!child->askToClose()) {
      event->ignore();
      return;
    }
  for (CChildFrame* child : children()) child->job().setModified(false);
  event->accept();
}

}  // namespace corvana
