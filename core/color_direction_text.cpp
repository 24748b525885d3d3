#include "core/color_direction_text.h"

#include "colour/indices.h"
#include "core/language_table.h"

namespace corvana {

namespace {
// First rows of "R++", "R+", "R--", "R-" and of the same for G, Y and B.
constexpr int kRedRow = 410, kGreenRow = 414, kYellowRow = 418, kBlueRow = 422;
constexpr int kLighterRow = 426;  // "L++"; "L+", "L--", "L-" follow
}  // namespace

std::string colorDirectionText(float dL, float da, float db, float standardA, float standardB) {
  const ColorDirection direction = colorDirection(dL, da, db, standardA, standardB);
  std::string text;
  auto append = [&](int row) {
    if (!text.empty()) text += ", ";
    text += LookupText(row);
  };
  if (const auto& a = direction.redGreen)
    append((a->oppositeColour ? kGreenRow : kRedRow) + int(a->step));
  if (const auto& b = direction.yellowBlue)
    append((b->oppositeColour ? kBlueRow : kYellowRow) + int(b->step));
  if (direction.lightness) append(kLighterRow + int(*direction.lightness));
  return text;
}

}  // namespace corvana
