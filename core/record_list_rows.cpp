#include "core/record_list_rows.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

#include "colour/text_utf.h"
#include "core/cell_text.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/language_table.h"
#include "core/number_text.h"
#include "core/value_labels.h"

namespace corvana {

namespace {
constexpr const char* kUp = "↑";
constexpr const char* kDown = "↓";

int gradeRank(const std::string& text) {
  if (equalsIgnoreCase(text, LookupText(Text::Level1))) return 0;
  if (equalsIgnoreCase(text, LookupText(Text::Level2))) return 1;
  return 2;
}

// Numbers compare as numbers; a NaN sorts after every number (comparing it
// "equal to everything" is not an order and would corrupt the sort).
int compareNumbers(float a, float b) {
  const bool na = std::isnan(a), nb = std::isnan(b);
  if (na || nb) return na == nb ? 0 : (na ? 1 : -1);
  return a < b ? -1 : a > b ? 1 : 0;
}
}  // namespace

int RecordListRows::rowOf(int record) const {
  const auto it = std::find(rows_.begin(), rows_.end(), record);
  return it == rows_.end() ? -1 : int(it - rows_.begin());
}

void RecordListRows::rebuild() {
  const bool samples = list_ == RecordList::Samples;
  columns_.clear();
  columns_.push_back({ListColumn::Number, 0, 60});
  columns_.push_back({ListColumn::Name, 0, samples ? 65 : 80});
  const int C = valueCount(job_.colorSpace);
  for (int k = 0; k < C; ++k) columns_.push_back({ListColumn::Value, k, 50});
  if (samples) {
    const int D = differenceCount(job_.colorSpace, job_.colorFormula);
    for (int k = 0; k < D; ++k) columns_.push_back({ListColumn::Difference, k, 46});
    columns_.push_back({ListColumn::Grade, 0, 65});
  }
  columns_.push_back({ListColumn::Material, 0, samples ? 50 : 60});
  // The rows go back to record order: arrows left on a heading would lie.
  keys_[0] = keys_[1] = {};
  rows_.clear();
  if (!job_.table.entryFor(job_.illuminants[0])) return;
  for (int j = 0; j < job_.count(list_); ++j)
    if (passesFilter(j)) rows_.push_back(j);
}

bool RecordListRows::passesFilter(int record) const {
  return filter_ == kAllMaterials ||
         job_.records(list_)[std::size_t(record)].materialUtf8() == filter_;
}

bool RecordListRows::accepts(int record) const {
  return !columns_.empty() && job_.table.entryFor(job_.illuminants[0]) && record >= 0 &&
         record < job_.count(list_) && passesFilter(record);
}

bool RecordListRows::appendRow(int record) {
  if (columns_.empty()) {
    rebuild();
    return rowOf(record) >= 0;
  }
  if (!accepts(record)) return false;
  rows_.push_back(record);
  return true;
}

void RecordListRows::recordsRemoved(const std::vector<int>& records) {
  std::vector<int> sorted = records;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> kept;
  kept.reserve(rows_.size());
  for (int r : rows_) {
    if (std::binary_search(sorted.begin(), sorted.end(), r)) continue;
    const int below = int(std::lower_bound(sorted.begin(), sorted.end(), r) - sorted.begin());
    kept.push_back(r - below);
  }
  rows_ = std::move(kept);
}

std::string RecordListRows::heading(int column, bool arrows) const {
  const ListColumn& c = columns_[std::size_t(column)];
  std::string text;
  switch (c.kind) {
    case ListColumn::Number:
      text = LookupText(list_ == RecordList::Standards ? Text::Standard : Text::Sample);
      break;
    case ListColumn::Name: text = LookupText(Text::Name); break;
    case ListColumn::Value:
      text = LookupText(valueLabelRows(job_.colorSpace, false)[std::size_t(c.index)]);
      break;
    case ListColumn::Difference:
      text = LookupText(
          differenceLabelRows(job_.colorSpace, job_.colorFormula, false)[std::size_t(c.index)]);
      break;
    case ListColumn::Grade: text = LookupText(Text::JudgeResult); break;
    case ListColumn::Material:
      text = filtering()
                 ? fillPlaceholders(LookupText(Text::MaterialFilterHeading),
                                    {filter_.empty() ? LookupText(Text::NoMaterial) : filter_})
                 : LookupText(Text::Material);
      break;
  }
  for (int k = 0; arrows && k < 2; ++k) {
    if (keys_[k].column != column || (k == 1 && keys_[0].column < 0)) continue;
    const char* arrow = keys_[k].ascending ? kUp : kDown;
    text += " ";
    text += arrow;
    if (k == 1) text += arrow;
  }
  return text;
}

std::string RecordListRows::cellText(int row, int column) const {
  const int j = rows_[std::size_t(row)];
  const ListColumn& c = columns_[std::size_t(column)];
  const MeasurementRecord& r = job_.records(list_)[std::size_t(j)];
  switch (c.kind) {
    case ListColumn::Number: {
      const bool current = j == currentRecord();
      const int number = list_ == RecordList::Standards ? r.SerialNumber : j + 1;
      return (current ? std::string(kCurrentMarker) : std::string()) + std::to_string(number);
    }
    case ListColumn::Name: return r.nameUtf8();
    case ListColumn::Value: return valueCellText(job_, list_, j, c.index);
    case ListColumn::Difference: return differenceCellText(job_, j, c.index);
    case ListColumn::Grade: return gradeCellText(job_, j);
    case ListColumn::Material: return r.materialUtf8();
  }
  return {};
}

int RecordListRows::currentRecord() const {
  return list_ == RecordList::Standards ? job_.currentStandard : job_.currentSample;
}

CellTone RecordListRows::cellTone(int row, int column) const {
  if (columns_[std::size_t(column)].kind != ListColumn::Grade) return CellTone::Plain;
  return gradeTone(sampleGrade(job_, rows_[std::size_t(row)], 0));
}

bool RecordListRows::isCurrentRow(int row) const {
  return rows_[std::size_t(row)] == currentRecord();
}

std::string RecordListRows::hiddenCurrentNotice() const {
  const int current = currentRecord();
  if (!filtering() || current < 0 || current >= job_.count(list_) || passesFilter(current))
    return {};
  return LookupText(list_ == RecordList::Standards ? Text::CurrentStandardFiltered
                                                   : Text::CurrentSampleFiltered);
}

void RecordListRows::clickHeading(int column) {
  if (column < 0 || column >= columnCount() - 1) return;
  const int last = columnCount() - 1;
  if (keys_[0].column == column) {
    keys_[0].ascending = !keys_[0].ascending;
  } else if (keys_[0].column >= 0 && keys_[1].column == column) {
    keys_[1].ascending = !keys_[1].ascending;
  } else if (keys_[0].column == last && keys_[1].column < 0) {
    keys_[1] = {column, true};
  } else {
    keys_[0] = {column, true};
    keys_[1] = {};
  }
  sort();
}

void RecordListRows::sortByMaterial() {
  const int last = columnCount() - 1;
  if (keys_[0].column == last)
    keys_[0].ascending = !keys_[0].ascending;
  else
    keys_[0] = {last, true};
  sort();
}

void RecordListRows::setFilter(const std::string& filter) {
  filter_ = filter;
  keys_[0] = keys_[1] = {};
  rebuild();
}

std::vector<std::string> RecordListRows::materials() const {
  std::set<std::u16string> distinct;
  for (const auto& r : job_.records(list_)) distinct.insert(utf8ToUtf16(r.materialUtf8()));
  std::vector<std::string> out;
  for (const auto& m : distinct) out.push_back(utf16ToUtf8(m));
  return out;
}

void RecordListRows::sort() {
  if (keys_[0].column < 0) return;
  // Each key column's sort value is taken once per row, then the rows are
  // ordered by them; equal rows keep their order.
  struct KeyValues {
    const SortKey* key;
    ListColumn column;
    std::vector<float> numbers;
    std::vector<std::u16string> texts;
  };
  std::vector<KeyValues> keys;
  const IlluminantColorValues* entry = job_.table.entryFor(job_.illuminants[0]);
  for (int k = 0; k < 2; ++k) {
    if (keys_[k].column < 0 || (k == 1 && keys_[0].column < 0)) continue;
    KeyValues kv{&keys_[k], columns_[std::size_t(keys_[k].column)], {}, {}};
    const auto& records = job_.records(list_);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
      const int j = rows_[row];
      switch (kv.column.kind) {
        case ListColumn::Number:
          kv.numbers.push_back(
              float(list_ == RecordList::Standards ? records[std::size_t(j)].SerialNumber : j));
          break;
        case ListColumn::Value: {
          const auto& columns =
              list_ == RecordList::Standards ? entry->standardValues : entry->sampleValues;
          kv.numbers.push_back(columns[std::size_t(kv.column.index)][std::size_t(j)]);
          break;
        }
        case ListColumn::Difference:
          kv.numbers.push_back(
              entry->sampleDifferences[std::size_t(kv.column.index)][std::size_t(j)]);
          break;
        case ListColumn::Grade:
          kv.numbers.push_back(float(gradeRank(gradeCellText(job_, j))));
          break;
        default: kv.texts.push_back(utf8ToUtf16(cellText(int(row), keys_[k].column))); break;
      }
    }
    keys.push_back(std::move(kv));
  }
  std::vector<int> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    for (const KeyValues& kv : keys) {
      int c = kv.texts.empty()
                  ? compareNumbers(kv.numbers[std::size_t(a)], kv.numbers[std::size_t(b)])
                  : kv.texts[std::size_t(a)].compare(kv.texts[std::size_t(b)]);
      c = c < 0 ? -1 : c > 0 ? 1 : 0;
      // Grades: "ascending" puts the worse rank first.
      const bool grade = kv.column.kind == ListColumn::Grade;
      if (c != 0) return (kv.key->ascending != grade) ? c < 0 : c > 0;
    }
    return false;
  });
  std::vector<int> sorted;
  sorted.reserve(rows_.size());
  for (int i : order) sorted.push_back(rows_[std::size_t(i)]);
  rows_ = std::move(sorted);
}

}  // namespace corvana
