#include "qt/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "core/command_table.h"
#include "core/job_manager.h"
#include "core/job_status_text.h"
#include "core/language_change.h"
#include "core/language_table.h"
#include "core/menu_mnemonics.h"
#include "core/recent_files.h"
#include "instrument/connection.h"
#include "instrument/instrument_status_line.h"
#include "qt/child_frame.h"
#include "qt/command_icons.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"
#include "qt/user_manual.h"

namespace corvana {

using ui::text;

namespace {
constexpr const char* kVersion = "1.26.1.1";

// New and Open take the desktop's own keys; the others come from the table.
QKeySequence commandShortcut(int command) {
  switch (command) {
    case CmdNew: return QKeySequence(QKeySequence::New);
    case CmdOpen: return QKeySequence(QKeySequence::Open);
    default: return QKeySequence(ui::qstr(commandKey(command)));
  }
}

// A title or path shown as a menu item: its "&" must not become an access key.
QString literalLabel(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

// List entries are replaced while one of them may still be delivering its
// triggered signal (choosing a window or a recent file refreshes the list),
// so the old ones leave the menu now and are deleted once control is back in
// the event loop.
void dropEntries(QMenu* menu, const QList<QAction*>& entries) {
  for (QAction* a : entries) {
    menu->removeAction(a);
    a->setParent(nullptr);
    a->deleteLater();
  }
}
}  // namespace

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
    case CmdMeasureStandard:
    case CmdMeasureSample:
    case CmdAverageStandard:
    case CmdAverageSample:
    case CmdOpacity:
    case CmdRenameJob:
    case CmdRenameStandard:
    case CmdRenameSample:
    case CmdMaterialStandard:
    case CmdMaterialSample:
    case CmdFindStandard:
    case CmdFindSample:
    case CmdImportFromSample:
    case CmdImportFromStandard:
    case CmdNameOptionStandard:
    case CmdNameOptionSample:
    case CmdTolerance:
    case CmdColorSpace:
    case CmdObserver:
    case CmdReportSettings:
    case CmdOtherSettings:
    case CmdInstrumentStatus:
    case CmdBlackCalibration:
    case CmdWhiteCalibration:
    case CmdUploadStandards:
    case CmdUploadSamples:
    case CmdDownloadStandard:
    case CmdWhiteBoard:
    case CmdExportData:
    case CmdInputStandard:
    case CmdPrintColorDiff:
    case CmdPrintCumulative:
    case CmdWordColorDiff:
    case CmdWordCumulative: return true;
    default: return false;
  }
}

