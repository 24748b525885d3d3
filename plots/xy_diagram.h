#pragma once
// The CIE 1931 xy chromaticity diagram of the CIE XYZ space: the coloured
// spectral locus, the grid, its labels, the wavelength marks, the records at
// their chromaticity, and the ΔY bar beside it.
#include "plots/chroma_context.h"

namespace corvana {

// 0.8 S wide and 0.9 S high; one chromaticity unit is S pixels both ways.
struct XyDiagramGeometry {
  double left = 0, top = 0, bottom = 0;  // xL, yT, yB
  double side = 0;                       // S
  PlotPoint map(double x, double y) const { return {left + side * x, bottom - side * y}; }
};

XyDiagramGeometry xyDiagramGeometry(const ChromaContext& context);

void addXyDiagram(const ChromaContext& context, PlotPrimitives& out);

}  // namespace corvana
