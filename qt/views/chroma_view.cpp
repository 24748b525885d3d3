#include "qt/views/chroma_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "core/job.h"
#include "qt/views/chroma_painter.h"

namespace corvana {

namespace {

PlotBox boxOf(const QRect& r) {
  return {double(r.x()), double(r.y()), double(r.width()), double(r.height())};
}

// Cells, layout and one full paint onto `painter`, clipped to `update`.
void paintPane(QPainter& painter, const Job* job, ChromaPaneState& state, QSize size,
               const QRect& update, const TextMeasure& measure) {
  const PlotPrimitives primitives =
      chromaPanePrimitives(job, state, size.width(), size.height(), measure);
  ui::paintPrimitives(painter, primitives, boxOf(update));
}

}  // namespace

ColorPlot::ColorPlot(const Job* job, QWidget* parent) : QWidget(parent), job_(job) {
  setObjectName("colorPlot");
  // The paint covers every pixel it is asked for: no erase, no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  // Right clicks do nothing here.
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void ColorPlot::relayout() {
  if (!job_) return;
  state_.illuminantGroups = illuminantGroupsOf(*job_);
  relayoutChromaPane(*job_, state_, width(), height(), ui::textMeasureOn(*this));
}

void ColorPlot::refresh() {
  relayout();
  update();
}

void ColorPlot::resizeEvent(QResizeEvent*) { relayout(); }

void ColorPlot::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintPane(painter, job_, state_, size(), event->rect(), ui::textMeasureOn(*this));
}

ChromaView::ChromaView(const Job& job, QWidget* parent)
    : QWidget(parent), plot_(new ColorPlot(&job, this)) {
  setObjectName("chromaView");
  setMinimumSize(120, 80);
  plot_->setGeometry(rect());
  plot_->show();
}

void ChromaView::resizeEvent(QResizeEvent*) { plot_->setGeometry(rect()); }

QImage renderChromaPane(const Job* job, QSize size, qreal devicePixelRatio) {
  QImage image = ui::screenLikeImage(size, devicePixelRatio);
  const TextMeasure measure = ui::textMeasureOn(image);
  ChromaPaneState state;
  if (job) {
    state.illuminantGroups = illuminantGroupsOf(*job);
    relayoutChromaPane(*job, state, size.width(), size.height(), measure);
  }
  QPainter painter(&image);
  paintPane(painter, job, state, size, QRect(QPoint(0, 0), size), measure);
  return image;
}

}  // namespace corvana
