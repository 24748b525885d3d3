#pragma once
// Sizes of the printed reports. Everything follows from the page height in
// device pixels: s = height / 3508 (an A4 page at 300 dpi has s = 1), the
// unit u = (int)(40 s), and font heights in pixels derived from u.
#include "plots/spectral_primitives.h"

namespace corvana {

constexpr int kPrintMargin = 100;           // device pixels, left, top and right
constexpr int kReferencePageHeight = 3508;  // A4 at 300 dpi

struct PrintMetrics {
  int width = 0, height = 0;  // the page in device pixels
  double s = 0;               // scale
  int u = 0;                  // unit

  // The colour-difference report's text height (int)(1.42 u) and title height (int)(1.95 u).
  int h() const { return int(u * 1.42); }
  int H() const { return int(u * 1.95); }
};

PrintMetrics printMetrics(int width, int height);

// A font of the interface face whose cell (line) is `height` pixels high.
// Printer fonts are asked for by cell height; the em of the faces we use is
// about 0.8 of it, which keeps a line of text inside a line of the page.
spectral::Font printFont(int height, bool bold = false);

// 0x00BBGGRR pen colours of the print plots, as ARGB.
constexpr std::uint32_t kPrintBlack = 0xFF000000;
constexpr std::uint32_t kPrintRed = spectral::argbFromBgr(0x000000FF);
constexpr std::uint32_t kPrintOlive = spectral::argbFromBgr(0x0000A8A8);
constexpr std::uint32_t kPrintBlue = spectral::argbFromBgr(0x00FF0000);
constexpr std::uint32_t kPrintGreen = spectral::argbFromBgr(0x0000FF00);
constexpr std::uint32_t kPrintStandardGreen = 0xFF008055;
constexpr std::uint32_t kPrintSampleBlue = 0xFF0000FF;

}  // namespace corvana
