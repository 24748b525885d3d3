#pragma once
// The sheet of Export Data as cells: the test condition, a block of
// standards and a block of samples, one record per column with its name,
// colour values, (samples) differences and 31 reflectances.
#include <span>
#include <string>
#include <vector>

namespace corvana {

class Job;

struct SheetCell {
  int row = 0;       // from 1
  int column = 0;    // from 1
  std::string text;  // exactly as the sheet shows it
  // A number whose text is "%.*f" (or "%d") with `decimals`, padded with
  // leading blanks to `width` characters ("%6.*f"; 0: not padded), or with
  // `percent` the value × 100 followed by "%". Everything else is a text.
  bool number = false;
  int decimals = 0;
  int width = 0;
  bool percent = false;
};

// The first row of the standard block.
constexpr int kSheetStandardRow = 3;
// Rows between the standard header's last row and the sample block.
constexpr int kSheetBlockGap = 2;

// The cells in row order within each column, columns in record order: cell
// (1, 1) the condition line; the standard block from row 3 with the records
// at `standards`, then the sample block with those at `samples`, each in
// the order given (positions in the job's lists; positions outside them are
// left out). Without a value-table entry for the primary illuminant only
// cell (1, 1).
std::vector<SheetCell> exportSheetCells(const Job& job, std::span<const int> standards,
                                        std::span<const int> samples);

// The records of each block when nothing is selected: the current standard,
// when there is one; every sample the list shows, in its order.
std::vector<int> exportedStandards(const Job& job, std::vector<int> selectedInListOrder);
std::vector<int> exportedSamples(std::vector<int> selectedInListOrder,
                                 std::vector<int> shownInListOrder);

// Header rows of the standard block: 1 + values + 31, or 0 without an entry
// for the primary illuminant. The sample block starts 2 rows below it.
int standardHeaderRows(const Job& job);

}  // namespace corvana
