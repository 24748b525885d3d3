#pragma once
// The table of the chromaticity pane below the heading.
#include "plots/chroma_context.h"
#include "plots/plot_cell.h"

namespace corvana {

// The box of a cell: rows of (int)F from (u16)(int)(3.2 F), columns side by
// side from x = 0.
PlotBox cellBox(const ChromaLayout& layout, int row, int column);

// Text cells right-aligned, vertically centred, single line; filled cells
// one pixel to the left and one narrower. Columns beyond `columns` are not drawn.
void addTable(const ChromaLayout& layout, const PlotCells& cells, int columns, PlotPrimitives& out);

}  // namespace corvana
