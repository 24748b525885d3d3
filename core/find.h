#pragma once
// Looking up records of the standard or sample list by a part of the name or
// by closeness to a typed colour. The hits carry the texts of the list's rows,
// so the Find dialog and corvana-cli show them as the job window does.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour/cielab.h"
#include "colour/color_space.h"
#include "colour/parametric_factors.h"
#include "core/job_observer.h"
#include "core/language_table.h"

namespace corvana {

class Job;
class RecordListRows;

enum class FindMode { ByName = 0, ByValue = 1 };

// The two fixed texts of a refused number field, the same in every language.
constexpr const char* kNotANumberTitle = "非法输入";
constexpr const char* kNotANumberText = "请输入数字！";

// A value field: an optional leading sign, then digits with at most one
// decimal point. Empty, blanks, exponents and a second point are refused.
bool isPlainNumber(std::string_view text);

// Columns copied from the list: 5 for CIE RGB and Hunter LAB, else 7.
int copiedColumnCount(ColorSpace space);
// By value there is no search in CIE LUV.
bool searchesByValue(ColorSpace space);
// The heading of the difference column: the total of the job's formula.
Text findDifferenceLabel(ColorFormula formula);
// The labels of the three value fields: the space's first three value names.
std::array<Text, 3> findValueLabels(ColorSpace space);

// The target colour the three values name in the job's colour space (CIE XYZ
// and CIE RGB through the white of `condition`); empty for CIE LUV and for a
// condition without a white point.
std::optional<Lab> targetLab(ColorSpace space, Condition condition, const std::array<float, 3>& v);

// The difference the search uses: CIE 94, CIE 2000 or CMC when that is the
// formula, otherwise ΔE*ab; the target takes the standard's place.
float findDifference(ColorFormula formula, const Lab& target, const Lab& record,
                     const ParametricFactors& k);

struct FoundRecord {
  int record = -1;
  float difference = 0;
};
// Every record of the list within `limit` of the target under the job's
// primary illuminant and observer, in record order; records that cannot be
// evaluated there are skipped.
std::vector<FoundRecord> searchByValue(const Job& job, RecordList list, const Lab& target,
                                       float limit, const ParametricFactors& k);

// One row of the result list.
struct FindHit {
  int record = -1;
  std::vector<std::string> texts;  // the list row's first columns, then the difference
};

// The result list: its rows and the one that carries the current-record marker.
class FindResults {
 public:
  const std::vector<FindHit>& rows() const { return rows_; }
  int rowCount() const { return int(rows_.size()); }
  int markedRow() const { return marked_; }
  const FindHit& row(int r) const { return rows_[std::size_t(r)]; }

  void clear();
  // The list's current record becomes the marked row.
  void add(FindHit hit, bool current);
  // Moves the marker "*  " to a row; false (nothing changes) when that row
  // already carries it.
  bool mark(int row);
  // By a column's sort values: column 0 the record index, column 1 the name
  // as text, every other column the number its text reads as ("--" after
  // every number). Equal rows keep their order; the marker stays with its hit.
  void sortBy(int column, bool ascending);

 private:
  std::vector<FindHit> rows_;
  int marked_ = -1;
};

// Headings of the result list: the list's first columns (without sort
// arrows), by value the difference label after them.
std::vector<std::string> findHeadings(const RecordListRows& rows, const Job& job, FindMode mode);

// Rows of the list, in list order, whose name contains the keyword, letter
// case ignored; an empty keyword takes every row.
void findByName(const RecordListRows& rows, std::string_view keyword, FindResults& results);

// The four value fields checked and searched. The index of the first field
// that is not a number (nothing is searched then), or -1. Hits are in record
// order with the difference in the job's decimals; a hit the list does not
// show (its material filter hides it) has no row to copy and is left out.
int findByValue(const RecordListRows& rows, const Job& job,
                const std::array<std::string, 4>& fields, const ParametricFactors& k,
                FindResults& results);

// Lower-cased for the name match: ASCII, Latin-1, Latin Extended-A, Greek,
// Cyrillic and full-width letters.
std::u16string lowerCased(std::u16string_view text);

}  // namespace corvana
