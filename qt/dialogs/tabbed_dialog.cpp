#include "qt/dialogs/tabbed_dialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <map>

namespace corvana {

namespace {
std::map<QString, int>& rememberedTabs() {
  static std::map<QString, int> tabs;
  return tabs;
}

// Focus with the text selected, so typing replaces the refused value.
void focusAndSelect(QWidget* field) {
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    edit->selectAll();
  } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
    spin->selectAll();
  } else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
    combo->lineEdit()->selectAll();
  }
}
}  // namespace

DialogPage::DialogPage(Job& job, QWidget* parent) : QWidget(parent), job_(job) {}

bool DialogPage::refuse(QWidget* field, ui::Message message) {
  refusal_ = {field, std::move(message)};
  return false;
}

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
  orderButtonsAfterFields();
}

void TabbedDialog::orderButtonsAfterFields() {
  QWidget* lastField = nullptr;
  for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
    if (w->focusPolicy() == Qt::NoFocus) continue;
    for (const DialogPage* page : pages_)
      if (page->isAncestorOf(w)) lastField = w;
  }
  if (!lastField) return;
  setTabOrder(lastField, ok_);
  setTabOrder(ok_, cancel_);
  setTabOrder(cancel_, apply_);
}

void TabbedDialog::focusFirstField() {
  // Qt would start in the tab bar, the first stop of the chain since Tab
  // wraps from Apply to it; the operator starts in the fields.
  QWidget* page = tabs_->currentWidget();
  if (!page || (focusWidget() && focusWidget() != tabs_->tabBar())) return;
  for (QWidget* w = page->nextInFocusChain(); w && page->isAncestorOf(w);
       w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(page) &&
        w->isEnabled()) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void TabbedDialog::showEvent(QShowEvent* event) {
  if (!tabChosen_) {
    tabChosen_ = true;
    const int remembered = rememberedTab(kind_);
    tabs_->setCurrentIndex(remembered >= 0 && remembered < tabs_->count() ? remembered : 0);
    focusFirstField();
  }
  MultiLangDialog::showEvent(event);
}

bool TabbedDialog::applyPages() {
  for (DialogPage* page : pages_) {
    if (!page->isChanged() || page->validate()) continue;
    tabs_->setCurrentWidget(page);
    const DialogPage::Refusal& refusal = page->refusal();
    ui::showMessage(this, refusal.message);
    if (refusal.field) focusAndSelect(refusal.field);
    return false;
  }
  for (DialogPage* page : pages_) page->apply();
  for (DialogPage* page : pages_) page->clearChanged();
  apply_->setEnabled(false);
  emit applied();
  return true;
}

void TabbedDialog::accept() {
  // A refusal keeps everything typed for the operator to correct.
  if (apply_->isEnabled() && !applyPages()) return;
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
