#pragma once
// Colour values of a record in each colour space.
#include <cstdint>
#include <optional>

#include "colour/cielab.h"
#include "colour/color_space.h"
#include "colour/condition.h"
#include "colour/xyz.h"

namespace corvana {

struct MeasurementRecord;

// (u'n, v'n) of the CIELUV white.
struct LuvWhite {
  float un = 0, vn = 0;
};
// 0, 0 for a condition not in the list.
LuvWhite luvWhiteChromaticity(Condition condition);

// A record's colour under a condition.
struct RecordColor {
  ColorValues values{};  // the first valueCount(space); the rest, and all of an unknown space, 0
  std::uint32_t displayColor = 0;
  Lab lab;  // what recordLab gives for the record under the condition
};

// From the record's curve; empty when the condition has no table.
std::optional<RecordColor> computeColorValues(const MeasurementRecord& record, ColorSpace space,
                                              Condition condition);

// From the record's stored L*, a*, b*, taken to hold under this condition;
// empty when the condition has no table.
std::optional<RecordColor> computeColorValuesFromLab(const MeasurementRecord& record,
                                                     ColorSpace space, Condition condition);

// The values of a space from tristimulus values (shared by both paths);
// empty when the condition has no table.
std::optional<ColorValues> colorValuesFromXyz(const Xyz& xyz, ColorSpace space,
                                              Condition condition);

// Inverse of the CIE RGB conversion, for typing a target in RGB.
Xyz cieRgbToXyz(float R, float G, float B);

}  // namespace corvana
