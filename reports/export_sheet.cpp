#include "reports/export_sheet.h"

#include "colour/spectral.h"
#include "core/cell_text.h"
#include "core/job.h"
#include "core/language_table.h"
#include "core/number_text.h"
#include "core/value_labels.h"
#include "reports/condition_line.h"

namespace corvana {

namespace {

// Reflectances as the lists and reports show them: "%6.*f" of the percentage.
constexpr int kReflectanceWidth = 6;

class SheetWriter {
 public:
  explicit SheetWriter(std::vector<SheetCell>& cells) : cells_(cells) {}

  void text(int row, int column, std::string text) {
    cells_.push_back({row, column, std::move(text)});
  }
  // A "%.*f" text is a number; "--" and any other text stays a text.
  void number(int row, int column, std::string text, int decimals, int width = 0,
              bool percent = false) {
    const bool isNumber = text.find_first_of("0123456789") != std::string::npos &&
                          text.find("--") == std::string::npos;
    cells_.push_back({row, column, std::move(text), isNumber, decimals, width, percent});
  }

 private:
  std::vector<SheetCell>& cells_;
};

std::vector<std::string> labels(const std::vector<Text>& rows, int count) {
  std::vector<std::string> out;
  for (int k = 0; k < count; ++k)
    out.push_back(std::size_t(k) < rows.size() ? LookupText(rows[std::size_t(k)]) : std::string());
  return out;
}

// "Standard" / "Sample", the labels, the wavelengths; returns the rows written.
int writeHeader(SheetWriter& out, int r0, Text title, const std::vector<std::string>& rowLabels) {
  int row = r0;
  out.text(row++, 1, LookupText(title));
  for (const std::string& label : rowLabels) out.text(row++, 1, label);
  for (int i = 0; i < kCurvePoints; ++i) {
    const int nm = wavelengthOf(i);
    out.number(row++, 1, std::to_string(nm), 0);
  }
  return row - r0;
}

void writeReflectances(SheetWriter& out, const Job& job, const MeasurementRecord& record, int row,
                       int column) {
  for (int i = 0; i < kCurvePoints; ++i) {
    if (!record.UseReflect) {
      out.text(row + i, column, std::string(kNoValueText));
      continue;
    }
    out.number(row + i, column,
               formatFixed(double(record.reflectance[std::size_t(i)] * 100.0f), job.DataAccuracy,
                           kReflectanceWidth),
               job.DataAccuracy, kReflectanceWidth);
  }
}

bool isPosition(int position, int count) { return position >= 0 && position < count; }

// Whether difference slot k of the job's formula is a percentage or a grade
// rather than a plain number.
bool isPercentSlot(const Job& job, int k, int D) {
  return job.colorFormula == ColorStrength && k >= D - 2;
}
bool isGradeSlot(const Job& job, int k, int D) {
  return (job.colorFormula == ColorFastness || job.colorFormula == StainingFastness) && k == D - 1;
}

}  // namespace

std::vector<int> exportedStandards(const Job& job, std::vector<int> selectedInListOrder) {
  if (!selectedInListOrder.empty()) return selectedInListOrder;
  if (job.hasCurrentStandard()) return {job.currentStandard};
  return {};
}

std::vector<int> exportedSamples(std::vector<int> selectedInListOrder,
                                 std::vector<int> shownInListOrder) {
  return selectedInListOrder.empty() ? shownInListOrder : selectedInListOrder;
}

int standardHeaderRows(const Job& job) {
  if (!job.table.entryFor(job.illuminants[0])) return 0;
  return 1 + valueCount(job.colorSpace) + kCurvePoints;
}

std::vector<SheetCell> exportSheetCells(const Job& job, std::span<const int> standards,
                                        std::span<const int> samples) {
  std::vector<SheetCell> cells;
  SheetWriter out(cells);
  out.text(1, 1, testConditionLine(job));
  if (!job.table.entryFor(job.illuminants[0])) return cells;

  const int C = valueCount(job.colorSpace);
  const int D = differenceCount(job.colorSpace, job.colorFormula);
  const int decimals = job.DataAccuracy;
  const std::vector<std::string> values = labels(valueLabelRows(job.colorSpace, false), C);
  const std::vector<std::string> differences =
      labels(differenceLabelRows(job.colorSpace, job.colorFormula, false), D);

  cells.reserve(std::size_t(1 + (1 + C + kCurvePoints) * (1 + int(standards.size())) +
                            (1 + C + D + kCurvePoints) * (1 + int(samples.size()))));
  const int r0 = kSheetStandardRow;
  const int H = writeHeader(out, r0, Text::Standard, values);
  int column = 2;
  for (const int s : standards) {
    if (!isPosition(s, job.standardCount())) continue;
    out.text(r0, column, job.standard(s).nameUtf8());
    for (int v = 0; v < C; ++v)
      out.number(r0 + 1 + v, column, valueCellText(job, RecordList::Standards, s, v), decimals);
    writeReflectances(out, job, job.standard(s), r0 + 1 + C, column);
    ++column;
  }

  const int s0 = r0 + H + kSheetBlockGap;
  std::vector<std::string> sampleLabels = values;
  sampleLabels.insert(sampleLabels.end(), differences.begin(), differences.end());
  writeHeader(out, s0, Text::Sample, sampleLabels);
  column = 2;
  for (const int s : samples) {
    if (!isPosition(s, job.sampleCount())) continue;
    out.text(s0, column, job.sample(s).nameUtf8());
    for (int v = 0; v < C; ++v)
      out.number(s0 + 1 + v, column, valueCellText(job, RecordList::Samples, s, v), decimals);
    for (int k = 0; k < D; ++k) {
      const int row = s0 + 1 + C + k;
      std::string text = differenceCellText(job, s, k);
      if (isGradeSlot(job, k, D))
        out.text(row, column, std::move(text));
      else if (isPercentSlot(job, k, D))
        out.number(row, column, std::move(text), 2, 0, true);
      else
        out.number(row, column, std::move(text), decimals);
    }
    writeReflectances(out, job, job.sample(s), s0 + 1 + C + D, column);
    ++column;
  }
  return cells;
}

}  // namespace corvana
