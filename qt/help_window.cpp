#include "qt/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/language_change.h"
#include "core/language_table.h"
#include "qt/ui_text.h"

namespace corvana::ui {

HelpWindow::HelpWindow(const QUrl& index, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("helpWindow");
  setAttribute(Qt::WA_DeleteOnClose);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helpBrowser");
  // Pages of the manual open here; a web address goes to the desktop's browser.
  browser_->setOpenExternalLinks(true);

  auto* bar = new QToolBar(this);
  back_ = bar->addAction(QString(), browser_, &QTextBrowser::backward);
  forward_ = bar->addAction(QString(), browser_, &QTextBrowser::forward);
  contents_ = bar->addAction(QString(), this, [this] { browser_->setSource(index_); });
  back_->setObjectName("helpBack");
  forward_->setObjectName("helpForward");
  contents_->setObjectName("helpContents");
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  languageListener_ = languageListeners().add([this](std::uint8_t) { relabel(); });
  relabel();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(browser_);
  resize(900, 700);
  showIndex(index);
}

HelpWindow::~HelpWindow() { languageListeners().remove(languageListener_); }

void HelpWindow::relabel() {
  setWindowTitle(text(Text::UserManual));
  back_->setText(text(Text::Back));
  forward_->setText(text(Text::Forward));
  contents_->setText(text(Text::ManualContents));
}

void HelpWindow::showIndex(const QUrl& index) {
  index_ = index;
  browser_->setSource(index);
}

}  // namespace corvana::ui
