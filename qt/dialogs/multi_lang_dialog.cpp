#include "qt/dialogs/multi_lang_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>

#include "core/language_table.h"
#include "qt/ui_text.h"

namespace corvana {

QString labelText(int row) { return ui::text(row).replace(QLatin1String("&&"), QLatin1String("&")); }

namespace {
// Rows with neither the current language's nor the English text keep the
// control's text.
bool rowHasText(int row) { return hasText(row, LanguageIndex) || hasText(row, English); }

// New texts reach the outer layouts one event-loop pass per nesting level;
// settle them innermost first so the dialog can be fitted at once.
void settleLayouts(QWidget* widget) {
  for (QObject* child : widget->children())
    if (child->isWidgetType()) settleLayouts(static_cast<QWidget*>(child));
  if (widget->layout()) widget->layout()->activate();
}

void setWidgetText(QWidget* widget, int row) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    // A label with a buddy shows mnemonics, so it keeps the "&&".
    label->setText(label->buddy() ? ui::text(row) : labelText(row));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ui::text(row));
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(ui::text(row));
  } else {
    widget->setWindowTitle(labelText(row));
  }
}
}  // namespace

MultiLangDialog::MultiLangDialog(Job* job, int captionRow, QWidget* parent)
    : QDialog(parent), job_(job), captionRow_(captionRow) {}

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
    setWindowTitle(ui::caption(captionRow_).replace(QLatin1String("&&"), QLatin1String("&")));
  }
  QDialog::setVisible(visible);
}

void MultiLangDialog::addLabel(QWidget* widget, int row) { labels_.push_back({widget, row, WindowText, 0}); }

void MultiLangDialog::addTabLabel(QWidget* tabWidget, int tabIndex, int row) {
  labels_.push_back({tabWidget, row, TabLabel, tabIndex});
}

void MultiLangDialog::addLabels(const std::vector<LabelEntry>& entries) {
  labels_.insert(labels_.end(), entries.begin(), entries.end());
}

void MultiLangDialog::applyTexts() {
  for (const LabelEntry& entry : labels_) {
    if (!rowHasText(entry.row)) continue;
    if (entry.kind == TabLabel) {
      if (auto* tabs = qobject_cast<QTabWidget*>(entry.widget.data()))
        tabs->setTabText(entry.tabIndex, ui::text(entry.row));
    } else if (!entry.widget) {
      setWindowTitle(labelText(entry.row));
    } else {
      setWidgetText(entry.widget, entry.row);
    }
  }
  textsApplied();
  // The dialog was sized before its texts were in: fit it to them, keeping
  // its centre where it was placed.
  if (isVisible()) {
    const QPoint centre = geometry().center();
    settleLayouts(this);
    adjustSize();
    move(centre - QPoint(width() / 2, height() / 2));
  }
}

}  // namespace corvana
