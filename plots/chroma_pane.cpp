#include "plots/chroma_pane.h"

#include <algorithm>

#include "core/job.h"
#include "plots/chroma_colors.h"
#include "plots/chroma_context.h"
#include "plots/chroma_difference_square.h"
#include "plots/chroma_heading.h"
#include "plots/chroma_scale.h"
#include "plots/chroma_table.h"
#include "plots/xy_diagram.h"

namespace corvana {

int illuminantGroupsOf(const Job& job) { return std::clamp(int(job.IlluminantCount), 1, 3) - 1; }

void relayoutChromaPane(const Job& job, ChromaPaneState& state, int width, int height,
                        const TextMeasure& measure) {
  buildCells(job, state.illuminantGroups, state.cells);
  state.layout =
      layoutCells(state.cells, layoutInputFor(job, state.illuminantGroups, width, height), measure);
}

PlotPrimitives chromaPanePrimitives(const Job* job, ChromaPaneState& state, int width, int height,
                                    const TextMeasure& measure) {
  PlotPrimitives out;
  out.push_back(FilledRectPrimitive{{0, 0, double(width), double(height)}, chroma::kBackground});
  if (!job) return out;
  buildCells(*job, state.illuminantGroups, state.cells);
  const int groups = std::clamp(state.illuminantGroups, 0, 2);
  const float fullScale = groups == 0 ? fullScaleOf(job->colorSpace, job->toleranceB) : 0.0f;
  const ChromaContext context{*job, width, height, state.layout, groups, fullScale, measure};

  addHeading(context, out);
  addTable(state.layout, state.cells, 3 * (groups + 1), out);

  const bool pair = job->hasCurrentStandard() && hasCurrentSample(*job);
  if (groups != 0 || !pair || state.layout.plotSide == 0) return out;
  if (job->colorSpace == CieXyz)
    addXyDiagram(context, out);
  else if (job->colorSpace != CieRgb)
    addDifferenceSquare(context, out);
  return out;
}

}  // namespace corvana
