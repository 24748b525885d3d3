#include "plots/chroma_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/job.h"

namespace corvana {

namespace {

// Decodes one UTF-8 sequence at `i`, advancing past it; a malformed byte is
// one character of its own.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(s[i]);
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t cp = extra == 3   ? lead & 0x07
                : extra == 2 ? lead & 0x0F
                : extra == 1 ? lead & 0x1F
                             : lead;
  ++i;
  for (; extra > 0 && i < s.size(); --extra, ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if ((c & 0xC0) != 0x80) break;
    cp = (cp << 6) | (c & 0x3F);
  }
  return cp;
}

}  // namespace

double textWeight(std::string_view utf8) {
  double weight = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = nextCodePoint(utf8, i);
    weight += 1.0;
    if (cp >= 0x4E00 && cp <= 0x9FBF) weight += 0.85;
  }
  return weight;
}

int fontPointSize(FontRole font, float F) {
  double factor = 0.72;
  switch (font) {
    case FontRole::Table: factor = 0.72; break;
    case FontRole::PlotLabel: factor = 0.75; break;
    case FontRole::GridLabel: factor = 0.53; break;
    case FontRole::WavelengthLabel: factor = 0.41; break;
  }
  return std::uint16_t(int(factor * F));
}

ChromaLayout layoutCells(const PlotCells& cells, const ChromaLayoutInput& input,
                         const TextMeasure& measure) {
  ChromaLayout out;
  const int n = std::clamp(input.columns, 1, kPlotColumns);
  const double W = input.width, H = input.height;

  // The heaviest text of each column is the one measured for its width; d,
  // the weight of the heaviest row, sizes the width-based unit.
  std::array<const std::string*, kPlotColumns> longest{};
  std::array<double, kPlotColumns> heaviest{};
  double d = 0;
  for (int r = 0; r < kPlotRows; ++r) {
    double row = 0;
    for (int c = 0; c < n; ++c) {
      const std::string& text = cells[std::size_t(cellIndex(r, c))].text;
      const double w = textWeight(text);
      row += w;
      if (!longest[std::size_t(c)] || w > heaviest[std::size_t(c)])
        longest[std::size_t(c)] = &text, heaviest[std::size_t(c)] = w;
    }
    d = std::max(d, row);
  }

  const double hf = H / (input.rows + 4.2);
  double wf, side = 0;
  if (input.plotMode) {
    side = std::min(std::uint16_t(int(W / 2.4)), std::uint16_t(int(0.85 * H)));
    wf = (W - side) / (d + 8.5);
  } else {
    wf = W / (0.7 * n + d) + d / 38;
  }
  float F = float(std::min(hf, wf));
  out.plotSide = std::uint16_t(side);
  if (input.plotMode) {
    // A window too low for the plot leaves no plot rather than a wrapped size.
    const int room = std::max(0, int(H - 5.1 * F));
    out.plotSide = std::min(out.plotSide, std::uint16_t(room));
    out.barWidth = std::uint16_t(int(6 * F));
  }
  const int points = fontPointSize(FontRole::Table, F);
  int sum = 0;
  for (int c = 0; c < n; ++c) {
    const double pixels =
        longest[std::size_t(c)] ? measure(*longest[std::size_t(c)], FontRole::Table, points) : 0.0;
    out.columnWidths[std::size_t(c)] = std::uint16_t(int(pixels + 0.75 * F));
    sum += out.columnWidths[std::size_t(c)];
  }
  // When the width limited F, spread a large spare width over the columns
  // and let the text grow with it, but never beyond the height-based unit.
  if (hf > wf && d > 0) {
    const double spare = W - (out.plotSide + sum + out.barWidth + 50);
    if (std::abs(spare) > 50) {
      for (int c = 0; c < n; ++c) out.columnWidths[std::size_t(c)] += int(spare / n);
      F = float(std::min(double(F) + spare / d, hf));
    }
  }
  out.F = F;
  return out;
}

ChromaLayoutInput layoutInputFor(const Job& job, int illuminantGroups, int width, int height) {
  const int groups = std::clamp(illuminantGroups, 0, 2);
  return {width, height, 3 * (groups + 1), groupRowCount(job),
          groups == 0 && job.colorSpace != CieRgb};
}

}  // namespace corvana
