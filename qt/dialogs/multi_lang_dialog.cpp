#include "qt/dialogs/multi_lang_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

#include "core/language_table.h"
#include "qt/dialogs/title_width.h"
#include "qt/ui_text.h"

namespace corvana {

QString labelText(Text text) {
  return ui::text(text).replace(QLatin1String("&&"), QLatin1String("&"));
}

namespace {
// Rows with neither the current language's nor the English text keep the
// control's text.
bool rowHasText(Text text) { return hasText(text, LanguageIndex) || hasText(text, English); }

// New texts reach the outer layouts one event-loop pass per nesting level;
// settle them innermost first so the dialog can be fitted at once.
void settleLayouts(QWidget* widget) {
  for (QObject* child : widget->children())
    if (child->isWidgetType()) settleLayouts(static_cast<QWidget*>(child));
  if (widget->layout()) widget->layout()->activate();
}

void setWidgetText(QWidget* widget, Text text) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    // A label with a buddy shows mnemonics, so it keeps the "&&".
    label->setText(label->buddy() ? ui::text(text) : labelText(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ui::text(text));
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(ui::text(text));
  } else {
    widget->setWindowTitle(labelText(text));
  }
}
}  // namespace

MultiLangDialog::MultiLangDialog(Job* job, Text caption, QWidget* parent)
    : QDialog(parent), job_(job), caption_(caption) {}

int MultiLangDialog::exec() {
  if (!job_) {
    setResult(-1);
    return -1;
  }
  return QDialog::exec();
}

void MultiLangDialog::setVisible(bool visible) {
  if (visible && !job_) {
    setResult(-1);
    return;
  }
  if (visible && !opened_) {
    opened_ = true;
    // Posted, like the window message, so it runs after everything the
    // derived dialog does before it is shown.
    QMetaObject::invokeMethod(this, &MultiLangDialog::applyTexts, Qt::QueuedConnection);
    setWindowIcon(QApplication::windowIcon());
    setWindowTitle(ui::caption(caption_).replace(QLatin1String("&&"), QLatin1String("&")));
    fitTitle();
  }
  QDialog::setVisible(visible);
}

void MultiLangDialog::fitTitle() {
  // An explicit minimum replaces the layout's, so keep the larger of both.
  setMinimumWidth(std::max(minimumSizeHint().width(), titleFitWidth(this, windowTitle())));
}

void MultiLangDialog::addLabel(QWidget* widget, Text text) {
  labels_.push_back({widget, text, WindowText, 0});
}

void MultiLangDialog::addTabLabel(QWidget* tabWidget, int tabIndex, Text text) {
  labels_.push_back({tabWidget, text, TabLabel, tabIndex});
}

void MultiLangDialog::addLabels(const std::vector<LabelEntry>& entries) {
  labels_.insert(labels_.end(), entries.begin(), entries.end());
}

MultiLangDialog::OkCancelButtons MultiLangDialog::addOkCancelButtons() {
  auto* box = new QDialogButtonBox(this);
  QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
  QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
  ok->setObjectName("ok");
  cancel->setObjectName("cancel");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &MultiLangDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &MultiLangDialog::reject);
  addLabel(ok, Text::Ok);
  addLabel(cancel, Text::Cancel);
  return {box, ok, cancel};
}

void MultiLangDialog::applyTexts() {
  for (const LabelEntry& entry : labels_) {
    if (!rowHasText(entry.text)) continue;
    if (entry.kind == TabLabel) {
      if (auto* tabs = qobject_cast<QTabWidget*>(entry.widget.data()))
        tabs->setTabText(entry.tabIndex, ui::text(entry.text));
    } else if (!entry.widget) {
      setWindowTitle(labelText(entry.text));
    } else {
      setWidgetText(entry.widget, entry.text);
    }
  }
  textsApplied();
  // The dialog was sized before its texts were in: fit it to them, keeping
  // its centre where it was placed.
  if (isVisible()) {
    const QPoint centre = geometry().center();
    settleLayouts(this);
    fitTitle();
    adjustSize();
    move(centre - QPoint(width() / 2, height() / 2));
  }
}

}  // namespace corvana
