#pragma once
// Language-table rows naming the value and difference slots of a colour space
// and formula, and the tolerance entries labelled after them.
#include <cstdint>
#include <vector>

#include "colour/color_space.h"
#include "colour/tolerance.h"
#include "core/language_table.h"

namespace corvana {

// Label k names slot k.
std::vector<Text> valueLabelRows(ColorSpace space, bool shortForm);
std::vector<Text> differenceLabelRows(ColorSpace space, ColorFormula formula, bool shortForm);

// Relabels all entries for a (space, formula) pair; limits stay as they are.
void assignToleranceComponents(ToleranceTable& table, ColorSpace space, ColorFormula formula);

}  // namespace corvana
