#pragma once
// The self-contained reflectance plot of the opacity dialog: curve slots, a
// plot engine with its own layout and scales, and a background drawn once.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "colour/spectral.h"
#include "plots/spectral_primitives.h"

namespace corvana::spectral {

struct ReflectancePlotCurve {
  std::string name;
  std::uint32_t bgr = 0;  // 0x00BBGGRR
  int penWidth = 1;
  int penStyle = PenSolid;
  ReflectanceCurve values{};  // fractions, 400 to 700 nm
};

class ReflectancePlotEngine {
 public:
  static constexpr int kLabelFontPixels = 14;
  static constexpr int kCaptionFontPixels = 16;
  static constexpr int kCaptionHeight = 24;  // 1.5 x the caption font
  static constexpr int kLabelHeight = 21;    // 1.5 x the label font

  void reset() { *this = ReflectancePlotEngine{}; }
  // For the rectangle from (left, top) to (right, bottom).
  void layout(int left, int top, int right, int bottom);

  const Rect& captionStrip() const { return caption_; }
  const Rect& yLabelColumn() const { return yLabels_; }
  const Rect& plot() const { return plot_; }
  const Rect& xLabelBand() const { return xLabels_; }
  const Rect& spectrumBand() const { return spectrum_; }
  double pixelsPerPercent() const { return perPercent_; }  // negative: y grows downwards
  double pixelsPerNanometre() const { return perNm_; }

  // Pixel of (wavelength in nm, reflectance in %).
  Point map(double nanometres, double percent) const;

  // Frame, grid, labels, captions and spectrum band, onto a surface already
  // filled with the button-face colour.
  void drawBackground(DrawList& out) const;
  // The curve as a Bezier chain through its 31 points.
  void drawCurve(DrawList& out, const ReflectancePlotCurve& curve) const;

 private:
  Rect caption_, yLabels_, plot_, xLabels_, spectrum_;
  double perPercent_ = 0, perNm_ = 0;
};

class ReflectancePlotStatic {
 public:
  explicit ReflectancePlotStatic(std::uint32_t buttonFaceArgb) : buttonFace_(buttonFaceArgb) {}

  // Stores the curve (or none) in the slot, freeing the one it replaces;
  // true when the control must be repainted.
  bool setCurve(std::size_t slot, std::unique_ptr<ReflectancePlotCurve> curve);
  std::size_t slotCount() const { return slots_.size(); }
  const ReflectancePlotCurve* curve(std::size_t slot) const;

  // On attaching to the dialog window and on every resize: new layout and a
  // new background. A minimised window keeps both.
  void attach(int clientWidth, int clientHeight);
  void resize(int clientWidth, int clientHeight, bool minimised);

  const ReflectancePlotEngine& engine() const { return engine_; }
  // The background the painter caches as an image; the generation changes
  // whenever it is rebuilt.
  const DrawList& background() const { return background_; }
  int backgroundGeneration() const { return generation_; }

  // A paint: the button face, the cached background, every curve in slot order.
  DrawList paint() const;

  // The plot for another surface, inside (left, top, right, bottom), with the
  // given curves: a fresh engine, its background, then the curves.
  static DrawList render(int left, int top, int right, int bottom,
                         const std::vector<const ReflectancePlotCurve*>& curves);

 private:
  void rebuild(int clientWidth, int clientHeight);

  std::uint32_t buttonFace_;
  std::vector<std::unique_ptr<ReflectancePlotCurve>> slots_;
  ReflectancePlotEngine engine_;
  int width_ = 0, height_ = 0;
  DrawList background_{Rect{}};
  int generation_ = 0;
};

// A legend entry in the box from (left, top) to (right, bottom): the text,
// then a line sample of the pen to the right edge.
void drawLegendEntry(DrawList& out, int left, int top, int right, int bottom,
                     const std::string& text, int penStyle, std::uint32_t bgr,
                     const TextWidth& textWidth);

}  // namespace corvana::spectral
