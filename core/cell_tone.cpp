#include "core/cell_tone.h"

namespace corvana {

CellTone gradeTone(std::optional<Grade> grade) {
  if (!grade) return CellTone::Plain;
  switch (*grade) {
    case Level1: return CellTone::Good;
    case Level2: return CellTone::Warning;
    case NoGood: return CellTone::Bad;
  }
  return CellTone::Plain;
}

}  // namespace corvana
