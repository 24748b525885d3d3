#pragma once
// The reflectance plot control the opacity dialog places, and the drawing of
// that plot and its legend entries onto another surface (a picture, a page).
#include <QWidget>
#include <memory>
#include <vector>

#include "plots/reflectance_plot_static.h"
#include "qt/views/spectral_painter.h"

namespace corvana {

// The plot inside `box` of the painter's surface with the given curves; the
// surface is expected to carry its fill already.
void renderReflectancePlot(QPainter& painter, const QRect& box,
                           const std::vector<const spectral::ReflectancePlotCurve*>& curves);

// A legend entry in `box`: the text, then a line sample of the pen.
void drawReflectanceLegendEntry(QPainter& painter, const QRect& box, const QString& text,
                                int penStyle, std::uint32_t bgr);

class ReflectancePlotControl : public QWidget {
  Q_OBJECT
 public:
  explicit ReflectancePlotControl(QWidget* parent = nullptr);

  // Replaces the slot's curve (or empties it) and repaints.
  void setCurve(std::size_t slot, std::unique_ptr<spectral::ReflectancePlotCurve> curve);
  const spectral::ReflectancePlotStatic& plot() const { return plot_; }
  // How often the static parts were drawn (tests).
  int backgroundRenders() const { return painter_.backgroundRenders(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  spectral::ReflectancePlotStatic plot_;
  SpectralPainter painter_;
  bool attached_ = false;
};

}  // namespace corvana
