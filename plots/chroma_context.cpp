#include "plots/chroma_context.h"

#include "core/job.h"
#include "core/language_table.h"

namespace corvana {

bool plotMode(const Job& job, int illuminantGroups) {
  return illuminantGroups == 0 && job.colorSpace != CieRgb;
}

bool hasCurrentSample(const Job& job) {
  return job.currentSample >= 0 && job.currentSample < job.sampleCount();
}

TextPrimitive textBox(const PlotBox& box, std::string text, unsigned flags, FontRole font, float F,
                      std::uint32_t color) {
  TextPrimitive t;
  t.box = box;
  t.text = (flags & SingleLine) ? withoutLineBreaks(text) : std::move(text);
  t.flags = flags;
  t.font = font;
  t.pointSize = fontPointSize(font, F);
  t.color = color;
  return t;
}

int fittingPointSize(const TextMeasure& measure, std::string_view text, FontRole font, int points,
                     double width) {
  while (points > 1 && measure(text, font, points) > width) --points;
  return points;
}

LinePrimitive line(double x1, double y1, double x2, double y2, std::uint32_t color,
                   double penWidth) {
  LinePrimitive l;
  l.from = {x1, y1};
  l.to = {x2, y2};
  l.color = color;
  l.penWidth = penWidth;
  return l;
}

void addCross(PlotPrimitives& out, double x, double y, double m, std::uint32_t color) {
  out.push_back(line(x - m, y, x + m, y, color));
  out.push_back(line(x, y - m, x, y + m, color));
}

std::string axisLabelText(int labelRow) {
  // The labels were drawn from a table of 434 rows; later rows name nothing here.
  if (labelRow > 433) return {};
  return LookupText(Text(labelRow));
}

}  // namespace corvana
