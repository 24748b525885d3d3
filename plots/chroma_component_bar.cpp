#include "plots/chroma_component_bar.h"

#include <algorithm>

#include "core/job.h"
#include "plots/chroma_colors.h"
#include "plots/chroma_scale.h"

namespace corvana {

void addComponentBar(const ChromaContext& context, const ComponentBarPlace& place,
                     PlotPrimitives& out) {
  const Job& job = context.job;
  const float F = context.layout.F;
  const double y = place.y, h = place.height;
  const double xc = place.x + context.layout.barWidth / 2;
  const int m = int(0.72 * F);
  const double ymid = y + h / 2;
  const float fs = context.fullScale;

  out.push_back(line(xc - m, y, xc + m, y, chroma::kBlack));
  out.push_back(line(xc - m, y + h, xc + m, y + h, chroma::kBlack));
  out.push_back(line(xc, y, xc, y + h, chroma::kBlack));
  out.push_back(line(xc - m, ymid, xc + m, ymid, chroma::kBlack));

  const ToleranceSet& limit =
      job.toleranceB[std::size_t(toleranceIndex(0, place.toleranceComponent))];
  const int up = limitOffset(limit.upper, fs, h), down = limitOffset(limit.lower, fs, h);
  out.push_back(line(xc - m, ymid - up, xc + m, ymid - up, chroma::kToleranceRed));
  out.push_back(line(xc - m, ymid + down, xc + m, ymid + down, chroma::kToleranceRed));
  const float q = job.toleranceQuotiety;
  const int warnUp = int(up * q), warnDown = int(down * q);
  out.push_back(line(xc - m, ymid - warnUp, xc + m, ymid - warnUp, chroma::kWarningYellow));
  out.push_back(line(xc - m, ymid + warnDown, xc + m, ymid + warnDown, chroma::kWarningYellow));

  const std::string label = axisLabelText(limit.componentLabel);
  const double labelX = int(xc - 3 * F), labelW = int(3 * F), labelH = int(1.5 * F);
  out.push_back(textBox({labelX, y + 3, labelW, labelH}, "+" + label, AlignTop, FontRole::PlotLabel,
                        F, chroma::kBlack));
  out.push_back(textBox({labelX, y + h - labelH, labelW, labelH}, "-" + label, AlignTop,
                        FontRole::PlotLabel, F, chroma::kBlack));

  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0]);
  if (!entry || place.component < 0 || place.component >= kDifferenceArrays) return;
  const std::vector<float>& values = entry->sampleDifferences[std::size_t(place.component)];
  const double xs = int(0.9 * F + xc);
  auto marker = [&](int i, std::uint32_t color) {
    const float v = values[std::size_t(i)];
    if (!hasPosition(v)) return;
    const double ys = std::clamp(ymid - int(differenceOffset(v, fs, h)), y, y + h);
    addCross(out, xs, ys, m, color);
  };
  const int count = int(values.size());
  for (int i = 0; i < count; ++i)
    if (i != job.currentSample) marker(i, chroma::kOtherSamplesGrey);
  if (job.currentSample >= 0 && job.currentSample < count)
    marker(job.currentSample, chroma::kSampleBlue);
}

}  // namespace corvana
