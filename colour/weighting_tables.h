#pragma once
// The 36 tristimulus weighting tables (18 illuminants x 2 observers).
#include <span>

#include "colour/white_point.h"

namespace corvana {

constexpr int kWeightRows = 61;

struct WeightingTable {
  Illuminant illuminant = D65;
  Observer observer = Observer2;
  WhitePoint white;
  // Rows 0..30 at 10 nm for codes 0..8 (31..60 zero); 0..60 at 5 nm for 9..17.
  float weights[kWeightRows][3] = {};
  int rowCount() const { return illuminant >= 9 ? 61 : 31; }
};

// The tables in stored order: D65, A, C, D50, D55, D75, F2, F7, F11, F1, F3,
// F4, F5, F6, F8, F9, F10, F12, each for observer 0 then 1.
std::span<const WeightingTable> weightingTables();

// Null when the condition has no table.
const WeightingTable* findWeightingTable(Condition condition);

}  // namespace corvana
