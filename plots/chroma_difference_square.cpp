#include "plots/chroma_difference_square.h"

#include <algorithm>

#include "core/job.h"
#include "plots/chroma_colors.h"
#include "plots/chroma_component_bar.h"
#include "plots/chroma_scale.h"

namespace corvana {

DifferenceSquareGeometry differenceSquareGeometry(const ChromaContext& context) {
  const float F = context.layout.F;
  DifferenceSquareGeometry g;
  g.side = context.layout.plotSide;
  const int S = g.side;
  g.x0 = int(context.firstGroupWidth() + 2 + 0.72 * F);
  g.y0 = std::uint16_t(int(((context.height - S) - 3.2 * F) * 0.5 + 3.2 * F));

  const ToleranceTable& limits = context.job.toleranceB;
  const ToleranceSet& across = limits[std::size_t(toleranceIndex(0, 1))];
  const ToleranceSet& up = limits[std::size_t(toleranceIndex(0, 2))];
  const float fs = context.fullScale;
  const int left = limitOffset(across.lower, fs, S), right = limitOffset(across.upper, fs, S);
  const int top = limitOffset(up.upper, fs, S), bottom = limitOffset(up.lower, fs, S);
  const int c = S / 2;
  g.toleranceBox = {double(g.x0 + c - left), double(g.y0 + c - top), double(left + right),
                    double(top + bottom)};

  // The warning box: the tolerance box scaled by the quotiety about its centre.
  const double q = context.job.toleranceQuotiety;
  const PlotBox& box = g.toleranceBox;
  const double cx = box.x + box.width / 2, cy = box.y + box.height / 2;
  g.warningBox = {double(int(cx - box.width / 2 * q)), double(int(cy - box.height / 2 * q)),
                  double(int(box.width * q)), double(int(box.height * q))};
  return g;
}

PlotPoint differenceMarker(const DifferenceSquareGeometry& g, float across, float up,
                           float fullScale) {
  const int S = g.side;
  const int x = int(differenceOffset(across, fullScale, S) + g.x0 + S / 2);
  const int y = int(g.y0 + S / 2 - differenceOffset(up, fullScale, S));
  return {double(std::clamp(x, g.x0, g.x0 + S)), double(std::clamp(y, g.y0, g.y0 + S))};
}

void addDifferenceSquare(const ChromaContext& context, PlotPrimitives& out) {
  const Job& job = context.job;
  const float F = context.layout.F;
  const DifferenceSquareGeometry g = differenceSquareGeometry(context);
  const int S = g.side, x0 = g.x0, y0 = g.y0;

  out.push_back(RectPrimitive{{double(x0), double(y0), double(S), double(S)}, chroma::kBlack, 1});
  out.push_back(RectPrimitive{g.toleranceBox, chroma::kToleranceRed, 1});

  const int cx = x0 + S / 2, cy = y0 + S / 2;
  out.push_back(line(cx, cy, x0 + S, cy, chroma::kToleranceRed));
  out.push_back(line(cx, cy, x0, cy, chroma::kGreenAxis));
  out.push_back(line(cx, cy, cx, y0 + S, chroma::kSampleBlue));
  out.push_back(line(cx, cy, cx, y0, chroma::kWarningYellow));

  const ToleranceTable& limits = job.toleranceB;
  const std::string across =
      axisLabelText(limits[std::size_t(toleranceIndex(0, 1))].componentLabel);
  const std::string up = axisLabelText(limits[std::size_t(toleranceIndex(0, 2))].componentLabel);
  const double w = S / 2, h = int(1.5 * F);
  auto label = [&](double x, double y, std::string text, unsigned flags) {
    out.push_back(
        textBox({x, y, w, h}, std::move(text), flags, FontRole::PlotLabel, F, chroma::kBlack));
  };
  label(x0, cy - 1.5 * F, "-" + across, AlignLeft);
  label(cx, cy - 1.5 * F, "+" + across, AlignRightBottom);
  label(cx + 1, y0 + 2, "+" + up, AlignLeft | AlignTop);
  label(cx + 1, y0 + S - 1.5 * F, "-" + up, AlignLeft);

  out.push_back(RectPrimitive{g.warningBox, chroma::kWarningYellow, 1});

  if (const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0])) {
    const std::vector<float>& dx = entry->sampleDifferences[1];
    const std::vector<float>& dy = entry->sampleDifferences[2];
    const int count = int(std::min(dx.size(), dy.size()));
    const double m = int(0.72 * F);
    auto marker = [&](int i, std::uint32_t color) {
      const float a = dx[std::size_t(i)], b = dy[std::size_t(i)];
      if (!hasPosition(a) || !hasPosition(b)) return;
      const PlotPoint p = differenceMarker(g, a, b, context.fullScale);
      addCross(out, p.x, p.y, m, color);
    };
    for (int i = 0; i < count; ++i)
      if (i != job.currentSample) marker(i, chroma::kOtherSamplesGrey);
    if (job.currentSample >= 0 && job.currentSample < count)
      marker(job.currentSample, chroma::kSampleBlue);
  }

  addComponentBar(context, {double(x0 + S + 3), double(y0), double(S), 0, 0}, out);
}

}  // namespace corvana
