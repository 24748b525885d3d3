#pragma once
// What every part of the chromaticity pane is drawn from, and the small
// helpers that turn its boxes into primitives.
#include <string>

#include "plots/chroma_layout.h"
#include "plots/plot_primitives.h"

namespace corvana {

class Job;

struct ChromaContext {
  const Job& job;
  int width = 0, height = 0;  // client area
  const ChromaLayout& layout;
  int illuminantGroups = 0;  // 0 to 2
  float fullScale = 0;
  const TextMeasure& measure;

  // Cw: the width of the first group's three columns.
  int firstGroupWidth() const {
    return layout.columnWidths[0] + layout.columnWidths[1] + layout.columnWidths[2];
  }
};

// One group and a colour space with a plot (anything but RGB).
bool plotMode(const Job& job, int illuminantGroups);
bool hasCurrentSample(const Job& job);

// A text box in a font role sized from F; single-line texts lose their "\n".
TextPrimitive textBox(const PlotBox& box, std::string text, unsigned flags, FontRole font, float F,
                      std::uint32_t color);
// The largest point size up to `points` at which the text fits `width`; 1 at
// the least.
int fittingPointSize(const TextMeasure& measure, std::string_view text, FontRole font, int points,
                     double width);
LinePrimitive line(double x1, double y1, double x2, double y2, std::uint32_t color,
                   double penWidth = 1);
// An upright cross of half size m.
void addCross(PlotPrimitives& out, double x, double y, double m, std::uint32_t color);

// The text of a tolerance entry's label row; rows beyond 433 give no text.
std::string axisLabelText(int labelRow);

}  // namespace corvana
