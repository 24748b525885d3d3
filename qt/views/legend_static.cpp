#include "qt/views/legend_static.h"

#include <QFontMetrics>
#include <QPainter>

#include "qt/views/color_static.h"

namespace corvana {

Qt::PenStyle penStyleOf(int style) {
  switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

LegendStatic::LegendStatic(QWidget* parent) : QWidget(parent) {}

void LegendStatic::setText(const QString& text) {
  text_ = text;
  update();
}
void LegendStatic::setPenStyle(int style) {
  penStyle_ = style;
  update();
}
void LegendStatic::setPenColor(std::uint32_t bgr) {
  penColor_ = bgr;
  update();
}
void LegendStatic::setPenWidth(int width) {
  penWidth_ = width;
  update();
}

void LegendStatic::paintEvent(QPaintEvent*) {
  if (text_.isEmpty()) return;
  QPainter painter(this);
  const int textWidth = QFontMetrics(font(), this).horizontalAdvance(text_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(0, 0, textWidth, height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
  QPen pen(colorOfBgr(penColor_), penWidth_, penStyleOf(penStyle_));
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  const int y = height() / 2;
  // The sample ends 5 pixels short of the right edge.
  painter.drawLine(QPoint(textWidth + 5, y), QPoint(width() - 5, y));
}

}  // namespace corvana
