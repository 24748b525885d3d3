#pragma once
// The vertical bar beside a plot for one difference component (ΔL* beside
// the difference square, ΔY beside the xy diagram).
#include "plots/chroma_context.h"

namespace corvana {

struct ComponentBarPlace {
  double x = 0, y = 0, height = 0;
  int component = 0;           // difference slot of the markers
  int toleranceComponent = 0;  // tolerance entry of slot 0 for the limits
};

void addComponentBar(const ChromaContext& context, const ComponentBarPlace& place,
                     PlotPrimitives& out);

}  // namespace corvana
