#pragma once
// The plot of the word-processor colour-difference report, drawn as line
// shapes over the template's diagram shapes: the difference square or the
// xy diagram, the component bar and the reflectance panel.
namespace corvana {

class Job;
class WordAutomation;

// Word colours (0x00BBGGRR) of the report's plot.
namespace word_plot {
constexpr unsigned kStandardGreen = 0x00558000;
constexpr unsigned kSampleBlue = 0x00FF0000;
constexpr unsigned kToleranceRed = 0x000000FF;
constexpr unsigned kWarningYellow = 0x0000FFFF;
constexpr unsigned kAxisGreen = 0x0000FF00;
constexpr unsigned kBlack = 0x00000000;
constexpr unsigned kWhite = 0x00FFFFFF;
constexpr double kMarkerWeight = 2.8;
}  // namespace word_plot

// Each returns false only on a document error; a missing shape skips its part.
bool drawDifferenceSquare(WordAutomation& doc, const Job& job, int shape, int labelTable);
bool drawXyMarkers(WordAutomation& doc, const Job& job, int shape);
bool drawComponentBar(WordAutomation& doc, const Job& job, int shape, int labelTable);
bool drawReflectancePanel(WordAutomation& doc, const Job& job, int shape, int legendTable);

}  // namespace corvana
