#pragma once
// Language-table rows naming the value and difference slots of a colour space
// and formula, and the tolerance entries labelled after them.
#include <cstdint>
#include <vector>

#include "colour/tolerance.h"
#include "core/language_table.h"

namespace corvana {

// Label k names slot k.
std::vector<Text> valueLabelRows(std::int32_t space, bool shortForm);
std::vector<Text> differenceLabelRows(std::int32_t space, std::int32_t formula, bool shortForm);

// Relabels all entries for a (space, formula) pair; limits stay as they are.
void assignToleranceComponents(ToleranceTable& table, std::int32_t space, std::int32_t formula);

}  // namespace corvana