bool CMainFrame::commandEnabled(int command) const {
  return isBuilt(command) && !(instrumentWorker_.busy() && usesInstrument(command));
}

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mainFrame");
  setWindowIcon(ui::applicationIcon());
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("mdiArea");
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  buildStatusBar();
  toolbar_ = addToolBar(QString());
  toolbar_->setObjectName("toolbar");
  toolbar_->setIconSize(QSize(32, 32));
  toolbar_->setMovable(false);
  rebuildMenu();
  buildToolbar();
  connect(&instrumentWorker_, &InstrumentWorker::busyChanged, this,
          &CMainFrame::showInstrumentBusy);
  deviceChange_ = new DeviceChangeHandler(*this);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
    if (!closing_) updateCommandStates();
  });
  // Never larger than the screen, should the window not end up maximised.
  resize(QSize(1280, 800).boundedTo(screen()->availableSize()));
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
  windowMenu_ = nullptr;
  windowListSeparator_ = nullptr;
  windowListActions_.clear();
  recentMenu_ = nullptr;
  // Access keys are chosen per menu level, over every label that level shows.
  std::function<void(QMenu*, const std::vector<MenuItem>&, bool)> fill =
      [&](QMenu* menu, const std::vector<MenuItem>& items, bool withRecentFiles) {
        std::vector<Text> rows;
        for (const MenuItem& item : items) rows.push_back(item.text);
        if (withRecentFiles) rows.push_back(Text::RecentFiles);
        const std::vector<std::string> labels = mnemonicLabels(rows);
        for (std::size_t i = 0; i < items.size(); ++i) {
          const MenuItem& item = items[i];
          if (withRecentFiles && item.command == CmdExit) {
            // Above Exit, as the desktop's programs keep it.
            menu->addSeparator();
            recentMenu_ = menu->addMenu(ui::qstr(labels.back()));
            recentMenu_->setObjectName("recentFilesMenu");
            connect(recentMenu_, &QMenu::aboutToShow, this, &CMainFrame::refreshRecentMenu);
            menu->addSeparator();
          }
          if (item.command == 0) {
            fill(menu->addMenu(ui::qstr(labels[i])), item.submenu, false);
            continue;
          }
          // The key shows in the menu's shortcut column: text, then the key.
          QString label = ui::qstr(labels[i]);
          const QKeySequence key = commandShortcut(item.command);
          if (!key.isEmpty()) label += QLatin1Char('\t') + key.toString(QKeySequence::NativeText);
          QAction* a = new QAction(label, this);
          menu->addAction(a);
          a->setObjectName(QStringLiteral("cmd%1").arg(item.command));
          a->setData(item.command);
          if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::ApplicationShortcut);
          }
          if (commandHasMenuImage(item.command)) a->setIcon(ui::commandIcon(item.command));
          const int command = item.command;
          connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
          actions_[item.command] = a;
        }
      };
  std::vector<Text> menuRows;
  for (const MenuSpec& menuSpec : jobMenus()) menuRows.push_back(menuSpec.text);
  const std::vector<std::string> menuLabels = mnemonicLabels(menuRows);
  for (std::size_t i = 0; i < jobMenus().size(); ++i) {
    const MenuSpec& menuSpec = jobMenus()[i];
    QMenu* menu = menuBar()->addMenu(ui::qstr(menuLabels[i]));
    // Named by the row of its text, as the menus have always been.
    menu->setObjectName(QStringLiteral("menu%1").arg(int(menuSpec.text)));
    fill(menu, menuSpec.items, menuSpec.text == Text::Job);
    if (menuSpec.text == Text::Window) {
      windowMenu_ = menu;
      windowListSeparator_ = menu->addSeparator();
    }
  }
  refreshRecentMenu();
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
    // The name says which list the button acts on; the tip adds the key.
    QAction* a = toolbar_->addAction(ui::commandIcon(command), text(toolbarTextRow(command)));
    a->setToolTip(ui::qstr(commandToolTip(command)));
    a->setObjectName(QStringLiteral("tool%1").arg(command));
    a->setEnabled(commandEnabled(command));
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
  for (auto& [command, a] : actions_) a->setEnabled(commandEnabled(command));
  for (auto& [command, a] : toolActions_) a->setEnabled(commandEnabled(command));
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
  refreshWindowMenu();
  updateStatus();
}

void CMainFrame::buildStatusBar() {
  statusBar()->setObjectName("statusBar");
  const auto add = [this](const char* name, bool permanent) {
    auto* label = new QLabel(statusBar());
    label->setObjectName(QLatin1String(name));
    // Sunken panels with some air keep the fields apart.
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    if (permanent)
      statusBar()->addPermanentWidget(label);
    else
      statusBar()->addWidget(label, 1);
    return label;
  };
  status_.file = add("statusFile", false);
  status_.conditions = add("statusConditions", true);
  status_.colour = add("statusColour", true);
  status_.counts = add("statusCounts", true);
  status_.instrument = add("statusInstrument", true);
}

void CMainFrame::updateStatus() {
  if (closing_ || !status_.file) return;
  CChildFrame* child = activeChild();
  JobStatusText fields;
  if (child) fields = jobStatusText(child->job());
  status_.file->setText(ui::qstr(fields.file));
  status_.file->setToolTip(child ? ui::qstr(child->job().filePath) : QString());
  status_.conditions->setText(ui::qstr(fields.conditions));
  status_.colour->setText(ui::qstr(fields.colour));
  status_.counts->setText(ui::qstr(fields.counts));
  status_.instrument->setText(
      ui::qstr(instrumentStatusLine(instrumentConnected(), simulatedInstrument,
                                    jobManager().instrumentModel, connectedPortPath())));
}

void CMainFrame::instrumentStateChanged(bool connected) {
  if (closing_) return;
  for (CChildFrame* child : children()) child->instrumentStateChanged(connected);
  updateStatus();
}

void CMainFrame::jobChanged(CChildFrame* child) {
  if (closing_) return;
  refreshWindowMenu();
  if (child == activeChild()) updateStatus();
}

