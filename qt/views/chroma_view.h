#pragma once
// The chromaticity pane of the job window: `ChromaView` holds one
// `ColorPlot` that always covers it and does all the painting from the
// job's colour value table.
#include <QImage>
#include <QWidget>

#include "plots/chroma_pane.h"

namespace corvana {

class Job;

class ColorPlot : public QWidget {
  Q_OBJECT
 public:
  explicit ColorPlot(const Job* job, QWidget* parent = nullptr);
  // Cells and layout again from the job and its display mode, then a repaint.
  void refresh();
  const ChromaPaneState& state() const { return state_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void relayout();

  const Job* job_;
  ChromaPaneState state_;
};

class ChromaView : public QWidget {
  Q_OBJECT
 public:
  explicit ChromaView(const Job& job, QWidget* parent = nullptr);
  // After any change of the job's data, conditions or display mode.
  void refresh() { plot_->refresh(); }
  // After a language change: the labels and so the column widths change.
  void relabel() { plot_->refresh(); }
  ColorPlot* plot() const { return plot_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  ColorPlot* plot_;
};

// The pane as it shows `job` (none: only the background) in an area of
// `size` logical pixels, on an image that maps points as the screen does.
QImage renderChromaPane(const Job* job, QSize size, qreal devicePixelRatio = 1);

}  // namespace corvana
