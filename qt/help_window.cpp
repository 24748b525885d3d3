#include "qt/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/language_table.h"
#include "qt/ui_text.h"

namespace corvana::ui {

HelpWindow::HelpWindow(const QUrl& index, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("helpWindow");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(text(Text::UserManual));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helpBrowser");
  // Pages of the manual open here; a web address goes to the desktop's browser.
  browser_->setOpenExternalLinks(true);

  auto* bar = new QToolBar(this);
  QAction* back = bar->addAction(text(Text::Back), browser_, &QTextBrowser::backward);
  QAction* forward = bar->addAction(text(Text::Forward), browser_, &QTextBrowser::forward);
  bar->addAction(text(Text::ManualContents), this, [this] { browser_->setSource(index_); });
  back->setObjectName("helpBack");
  forward->setObjectName("helpForward");
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(browser_);
  resize(900, 700);
  showIndex(index);
}

void HelpWindow::showIndex(const QUrl& index) {
  index_ = index;
  browser_->setSource(index);
}

}  // namespace corvana::ui
