#include "plots/plot_cell.h"

#include "colour/cielab.h"
#include "core/cell_text.h"
#include "core/color_direction_text.h"
#include "core/job.h"
#include "core/language_table.h"
#include "core/number_text.h"
#include "plots/chroma_colors.h"
#include "plots/chroma_context.h"

namespace corvana {

namespace {

float valueAt(const std::vector<float>& column, int i) {
  return i >= 0 && std::size_t(i) < column.size() ? column[std::size_t(i)] : 0.0f;
}

std::uint32_t colorAt(const std::vector<std::uint32_t>& colors, int i) {
  return i >= 0 && std::size_t(i) < colors.size() ? colors[std::size_t(i)] : 0u;
}

void setText(PlotCells& cells, int row, int column, std::string text, std::uint32_t color) {
  PlotCell& cell = cells[std::size_t(cellIndex(row, column))];
  cell.text = std::move(text);
  cell.color = color;
  cell.kind = TextCell;
}

void setFilled(PlotCells& cells, int row, int column, std::uint32_t color) {
  PlotCell& cell = cells[std::size_t(cellIndex(row, column))];
  cell.text.clear();
  cell.color = color;
  cell.kind = FilledCell;
}

// The difference label; the colour-strength formula names the wavelength of
// the standard's maximum absorption after "StrMaxAbs".
std::string differenceLabel(const Job& job, Text label) {
  const std::string& text = LookupText(label);
  if (job.colorFormula == ColorStrength && label == Text::StrengthAtMaxAbsorption &&
      job.minimumReflectanceIndex != kNoMinimumReflectance)
    return fillPlaceholders("%s(%d)", {text, 400 + 10 * int(job.minimumReflectanceIndex)});
  return text;
}

void fillGroup(const Job& job, const IlluminantColorValues& entry, int slot, PlotCells& cells) {
  const int labelColumn = 3 * slot, standardColumn = labelColumn + 1,
            sampleColumn = labelColumn + 2;
  const bool standard = job.hasCurrentStandard(), sample = hasCurrentSample(job);
  const int C = job.table.valueArrayCount(), D = job.table.differenceArrayCount();
  const Condition condition = job.condition(slot);
  const bool standardUsable = standard && isEvaluable(job.standard(job.currentStandard), condition);
  const bool sampleUsable = sample && isEvaluable(job.sample(job.currentSample), condition);

  int row = 0;
  for (int i = 0; i < C; ++i, ++row) {
    if (std::size_t(i) < job.table.componentLabels.size())
      setText(cells, row, labelColumn, LookupText(job.table.componentLabels[std::size_t(i)]),
              chroma::kBlack);
    if (standard)
      setText(cells, row, standardColumn,
              valueCellText(job, RecordList::Standards, job.currentStandard, i, slot),
              chroma::kStandardGreen);
    if (sample)
      setText(cells, row, sampleColumn,
              valueCellText(job, RecordList::Samples, job.currentSample, i, slot),
              chroma::kSampleBlue);
  }
  ++row;
  for (int i = 0; i < D; ++i, ++row) {
    if (std::size_t(i) < job.table.differenceLabels.size())
      setText(cells, row, labelColumn,
              differenceLabel(job, job.table.differenceLabels[std::size_t(i)]),
              chroma::kDifferenceMagenta);
    // differenceCellText shows "--" unless both records are usable, and for
    // the curve-only differences unless both carry curves.
    if (standard && sample)
      setText(cells, row, sampleColumn, differenceCellText(job, job.currentSample, i, slot),
              chroma::kDifferenceMagenta);
  }
  ++row;
  setText(cells, row, labelColumn, LookupText(Text::JudgeResult), chroma::kDifferenceMagenta);
  if (standard && sample)
    setText(cells, row, sampleColumn, gradeCellText(job, job.currentSample, slot),
            chroma::kDifferenceMagenta);
  ++row;
  setText(cells, row, labelColumn, LookupText(Text::ColorSimulation), chroma::kDifferenceMagenta);
  for (int r = row; r < row + 2; ++r) {
    if (standardUsable)
      setFilled(cells, r, standardColumn, colorAt(entry.standardColors, job.currentStandard));
    if (sampleUsable)
      setFilled(cells, r, sampleColumn, colorAt(entry.sampleColors, job.currentSample));
  }
  row += 2;
  if (showsColorDirection(job) && standardUsable && sampleUsable) {
    const int s = job.currentSample, t = job.currentStandard;
    setText(cells, row, sampleColumn,
            colorDirectionText(
                valueAt(entry.sampleDifferences[0], s), valueAt(entry.sampleDifferences[1], s),
                valueAt(entry.sampleDifferences[2], s), valueAt(entry.standardValues[1], t),
                valueAt(entry.standardValues[2], t)),
            chroma::kSampleBlue);
  }
}

}  // namespace

bool showsColorDirection(const Job& job) {
  return job.colorSpace == CieLab || job.colorSpace == WhitenessTint ||
         job.colorSpace == Yellowness;
}

int groupRowCount(const Job& job) {
  return job.table.valueArrayCount() + job.table.differenceArrayCount() + 5 +
         (showsColorDirection(job) ? 1 : 0);
}

bool buildCells(const Job& job, int illuminantGroups, PlotCells& cells) {
  if (!job.table.entryFor(job.illuminants[0])) return false;
  for (PlotCell& cell : cells) cell.text.clear(), cell.kind = TextCell;
  const int groups = illuminantGroups < 0 ? 0 : illuminantGroups > 2 ? 2 : illuminantGroups;
  for (int slot = 0; slot <= groups; ++slot)
    if (const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[slot]))
      fillGroup(job, *entry, slot, cells);
  return true;
}

}  // namespace corvana
