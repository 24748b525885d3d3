#pragma once
// The colour of a cell tone on a palette: darker shades on a light list,
// lighter ones on a dark list, so the text reads in both themes.
#include <QColor>
#include <QPalette>

#include "core/cell_tone.h"

namespace corvana {

// No colour (the list's own text colour) for a plain cell.
QColor toneColour(CellTone tone, const QPalette& palette);

}  // namespace corvana
