#include "qt/views/plot_placeholder.h"

#include <QPainter>

#include "qt/ui_text.h"

namespace corvana {

PlotPane::PlotPane(const Job&, Text caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  setAutoFillBackground(true);
  setMinimumSize(120, 80);
}

void PlotPane::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(0xC8, 0xC8, 0xC8));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawText(rect().adjusted(8, 6, -8, -6), Qt::AlignLeft | Qt::AlignTop, ui::text(caption_));
}

WavelengthReflectanceView::WavelengthReflectanceView(const Job& job, QWidget* parent)
    : PlotPane(job, Text::Reflectance, parent) {
  setObjectName("reflectanceView");
}

}  // namespace corvana
