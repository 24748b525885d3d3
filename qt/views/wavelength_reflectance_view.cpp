#include "qt/views/wavelength_reflectance_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace corvana {

namespace {
// The control id the pane's plot carries.
constexpr int kSpectralPlotId = 111;
}  // namespace

void paintSpectralPlot(QPainter& painter, spectral::SpectralPlot& plot, const QRect& update) {
  const spectral::DrawList list =
      plot.paint({update.x(), update.y(), update.width(), update.height()}, spectralTextWidth());
  // Elements that reach past the update rectangle are cut at it, as a
  // window's paint is.
  painter.save();
  painter.setClipRect(update, Qt::IntersectClip);
  SpectralPainter().paint(painter, list);
  painter.restore();
}

QImage renderSpectralPane(const Job* job, QSize size, qreal devicePixelRatio) {
  QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::white);
  spectral::SpectralPlot plot;
  plot.setJob(job);
  plot.resize(size.width(), size.height());
  QPainter painter(&image);
  paintSpectralPlot(painter, plot, QRect(QPoint(0, 0), size));
  return image;
}

SpectralPlotWidget::SpectralPlotWidget(const Job& job, QWidget* parent) : QWidget(parent) {
  setObjectName("spectralPlot");
  setProperty("controlId", kSpectralPlotId);
  // Every paint fills its whole update rectangle.
  setAttribute(Qt::WA_OpaquePaintEvent);
  plot_.setJob(&job);
}

void SpectralPlotWidget::paintEvent(QPaintEvent* event) {
  lastUpdate_ = event->rect();
  ++paintCount_;
  QPainter painter(this);
  paintSpectralPlot(painter, plot_, event->rect());
}

void SpectralPlotWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  plot_.resize(width(), height());
}

WavelengthReflectanceView::WavelengthReflectanceView(const Job& job, QWidget* parent)
    : QWidget(parent), plot_(new SpectralPlotWidget(job, this)) {
  setObjectName("reflectanceView");
  setMinimumSize(120, 80);
  plot_->setGeometry(rect());
  plot_->show();
  plot_->plot().layout();
}

void WavelengthReflectanceView::refresh() {
  plot_->plot().layout();
  plot_->update();
}

void WavelengthReflectanceView::relabel() { plot_->update(); }

void WavelengthReflectanceView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  plot_->setGeometry(rect());
}

}  // namespace corvana
