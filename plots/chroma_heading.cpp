#include "plots/chroma_heading.h"

#include <cstdio>

#include "colour/spectral.h"
#include "core/job.h"
#include "core/language_table.h"
#include "core/number_text.h"
#include "plots/chroma_colors.h"

namespace corvana {

namespace {

std::string modeOf(const MeasurementRecord& record) {
  return std::string(measurementModeText(record.mode));
}

}  // namespace

std::string headingModeText(const Job& job) {
  const bool standard = job.hasCurrentStandard(), sample = hasCurrentSample(job);
  if (standard && sample) {
    const MeasurementRecord& s = job.standard(job.currentStandard);
    const MeasurementRecord& p = job.sample(job.currentSample);
    if (s.mode != p.mode)
      return fillPlaceholders("%s(%s), %s(%s)", {LookupText(Text::Standard), modeOf(s),
                                                 LookupText(Text::Sample), modeOf(p)});
  }
  if (standard) return modeOf(job.standard(job.currentStandard));
  if (sample) return modeOf(job.sample(job.currentSample));
  return {};
}

void addHeading(const ChromaContext& context, PlotPrimitives& out) {
  const Job& job = context.job;
  const float F = context.layout.F;
  const int y0 = std::uint16_t(int(0.16 * F));
  const int y1 = std::uint16_t(int(y0 + F));
  const int y2 = std::uint16_t(int(y1 + F));
  const int half = context.width / 2;
  const int points = fontPointSize(FontRole::Table, F);
  const bool standard = job.hasCurrentStandard(), sample = hasCurrentSample(job);

  auto nameLine = [&](double x, Text caption, const std::string& name, std::uint32_t color) {
    std::string label = fillPlaceholders("%s: ", {LookupText(caption)});
    const double w = context.measure(label, FontRole::Table, points);
    out.push_back(textBox({x, double(y0), w, F}, std::move(label), AlignLeft, FontRole::Table, F,
                          chroma::kBlack));
    out.push_back(textBox({x + w, double(y0), half - w, F}, name, AlignLeft | AlignVCenter | Elide,
                          FontRole::Table, F, color));
  };
  if (standard)
    nameLine(2, Text::Standard, job.standard(job.currentStandard).nameUtf8(),
             chroma::kStandardGreen);
  if (sample)
    nameLine(half, Text::Sample, job.sample(job.currentSample).nameUtf8(), chroma::kSampleBlue);
  if (!standard && !sample) return;

  const Text observer =
      job.observer == Observer2 ? Text::Observer2Degrees : Text::Observer10Degrees;
  TextPrimitive conditions = textBox(
      {2, double(y1), double(context.width - 5), F},
      fillPlaceholders("%s: %s  %s: %s", {LookupText(Text::ObserverAngle), LookupText(observer),
                                          LookupText(Text::MeasurementMode), headingModeText(job)}),
      AlignLeft, FontRole::Table, F, chroma::kBlack);
  // The table's unit can make this line wider than the pane (RGB or several
  // illuminants in a narrow pane); a smaller font keeps it whole.
  conditions.pointSize = fittingPointSize(context.measure, conditions.text, FontRole::Table,
                                          conditions.pointSize, conditions.box.width);
  out.push_back(std::move(conditions));

  double x = 2;
  for (int g = 0; g <= context.illuminantGroups; ++g) {
    const auto& w = context.layout.columnWidths;
    const int groupWidth =
        w[std::size_t(3 * g)] + w[std::size_t(3 * g + 1)] + w[std::size_t(3 * g + 2)];
    out.push_back(textBox({x, double(y2), double(groupWidth), F},
                          std::string(illuminantName(job.illuminants[g])), AlignHCenter,
                          FontRole::Table, F, chroma::kBlack));
    x += groupWidth;
  }
  if (plotMode(job, context.illuminantGroups)) {
    char value[32];
    std::snprintf(value, sizeof value, "%6.2f", double(context.fullScale));
    const double left = 2 + context.firstGroupWidth();
    out.push_back(textBox({left, double(y2), context.width - left, F},
                          LookupText(Text::FullScale) + ": " + value, AlignHCenter, FontRole::Table,
                          F, chroma::kBlack));
  }
}

}  // namespace corvana
