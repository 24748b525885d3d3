#pragma once
// The opacity report as a word-processor document: the header paragraphs,
// the test condition, the legend-and-plot picture and the test data in
// table 1, the instrument and signatures in table 2; saved as a .docx.
#include <ctime>
#include <filesystem>
#include <vector>

#include "reports/opacity/opacity_rule.h"
#include "reports/word_report.h"

namespace corvana {

class WordAutomation;

constexpr const char* kOpacityTemplateName = "opacity";
// The picture's place in table 1 and its size: 400 x 300 pixels at 96 dpi.
constexpr double kOpacityPictureWidthPt = 300, kOpacityPictureHeightPt = 225;

// Fills an opened opacity template. `png` is the legend-and-plot picture;
// without one (or with bytes that are no PNG) the report has none.
// False with the document's error on failure.
bool fillOpacityReport(WordAutomation& doc, const OpacityReport& report, const std::tm& now,
                       const std::vector<unsigned char>& png);

// The whole run: find and open the template, fill it, save it as `path`.
WordReportResult writeOpacityReport(const OpacityReport& report,
                                    const std::vector<unsigned char>& png,
                                    const TemplateLocationInputs& templates,
                                    const std::filesystem::path& path, const std::tm& now);

// <documents>/OpacityYYYYMMDD-hhmm.docx, or "... (2).docx" and on when a
// report of that minute is there already.
std::filesystem::path opacityReportPath(const std::filesystem::path& documents, const std::tm& now);

}  // namespace corvana
