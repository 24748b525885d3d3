#pragma once
// The whole chromaticity pane of the job window as a list of primitives.
//
// The job window keeps a ChromaPaneState: `relayoutChromaPane` runs on every
// resize and after data changes (cells and sizes persist between paints);
// `chromaPanePrimitives` runs on every paint, rebuilds the cells and the full
// scale and lists what to draw, background first. The painter clips to the
// update rectangle and skips what `needsPainting` refuses.
#include "plots/chroma_layout.h"
#include "plots/plot_cell.h"
#include "plots/plot_primitives.h"

namespace corvana {

class Job;

struct ChromaPaneState {
  int illuminantGroups = 0;  // groups shown minus one, from the job's display mode
  PlotCells cells;
  ChromaLayout layout;
};

// 0, 1 or 2 from the job's "1 Illuminant" to "3 Illuminant" display mode.
int illuminantGroupsOf(const Job& job);

// buildCells, then layout for a client area of width × height.
void relayoutChromaPane(const Job& job, ChromaPaneState& state, int width, int height,
                        const TextMeasure& measure);

// Without a job only the background.
PlotPrimitives chromaPanePrimitives(const Job* job, ChromaPaneState& state, int width, int height,
                                    const TextMeasure& measure);

}  // namespace corvana
