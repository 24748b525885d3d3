#include "core/color_direction_text.h"

#include "colour/indices.h"
#include "core/language_table.h"

namespace corvana {

std::string colorDirectionText(float dL, float da, float db, float standardA, float standardB) {
  const ColorDirection direction = colorDirection(dL, da, db, standardA, standardB);
  std::string text;
  auto append = [&](Text row) {
    if (!text.empty()) text += ", ";
    text += LookupText(row);
  };
  // Each direction's texts "++", "+", "--", "-" follow its first row; the step picks one.
  if (const auto& a = direction.redGreen)
    append(sequenceText(a->oppositeColour ? Text::GreenPlusPlus : Text::RedPlusPlus, int(a->step)));
  if (const auto& b = direction.yellowBlue)
    append(
        sequenceText(b->oppositeColour ? Text::BluePlusPlus : Text::YellowPlusPlus, int(b->step)));
  if (direction.lightness) append(sequenceText(Text::LightnessPlusPlus, int(*direction.lightness)));
  return text;
}

}  // namespace corvana