void CMainFrame::refreshWindowMenu() {
  if (closing_ || !windowMenu_) return;
  dropEntries(windowMenu_, QList<QAction*>(windowListActions_.begin(), windowListActions_.end()));
  windowListActions_.clear();
  const CChildFrame* current = activeChild();
  int number = 0;
  for (CChildFrame* child : children()) {
    ++number;
    // Digits for the first nine, so they never take a letter of Cascade or Tile.
    const QString prefix =
        number <= 9 ? QStringLiteral("&%1 ").arg(number) : QStringLiteral("%1 ").arg(number);
    QAction* a = windowMenu_->addAction(prefix + literalLabel(child->windowTitle()));
    a->setObjectName(QStringLiteral("window%1").arg(number));
    a->setCheckable(true);
    a->setChecked(child == current);
    QPointer<QMdiSubWindow> sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
    connect(a, &QAction::triggered, this, [this, sub] {
      if (sub) mdi_->setActiveSubWindow(sub);
      // Choosing the checked window again keeps its mark.
      updateCommandStates();
    });
    windowListActions_.push_back(a);
  }
  windowListSeparator_->setVisible(number > 0);
}

void CMainFrame::setRecentFiles(std::vector<std::string> list) {
  recentFiles_ = std::move(list);
  refreshRecentMenu();
}

void CMainFrame::addRecentFile(const QString& path) {
  recentFiles_ = withRecentFile(recentFiles_, ui::str(QFileInfo(path).absoluteFilePath()));
  refreshRecentMenu();
  storeRecent();
}

void CMainFrame::storeRecent() {
  if (storeRecentFiles) storeRecentFiles(recentFiles_);
}

void CMainFrame::refreshRecentMenu() {
  if (!recentMenu_) return;
  dropEntries(recentMenu_, recentMenu_->actions());
  int number = 0;
  for (const std::string& path : recentFiles_) {
    ++number;
    const QString file = ui::qstr(path);
    QAction* a = recentMenu_->addAction(QStringLiteral("&%1 ").arg(number) + literalLabel(file));
    a->setObjectName(QStringLiteral("recent%1").arg(number));
    // Greyed, not dropped: a file on a drive that is away comes back with it.
    a->setEnabled(QFileInfo(file).isFile());
    connect(a, &QAction::triggered, this, [this, path] { openRecentFile(path); });
  }
  recentMenu_->menuAction()->setEnabled(!recentFiles_.empty());
}

void CMainFrame::openRecentFile(const std::string& path) {
  const QString file = ui::qstr(path);
  if (!QFileInfo(file).isFile()) {
    ui::showMessage(this, {QString(), ui::format(Text::RecentFileMissing, {file})});
    recentFiles_ = withoutRecentFile(recentFiles_, path);
    refreshRecentMenu();
    storeRecent();
    return;
  }
  CChildFrame* child = activeChild();
  if (!child) child = newJob();
  child->openFile(file);
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
  if (!commandEnabled(command)) return;
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

void CMainFrame::showInstrumentBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    statusBar()->showMessage(text(instrumentWorker_.activity()));
  } else {
    QApplication::restoreOverrideCursor();
    statusBar()->clearMessage();
  }
  // An open status dialog's Connect would close the port under the call in
  // flight: it waits too.
  for (CChildFrame* child : children())
    if (InstrumentStatusDialog* dialog = child->instrumentStatusDialog())
      dialog->connectButton()->setEnabled(!busy);
  updateCommandStates();
}

void CMainFrame::showAbout() {
  const QString body =
      ui::format(Text::ProductVersion, {QString::fromLatin1(kVersion)}) + "\n\n" +
      text(Text::Copyright) + "\n" + text(Text::CopyingProhibited) +
      (simulatedInstrument ? "\n\n" + text(Text::SimulatedInstrumentNote) : QString());
  ui::showMessage(this, {ui::caption(Text::AboutCorvana), body, ui::MessageIcon::Information});
}

void CMainFrame::openUserManual() { ui::openUserManual(this); }

void CMainFrame::saveListLayout() {
  if (storeListLayout) storeListLayout(listLayout);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // Every job is asked in creation order; the first cancel keeps everything open.
  for (CChildFrame* child : children())
    if (!child->askToClose()) {
      event->ignore();
      return;
    }
  for (CChildFrame* child : children()) child->job().setModified(false);
  saveListLayout();
  event->accept();
}

}  // namespace corvana
