#include "core/find.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "colour/color_difference.h"
#include "colour/color_values.h"
#include "colour/measurement_record.h"
#include "colour/text_utf.h"
#include "colour/white_point.h"
#include "core/cell_text.h"
#include "core/job.h"
#include "core/number_text.h"
#include "core/record_list_rows.h"
#include "core/value_labels.h"

namespace corvana {

bool isPlainNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

int copiedColumnCount(ColorSpace space) { return space == CieRgb || space == HunterLab ? 5 : 7; }

bool searchesByValue(ColorSpace space) { return isKnown(space) && space != CieLuv; }

Text findDifferenceLabel(ColorFormula formula) {
  switch (formula) {
    case Cie94: return Text::DeltaE94;
    case Cie2000: return Text::DeltaE00;
    case Cmc: return Text::DeltaECmc;
    default: return Text::DeltaEStar;
  }
}

std::array<Text, 3> findValueLabels(ColorSpace space) {
  const std::vector<Text> rows = valueLabelRows(space, false);
  std::array<Text, 3> labels{Text::None, Text::None, Text::None};
  for (std::size_t i = 0; i < labels.size() && i < rows.size(); ++i) labels[i] = rows[i];
  return labels;
}

std::optional<Lab> targetLab(ColorSpace space, Condition condition, const std::array<float, 3>& v) {
  switch (space) {
    case CieLab:
    case HunterLab:
    case WhitenessTint:
    case Yellowness: return makeLab(v[0], v[1], v[2]);
    case CieXyz:
    case CieRgb: {
      const std::optional<WhitePoint> white = whitePointOf(condition);
      if (!white) return std::nullopt;
      const Xyz xyz = space == CieXyz ? Xyz{v[0], v[1], v[2]} : cieRgbToXyz(v[0], v[1], v[2]);
      return xyzToLab(xyz, *white);
    }
    default: return std::nullopt;
  }
}

float findDifference(ColorFormula formula, const Lab& target, const Lab& record,
                     const ParametricFactors& k) {
  switch (formula) {
    case Cie94: return cie94Difference(target, record, k).total;
    case Cie2000: return cie2000Difference(target, record, k).total;
    case Cmc: return cmcDifference(target, record, k).total;
    default: return cie1976Difference(target, record);
  }
}

std::vector<FoundRecord> searchByValue(const Job& job, RecordList list, const Lab& target,
                                       float limit, const ParametricFactors& k) {
  std::vector<FoundRecord> found;
  const Condition condition = job.condition(0);
  const auto& records = job.records(list);
  for (std::size_t j = 0; j < records.size(); ++j) {
    const std::optional<Lab> lab = recordLab(records[j], condition);
    if (!lab) continue;
    const float d = findDifference(job.colorFormula, target, *lab, k);
    // A NaN difference is no hit: it is not "less than or equal".
    if (d <= limit) found.push_back({int(j), d});
  }
  return found;
}

void FindResults::clear() {
  rows_.clear();
  marked_ = -1;
}

void FindResults::add(FindHit hit, bool current) {
  if (current) marked_ = int(rows_.size());
  rows_.push_back(std::move(hit));
}

bool FindResults::mark(int row) {
  if (row < 0 || row >= rowCount() || row == marked_) return false;
  const std::string marker = kCurrentMarker;
  if (marked_ >= 0) {
    std::vector<std::string>& texts = rows_[std::size_t(marked_)].texts;
    if (!texts.empty() && texts[0].starts_with(marker)) texts[0].erase(0, marker.size());
  }
  std::vector<std::string>& texts = rows_[std::size_t(row)].texts;
  if (texts.empty()) texts.emplace_back();
  texts[0] = marker + texts[0];
  marked_ = row;
  return true;
}

void FindResults::sortBy(int column, bool ascending) {
  if (column < 0) return;
  const auto cell = [&](const FindHit& h) -> const std::string& {
    static const std::string none;
    return std::size_t(column) < h.texts.size() ? h.texts[std::size_t(column)] : none;
  };
  // The sort values are read once per row.
  std::vector<double> numbers(rows_.size());
  std::vector<std::u16string> texts;
  if (column == 1) texts.resize(rows_.size());
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    if (column == 0)
      numbers[r] = rows_[r].record;
    else if (column == 1)
      texts[r] = utf8ToUtf16(cell(rows_[r]));
    else
      numbers[r] = cell(rows_[r]) == kNoValueText ? NAN : parseNumber(cell(rows_[r]));
  }
  const auto compare = [&](std::size_t a, std::size_t b) {
    if (column == 1) return texts[a].compare(texts[b]);
    const double x = numbers[a], y = numbers[b];
    return x < y ? -1 : x > y ? 1 : 0;
  };
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), std::size_t(0));
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    // "--" sorts after every number in both directions: an order, unlike
    // comparing it equal to everything.
    if (column > 1) {
      const bool na = std::isnan(numbers[a]), nb = std::isnan(numbers[b]);
      if (na != nb) return nb;
      if (na) return false;
    }
    const int c = compare(a, b);
    return ascending ? c < 0 : c > 0;
  });
  std::vector<FindHit> sorted;
  sorted.reserve(rows_.size());
  int marked = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (int(order[i]) == marked_) marked = int(i);
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_ = std::move(sorted);
  marked_ = marked;
}

