#pragma once
// What a list cell's colour says, without saying which colour: the window
// picks colours that read on its own palette.
#include <optional>

#include "colour/judgement.h"

namespace corvana {

enum class CellTone { Plain, Good, Warning, Bad };

// Level 1 good, Level 2 a warning, NG bad; no grade ("--") plain.
CellTone gradeTone(std::optional<Grade> grade);

}  // namespace corvana
