#pragma once
// One printed page as drawing lists in device pixels, painted in order. Most
// of a page is a spectral draw list (whole pixels, pixel-high fonts, pens and
// splines, as printers are drawn on); the xy diagram's locus gradient and
// its wavelength dots come as plot primitives between them.
#include <optional>
#include <variant>
#include <vector>

#include "plots/plot_primitives.h"
#include "plots/spectral_primitives.h"

namespace corvana {

using PrintLayer = std::variant<spectral::DrawList, PlotPrimitives>;

class PrintPage {
 public:
  PrintPage(int width, int height) : width_(width), height_(height) {}

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<PrintLayer>& layers() const { return layers_; }

  // The draw list on top, started when the top layer is not one.
  spectral::DrawList& list();
  // The same for plot primitives.
  PlotPrimitives& primitives();

  // Device pixels outside this box stay unpainted (none: the whole page).
  const std::optional<spectral::Rect>& clip() const { return clip_; }
  void setClip(spectral::Rect box) { clip_ = box; }

 private:
  int width_, height_;
  std::vector<PrintLayer> layers_;
  std::optional<spectral::Rect> clip_;
};

}  // namespace corvana
