#include "reports/print_layout.h"

#include <algorithm>

namespace corvana {

PrintMetrics printMetrics(int width, int height) {
  PrintMetrics m;
  m.width = width;
  m.height = height;
  m.s = double(height) / kReferencePageHeight;
  m.u = int(m.s * 40);
  return m;
}

spectral::Font printFont(int height, bool bold) {
  spectral::Font font;
  font.face = spectral::FontFace::UserInterface;
  font.unit = spectral::FontUnit::Pixels;
  font.size = std::max(0, height) * 0.8;
  font.bold = bold;
  return font;
}

}  // namespace corvana
