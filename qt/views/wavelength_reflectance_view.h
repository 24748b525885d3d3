#pragma once
// The reflectance pane of the job window: the view, and the SpectralPlot
// child that always covers it and draws the names, the table and the curves.
#include <QImage>
#include <QWidget>

#include "plots/spectral_plot.h"
#include "qt/views/spectral_painter.h"

namespace corvana {

class Job;

// Draws the part of `plot` inside `update` onto `painter`.
void paintSpectralPlot(QPainter& painter, spectral::SpectralPlot& plot, const QRect& update);

// The pane for `job` at `size` logical pixels, as a picture (a null job
// draws the empty pane).
QImage renderSpectralPane(const Job* job, QSize size, qreal devicePixelRatio = 1.0);

class SpectralPlotWidget : public QWidget {
  Q_OBJECT
 public:
  SpectralPlotWidget(const Job& job, QWidget* parent);

  spectral::SpectralPlot& plot() { return plot_; }
  // The update rectangle of the last paint (tests).
  const QRect& lastUpdate() const { return lastUpdate_; }
  int paintCount() const { return paintCount_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  spectral::SpectralPlot plot_;
  QRect lastUpdate_;
  int paintCount_ = 0;
};

class WavelengthReflectanceView : public QWidget {
  Q_OBJECT
 public:
  explicit WavelengthReflectanceView(const Job& job, QWidget* parent = nullptr);

  // After any change of the job: new layout (the accuracy may have changed),
  // then a repaint.
  void refresh();
  // After a language change: the texts are looked up on every paint.
  void relabel();

  SpectralPlotWidget* plotWidget() const { return plot_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  SpectralPlotWidget* plot_;
};

}  // namespace corvana
