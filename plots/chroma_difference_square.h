#pragma once
// The square plot of the second and third difference components (Δa* across,
// Δb* up, or their analogues) with the tolerance and warning boxes, and the
// ΔL* bar beside it.
#include "plots/chroma_context.h"

namespace corvana {

struct DifferenceSquareGeometry {
  int x0 = 0, y0 = 0, side = 0;
  PlotBox toleranceBox, warningBox;
};

DifferenceSquareGeometry differenceSquareGeometry(const ChromaContext& context);

// A marker's pixel position, clamped to the square.
PlotPoint differenceMarker(const DifferenceSquareGeometry& square, float across, float up,
                           float fullScale);

void addDifferenceSquare(const ChromaContext& context, PlotPrimitives& out);

}  // namespace corvana