std::vector<std::string> findHeadings(const RecordListRows& rows, const Job& job, FindMode mode) {
  std::vector<std::string> headings;
  const int n = std::min(copiedColumnCount(job.colorSpace), rows.columnCount());
  for (int c = 0; c < n; ++c) headings.push_back(rows.heading(c, false));
  if (mode == FindMode::ByValue)
    headings.push_back(LookupText(findDifferenceLabel(job.colorFormula)));
  return headings;
}

namespace {
FindHit hitOf(const RecordListRows& rows, int row, int columns) {
  FindHit hit;
  hit.record = rows.recordAt(row);
  for (int c = 0; c < columns; ++c) hit.texts.push_back(rows.cellText(row, c));
  return hit;
}

char16_t lowerLetter(char16_t c) {
  if (c >= u'A' && c <= u'Z') return char16_t(c + 32);
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F))
    return char16_t(c + 32);
  if (c >= 0x400 && c <= 0x40F) return char16_t(c + 80);
  // Latin Extended-A pairs upper and lower case as even and odd code points,
  // except in 0x138..0x148 and 0x179..0x17E, where the upper letter is odd.
  if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
    return char16_t(c | 1);
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
    return (c & 1) ? char16_t(c + 1) : c;
  if (c == 0x178) return 0xFF;
  if (c >= 0xFF21 && c <= 0xFF3A) return char16_t(c + 32);
  return c;
}
}  // namespace

std::u16string lowerCased(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = lowerLetter(c);
  return out;
}

void findByName(const RecordListRows& rows, std::string_view keyword, FindResults& results) {
  results.clear();
  const Job& job = rows.job();
  const int columns = std::min(copiedColumnCount(job.colorSpace), rows.columnCount());
  const std::u16string key = lowerCased(utf8ToUtf16(keyword));
  const auto& records = job.records(rows.list());
  for (int r = 0; r < rows.rowCount(); ++r) {
    const int record = rows.recordAt(r);
    const std::u16string name = lowerCased(utf8ToUtf16(records[std::size_t(record)].nameUtf8()));
    if (name.find(key) == std::u16string::npos) continue;
    results.add(hitOf(rows, r, columns), rows.isCurrentRow(r));
  }
}

int findByValue(const RecordListRows& rows, const Job& job,
                const std::array<std::string, 4>& fields, const ParametricFactors& k,
                FindResults& results) {
  results.clear();
  std::array<float, 4> values{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!isPlainNumber(fields[i])) return int(i);
    values[i] = float(parseNumber(fields[i]));
  }
  const std::optional<Lab> target =
      searchesByValue(job.colorSpace)
          ? targetLab(job.colorSpace, job.condition(0), {values[0], values[1], values[2]})
          : std::nullopt;
  if (!target) return -1;
  const int columns = std::min(copiedColumnCount(job.colorSpace), rows.columnCount());
  for (const FoundRecord& f : searchByValue(job, rows.list(), *target, values[3], k)) {
    const int row = rows.rowOf(f.record);
    if (row < 0) continue;
    FindHit hit = hitOf(rows, row, columns);
    hit.texts.push_back(fixedText(f.difference, job.DataAccuracy));
    results.add(std::move(hit), rows.isCurrentRow(row));
  }
  return -1;
}

}  // namespace corvana
