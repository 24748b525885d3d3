#include "qt/views/record_list_pane.h"

#include <QLabel>
#include <QVBoxLayout>

#include "qt/ui_text.h"
#include "qt/views/cell_tone_colour.h"
#include "qt/views/record_list_view.h"

namespace corvana {

RecordListPane::RecordListPane(RecordListView* view, QWidget* parent)
    : QWidget(parent), view_(view), notice_(new QLabel(this)) {
  setObjectName(view->objectName() + "Pane");
  notice_->setObjectName("hiddenCurrentNotice");
  notice_->setWordWrap(true);
  notice_->setContentsMargins(4, 2, 4, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view);
  layout->addWidget(notice_);
  notice_->hide();
  // Every change of rows, cells or headings may hide or show the current record.
  RecordListModel* model = &view->model();
  connect(model, &QAbstractItemModel::modelReset, this, [this] { updateNotice(); });
  connect(model, &QAbstractItemModel::layoutChanged, this, [this] { updateNotice(); });
  connect(model, &QAbstractItemModel::dataChanged, this, [this] { updateNotice(); });
  connect(model, &QAbstractItemModel::headerDataChanged, this, [this] { updateNotice(); });
  connect(model, &QAbstractItemModel::rowsInserted, this, [this] { updateNotice(); });
  connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { updateNotice(); });
  updateNotice();
}

void RecordListPane::updateNotice() {
  const QString text = ui::qstr(view_->model().rows().hiddenCurrentNotice());
  if (text != notice_->text()) notice_->setText(text);
  QPalette p = notice_->palette();
  p.setColor(QPalette::WindowText, toneColour(CellTone::Warning, view_->palette()));
  notice_->setPalette(p);
  notice_->setVisible(!text.isEmpty());
}

}  // namespace corvana
