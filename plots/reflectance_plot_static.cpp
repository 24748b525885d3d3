#include "plots/reflectance_plot_static.h"

#include <cmath>

#include "core/language_table.h"
#include "plots/spectral_spline.h"
#include "plots/spectral_strip.h"

namespace corvana::spectral {

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kGridGrey = argbFromBgr(0x00808080);
const Font kLabelFont{FontFace::Arial, ReflectancePlotEngine::kLabelFontPixels, FontUnit::Pixels};
const Font kCaptionFont{FontFace::Arial, ReflectancePlotEngine::kCaptionFontPixels,
                        FontUnit::Pixels};
constexpr unsigned kCentred = AlignHCenter | AlignVCenter | SingleLine;

Rect fromEdges(int left, int top, int right, int bottom) {
  return {left, top, right - left, bottom - top};
}

}  // namespace

void ReflectancePlotEngine::layout(int a, int b, int c, int d) {
  const int m = d - kLabelHeight - kCaptionHeight - 10;
  const int px0 = a + 67;
  caption_ = fromEdges(a + 10, b + 10, a + 34, m);
  yLabels_ = fromEdges(a + 34, b + 10, a + 62, m);
  plot_ = fromEdges(px0, b + 10, c - 20, m);
  xLabels_ = fromEdges(px0, d - 50, c - 20, d - 29);
  spectrum_ = fromEdges(px0, d - 29, c - 20, d - 5);
  perPercent_ = double(b + 10 - m) / 100.0;
  perNm_ = double(c - 20 - px0) / 300.0;
}

Point ReflectancePlotEngine::map(double nanometres, double percent) const {
  return {plot_.x + int(std::lround((nanometres - 400) * perNm_)),
          plot_.bottom() + int(std::lround(percent * perPercent_))};
}

void ReflectancePlotEngine::drawBackground(DrawList& out) const {
  out.polyline({map(400, 0), map(400, 100), map(700, 100), map(700, 0)}, true, kBlack);
  for (int y = 0; y <= 100; y += 20) out.line(map(400, y), map(700, y), kGridGrey);
  for (int x = 400; x <= 700; x += 50) out.line(map(x, 0), map(x, 100), kGridGrey);
  for (int y = 0; y <= 100; y += 20) {
    const int at = map(400, y).y;
    out.text({yLabels_.x, at - kLabelHeight / 2, yLabels_.width, kLabelHeight},
             formatDecimals(y, 0), AlignVCenter | SingleLine, kLabelFont, kBlack);
  }
  out.text(caption_, LookupText(Text::Reflectance) + "(%)", kCentred, kCaptionFont, kBlack, true);
  for (int x = 400; x <= 700; x += 50) {
    const int at = map(x, 0).x;
    out.text({at - 25, xLabels_.y, 50, xLabels_.height}, formatDecimals(x, 0), kCentred, kLabelFont,
             kBlack);
  }
  out.image({ImageId::Spectrum, spectrum_, 0, double(kSpectrumWidth), true});
  out.text(spectrum_, LookupText(Text::Wavelength) + "(nm)", kCentred, kCaptionFont, kBlack);
}

void ReflectancePlotEngine::drawCurve(DrawList& out, const ReflectancePlotCurve& curve) const {
  std::vector<PointF> points;
  points.reserve(kCurvePoints);
  for (int i = 0; i < kCurvePoints; ++i) {
    const Point p = map(wavelengthOf(i), double(curve.values[std::size_t(i)] * 100.0f));
    points.push_back({double(p.x), double(p.y)});
  }
  BezierChain chain = bezierChain(points);
  chain.argb = argbFromBgr(curve.bgr);
  chain.width = curve.penWidth;
  chain.style = curve.penStyle;
  out.bezier(std::move(chain));
}

bool ReflectancePlotStatic::setCurve(std::size_t slot,
                                     std::unique_ptr<ReflectancePlotCurve> curve) {
  if (slot >= slots_.size()) slots_.resize(slot + 1);
  if (curve && curve.get() == slots_[slot].get()) {
    (void)curve.release();  // the slot already owns it
  } else {
    slots_[slot] = std::move(curve);
  }
  return true;
}

const ReflectancePlotCurve* ReflectancePlotStatic::curve(std::size_t slot) const {
  return slot < slots_.size() ? slots_[slot].get() : nullptr;
}

void ReflectancePlotStatic::attach(int clientWidth, int clientHeight) {
  engine_.reset();
  rebuild(clientWidth, clientHeight);
}

void ReflectancePlotStatic::resize(int clientWidth, int clientHeight, bool minimised) {
  if (!minimised) rebuild(clientWidth, clientHeight);
}

void ReflectancePlotStatic::rebuild(int clientWidth, int clientHeight) {
  width_ = clientWidth;
  height_ = clientHeight;
  engine_.layout(0, 0, clientWidth, clientHeight);
  background_ = DrawList({0, 0, clientWidth, clientHeight});
  engine_.drawBackground(background_);
  ++generation_;
}

DrawList ReflectancePlotStatic::paint() const {
  const Rect client{0, 0, width_, height_};
  DrawList out(client);
  out.fill(client, buttonFace_);
  out.image({ImageId::CachedBackground, client, 0, double(width_), false});
  for (const auto& c : slots_)
    if (c) engine_.drawCurve(out, *c);
  return out;
}

DrawList ReflectancePlotStatic::render(int left, int top, int right, int bottom,
                                       const std::vector<const ReflectancePlotCurve*>& curves) {
  ReflectancePlotEngine engine;
  engine.layout(left, top, right, bottom);
  DrawList out(fromEdges(left, top, right, bottom));
  engine.drawBackground(out);
  for (const ReflectancePlotCurve* c : curves)
    if (c) engine.drawCurve(out, *c);
  return out;
}

void drawLegendEntry(DrawList& out, int left, int top, int right, int bottom,
                     const std::string& text, int penStyle, std::uint32_t bgr,
                     const TextWidth& textWidth) {
  const int height = bottom - top;
  const Font font{FontFace::Arial, double(height > 14 ? 14 : height * 4 / 5), FontUnit::Pixels};
  const int textLeft = left + 5;
  out.text(fromEdges(textLeft, top, right, bottom), text, AlignLeft | AlignVCenter | SingleLine,
           font, kBlack);
  const int middle = (top + bottom) / 2;
  out.line({textLeft + textWidth(text, font) + 5, middle}, {right - 5, middle}, argbFromBgr(bgr), 1,
           penStyle);
}

}  // namespace corvana::spectral
