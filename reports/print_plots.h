#pragma once
// The plot band of the colour-difference report in device pixels: the
// difference square (band 14 h) or, for CIE XYZ, the xy diagram (band 18 h),
// each with the component bar and the reflectance panel beside it. The
// geometry of the chromaticity pane is reused at the page's own sizes.
#include <string>

#include "reports/print_layout.h"
#include "reports/print_page.h"

namespace corvana {

class Job;

// "Full Scale:   1.80" ("%s: %6.2f") of the chromaticity view's full scale.
std::string fullScaleText(const Job& job);

int printPlotBandHeight(const Job& job, int h);

// Top-left corner at (x, y).
void addPrintDifferenceSquare(PrintPage& page, const Job& job, const PrintMetrics& metrics, int x,
                              int y);
void addPrintXyDiagram(PrintPage& page, const Job& job, const PrintMetrics& metrics, int x, int y);

// The bar of difference component `component` (limits of tolerance entry 0)
// and the c × c reflectance panel, at (x, y).
void addPrintBarAndReflectance(PrintPage& page, const Job& job, const PrintMetrics& metrics, int x,
                               int y, int c, int component);

}  // namespace corvana
