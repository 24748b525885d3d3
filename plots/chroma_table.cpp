#include "plots/chroma_table.h"

namespace corvana {

PlotBox cellBox(const ChromaLayout& layout, int row, int column) {
  const float F = layout.F;
  const int rowHeight = int(F);
  const int top = std::uint16_t(int(3.2 * F)) + row * rowHeight;
  int x = 0;
  for (int c = 0; c < column; ++c) x += layout.columnWidths[std::size_t(c)];
  return {double(x), double(top), double(layout.columnWidths[std::size_t(column)]),
          double(rowHeight)};
}

void addTable(const ChromaLayout& layout, const PlotCells& cells, int columns,
              PlotPrimitives& out) {
  for (int r = 0; r < kPlotRows; ++r) {
    for (int c = 0; c < columns && c < kPlotColumns; ++c) {
      const PlotCell& cell = cells[std::size_t(cellIndex(r, c))];
      const PlotBox box = cellBox(layout, r, c);
      if (cell.kind == FilledCell) {
        out.push_back(
            FilledRectPrimitive{{box.x - 1, box.y, box.width - 1, box.height}, cell.color});
      } else if (!cell.text.empty()) {
        out.push_back(textBox(box, cell.text, AlignVCenter | SingleLine, FontRole::Table, layout.F,
                              cell.color));
      }
    }
  }
}

}  // namespace corvana
