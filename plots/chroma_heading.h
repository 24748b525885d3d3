#pragma once
// The three heading lines of the chromaticity pane: the two names, observer
// and mode, the illuminant of each group and the full scale.
#include "plots/chroma_context.h"

namespace corvana {

void addHeading(const ChromaContext& context, PlotPrimitives& out);

// The mode text of line two: one record's mode, or both when they differ.
std::string headingModeText(const Job& job);

}  // namespace corvana
