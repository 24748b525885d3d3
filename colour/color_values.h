#pragma once
// Colour values of a record in each colour space.
#include <cstdint>

#include "colour/color_space.h"

namespace corvana {

struct MeasurementRecord;
struct Lab;

// (u'n, v'n) of CIE LUV for a pair; 0, 0 for a pair not in the list.
void luvWhiteChromaticity(std::int32_t illuminant, std::int32_t observer, float& un, float& vn);

// From the record's curve. Returns false (values and colour untouched) when
// the pair has no table; spaces outside the list leave the values untouched.
// `lab`, when given, receives the record's CIELAB under the condition (what
// recordLab gives for a record with a curve).
bool computeColorValues(const MeasurementRecord& record, std::int32_t space,
                        std::int32_t illuminant, std::int32_t observer, ColorValues& values,
                        std::uint32_t& displayColor, Lab* lab = nullptr);

// From the record's stored L*, a*, b*, taken to hold under this condition.
bool computeColorValuesFromLab(const MeasurementRecord& record, std::int32_t space,
                               std::int32_t illuminant, std::int32_t observer,
                               ColorValues& values, std::uint32_t& displayColor);

// The values of a space from tristimulus values (shared by both paths).
void colorValuesFromXyz(float X, float Y, float Z, std::int32_t space, std::int32_t illuminant,
                        std::int32_t observer, ColorValues& values);

// Inverse of the CIE RGB conversion, for typing a target in RGB.
void cieRgbToXyz(float R, float G, float B, float& X, float& Y, float& Z);

}  // namespace corvana
