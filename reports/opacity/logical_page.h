#pragma once
// A page drawn in logical units of 1/96 inch and replayed in a printer's
// pixels: the same picture at every resolution.
#include "plots/spectral_primitives.h"

namespace corvana {

constexpr int kLogicalPerInch = 96;

// Logical (x, y) is device (originX + x · dpiX / 96, originY + y · dpiY / 96).
struct LogicalMapping {
  int dpiX = kLogicalPerInch, dpiY = kLogicalPerInch;
  int originX = 0, originY = 0;

  int x(int logical) const;
  int y(int logical) const;
  double x(double logical) const;
  double y(double logical) const;
  // Both edges mapped, so boxes that share an edge still share it.
  spectral::Rect rect(const spectral::Rect& logical) const;
  // Font heights and pen widths follow the vertical resolution.
  double scale() const { return double(dpiY) / kLogicalPerInch; }
};

// Every primitive of a logical list in device pixels; the result's update
// box is the mapped one of the logical list.
spectral::DrawList toDevice(const spectral::DrawList& logical, const LogicalMapping& mapping);

// A font's logical size in device pixels.
spectral::Font deviceFont(const spectral::Font& logical, const LogicalMapping& mapping);

// Logical widths measured in device pixels and mapped back (rounded up), so
// a layout in logical units fits the text as the device draws it.
spectral::TextWidth logicalTextWidth(spectral::TextWidth deviceWidth, LogicalMapping mapping);

}  // namespace corvana
