#pragma once
// The plot model of the reflectance pane: 400 to 700 nm across, reflectance
// 0 to 100 % up, the current standard and every sample of the job as series.
#include "plots/logical_coordinate.h"

namespace corvana::spectral {

class SpectralPlot;

class LogicalWavelengthReflectance : public LogicalCoordinate2 {
 public:
  // The plot that owns the model, through which it reaches the job.
  explicit LogicalWavelengthReflectance(const SpectralPlot& plot);

  void drawVerticalCaption(DrawList& out, const Rect& strip) const override;
  void drawHorizontalCaption(DrawList& out, const Rect& strip) const override;
  SeriesPoint getPoint(int series, int index) const override;
  int seriesCount() const override;
  int pointCount(int series) const override;
  std::uint32_t seriesColor(int series) const override;

 private:
  const SpectralPlot& plot_;
};

}  // namespace corvana::spectral
