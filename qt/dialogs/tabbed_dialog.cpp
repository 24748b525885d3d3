#include "qt/dialogs/tabbed_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <map>

namespace corvana {

namespace {
std::map<QString, int>& rememberedTabs() {
  static std::map<QString, int> tabs;
  return tabs;
}
}  // namespace

DialogPage::DialogPage(Job& job, QWidget* parent) : QWidget(parent), job_(job) {}

void DialogPage::markChanged() {
  changed_ = true;
  emit changed();
}

void DialogPage::watchFields() {
  for (auto* edit : findChildren<QLineEdit*>())
    connect(edit, &QLineEdit::textChanged, this, &DialogPage::markChanged);
  for (auto* combo : findChildren<QComboBox*>())
    connect(combo, &QComboBox::currentIndexChanged, this, &DialogPage::markChanged);
  for (auto* button : findChildren<QAbstractButton*>())
    connect(button, &QAbstractButton::clicked, this, &DialogPage::markChanged);
}

TabbedDialog::TabbedDialog(Job* job, Text caption, QString kind, QWidget* parent)
    : MultiLangDialog(job, caption, parent), kind_(std::move(kind)) {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabs");
  const OkCancelButtons buttons = addOkCancelButtons();
  ok_ = buttons.ok;
  cancel_ = buttons.cancel;
  apply_ = buttons.box->addButton(QDialogButtonBox::Apply);
  apply_->setObjectName("apply");
  apply_->setEnabled(false);
  addLabel(apply_, Text::Apply);
  connect(apply_, &QPushButton::clicked, this, &TabbedDialog::applyPages);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addWidget(buttons.box);
}

void TabbedDialog::addPage(DialogPage* page, Text label) {
  const int index = tabs_->addTab(page, QString());
  addTabLabel(tabs_, index, label);
  addLabels(page->labelEntries());
  pages_.push_back(page);
  page->watchFields();
  connect(page, &DialogPage::changed, apply_, [this] { apply_->setEnabled(true); });
  page->markChanged();
}

void TabbedDialog::showEvent(QShowEvent* event) {
  if (!tabChosen_) {
    tabChosen_ = true;
    const int remembered = rememberedTab(kind_);
    tabs_->setCurrentIndex(remembered >= 0 && remembered < tabs_->count() ? remembered : 0);
  }
  MultiLangDialog::showEvent(event);
}

bool TabbedDialog::applyPages() {
  for (DialogPage* page : pages_)
    if (page->isChanged() && !page->validate()) return false;
  for (DialogPage* page : pages_) page->apply();
  for (DialogPage* page : pages_) page->clearChanged();
  apply_->setEnabled(false);
  emit applied();
  return true;
}

void TabbedDialog::accept() {
  // A refused page has shown its message; the dialog still closes, with
  // nothing applied.
  if (apply_->isEnabled()) applyPages();
  MultiLangDialog::accept();
}

void TabbedDialog::done(int result) {
  rememberedTabs()[kind_] = tabs_->currentIndex();
  MultiLangDialog::done(result);
}

int TabbedDialog::rememberedTab(const QString& kind) {
  const auto it = rememberedTabs().find(kind);
  return it == rememberedTabs().end() ? -1 : it->second;
}

void TabbedDialog::forgetRememberedTabs() { rememberedTabs().clear(); }

}  // namespace corvana
