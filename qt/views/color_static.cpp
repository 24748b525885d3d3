#include "qt/views/color_static.h"

#include <QPainter>

namespace corvana {

QColor colorOfBgr(std::uint32_t bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

ColorStatic::ColorStatic(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorStatic::setColor(std::uint32_t bgr) {
  color_ = bgr;
  update();
}

void ColorStatic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colorOfBgr(color_));
}

}  // namespace corvana
