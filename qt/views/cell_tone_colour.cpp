#include "qt/views/cell_tone_colour.h"

namespace corvana {

QColor toneColour(CellTone tone, const QPalette& palette) {
  const bool dark = palette.color(QPalette::Active, QPalette::Base).lightness() < 128;
  switch (tone) {
    case CellTone::Good: return dark ? QColor(0x6C, 0xD8, 0x6C) : QColor(0x1B, 0x7A, 0x1B);
    case CellTone::Warning: return dark ? QColor(0xFF, 0xC0, 0x4D) : QColor(0x9A, 0x5E, 0x00);
    case CellTone::Bad: return dark ? QColor(0xFF, 0x6E, 0x6E) : QColor(0xC0, 0x1F, 0x1F);
    case CellTone::Plain: break;
  }
  return {};
}

}  // namespace corvana
