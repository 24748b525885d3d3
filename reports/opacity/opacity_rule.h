#pragma once
// The opacity of a coating measured over a white and over a black base, and
// the texts, colours and curves that the dialog, the printed page and the
// word-processor report all show for it.
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/language_table.h"
#include "plots/reflectance_plot_static.h"

namespace corvana {

class Job;

// One base: the chosen sample's position (-1 none) and its tristimulus
// values under the job's primary illuminant, when it carries a curve.
struct OpacitySide {
  int index = -1;
  float x = 0, y = 0, z = 0;
  bool hasTristimulus = false;
};

enum class OpacityBase { White = 0, Black = 1 };

// How each base is drawn and named (legend, curve, report rows).
struct OpacityBaseStyle {
  Text text;
  std::uint32_t bgr;  // 0x00BBGGRR
  int penStyle;
  int penWidth;
};
const OpacityBaseStyle& opacityBaseStyle(OpacityBase base);

// The side for the sample at `position`; -1 or a position outside the
// job's samples gives an empty side.
OpacitySide opacitySideFor(const Job& job, int position);

// Y(black) / Y(white) x 100, the quotient taken in single precision. Empty
// unless both sides have tristimulus values and the quotient is neither
// negative nor NaN; a white Y of 0 under a lighter black gives +infinity.
std::optional<double> opacityPercent(const OpacitySide& white, const OpacitySide& black);

// "57%" with dataAccuracy - 2 decimals (never fewer than none); "--" for an
// infinite opacity, a value no coating has; empty when there is none.
std::string opacityText(std::optional<double> opacity, int dataAccuracy);
// "Opacity: 57%", or "Opacity:" when there is none, in the current language.
std::string opacityLine(std::optional<double> opacity, int dataAccuracy);

// The C value texts of the sample under the primary illuminant ("%.*f",
// DataAccuracy decimals, the table's stored value); C empty texts for -1.
std::vector<std::string> opacityValueTexts(const Job& job, int position);
// The short value labels of the job's colour space (the report tables' head).
std::vector<std::string> opacityValueLabels(const Job& job);
// The long ones (the dialog's captions).
std::vector<std::string> opacityValueCaptions(const Job& job);

// The sample's display colour as 0x00BBGGRR; empty for no sample.
std::optional<std::uint32_t> opacitySwatchBgr(const Job& job, int position);

// The base's curve of the sample (its stored reflectances); null for none.
std::unique_ptr<spectral::ReflectancePlotCurve> opacityCurve(const Job& job, int position,
                                                             OpacityBase base);

// "Illuminant: D65; Observer Angle: 10°; Color Space: CIE LAB, LCh": the
// colour-space item always names CIE LAB, which the opacity is judged in.
std::string opacityConditionText(const Job& job);

// The face of the opacity line and of both reports by language: "Arial",
// "微软雅黑", "PMingLiU"; empty (the system's default GUI face) otherwise.
std::string opacityFontFace(int languageIndex);

// "2026-12-10 23:10:05", the reports' date line.
std::string opacityDateTimeText(const std::tm& localTime);

// "Opacity20261210-2310.docx" for the local time.
std::string opacityDocumentName(const std::tm& localTime);

// Everything both reports show, taken once from the job and the two sides.
struct OpacityReport {
  const Job* job = nullptr;
  OpacitySide white, black;
  std::optional<double> opacity;
  std::string opacityText;
  std::string condition;
  std::string fontFace;
  std::vector<std::string> valueLabels;  // C short labels
  std::vector<std::string> whiteValues, blackValues;
  std::optional<spectral::ReflectancePlotCurve> whiteCurve, blackCurve;

  int valueCount() const { return int(valueLabels.size()); }
  // The curves of the picture, white then black, the missing ones left out.
  std::vector<const spectral::ReflectancePlotCurve*> curves() const;
};

// For the samples at the two positions (-1 for none), in the current language.
OpacityReport makeOpacityReport(const Job& job, int white, int black);

}  // namespace corvana
