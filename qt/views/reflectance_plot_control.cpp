#include "qt/views/reflectance_plot_control.h"

#include <QPainter>
#include <QResizeEvent>

namespace corvana {

void renderReflectancePlot(QPainter& painter, const QRect& box,
                           const std::vector<const spectral::ReflectancePlotCurve*>& curves) {
  const spectral::DrawList list = spectral::ReflectancePlotStatic::render(
      box.left(), box.top(), box.left() + box.width(), box.top() + box.height(), curves);
  SpectralPainter().paint(painter, list);
}

void drawReflectanceLegendEntry(QPainter& painter, const QRect& box, const QString& text,
                                int penStyle, std::uint32_t bgr) {
  const int right = box.left() + box.width(), bottom = box.top() + box.height();
  spectral::DrawList list({box.left(), box.top(), box.width(), box.height()});
  spectral::drawLegendEntry(list, box.left(), box.top(), right, bottom, text.toStdString(),
                            penStyle, bgr, spectralTextWidth());
  SpectralPainter().paint(painter, list);
}

namespace {
std::uint32_t buttonFace(const QWidget& w) { return w.palette().color(QPalette::Button).rgba(); }
}  // namespace

ReflectancePlotControl::ReflectancePlotControl(QWidget* parent)
    : QWidget(parent), plot_(buttonFace(*this)) {
  setObjectName("reflectancePlot");
  // The paint covers the whole control.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReflectancePlotControl::setCurve(std::size_t slot,
                                      std::unique_ptr<spectral::ReflectancePlotCurve> curve) {
  if (plot_.setCurve(slot, std::move(curve))) update();
}

void ReflectancePlotControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QWidget* top = window();
  if (!attached_) {
    plot_.attach(width(), height());
    attached_ = true;
  } else {
    plot_.resize(width(), height(), top && top->isMinimized());
  }
}

void ReflectancePlotControl::paintEvent(QPaintEvent*) {
  if (!attached_) {
    plot_.attach(width(), height());
    attached_ = true;
  }
  // Widgets paint into Qt's back buffer, so the composition is off screen.
  painter_.setBackground(&plot_.background(), plot_.backgroundGeneration());
  QPainter p(this);
  painter_.paint(p, plot_.paint());
}

}  // namespace corvana
