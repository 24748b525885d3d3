#pragma once
// `report print`: the printed reports of a job file written as a PDF, drawn
// by the same page code the job window prints with, without a display.
#include <memory>
#include <string>
#include <string_view>

#include "core/language_table.h"

class QGuiApplication;

namespace corvana::cli {

// Fonts and painting need a GUI application; without a display the
// offscreen platform serves. Null when one exists already.
std::unique_ptr<QGuiApplication> ensureGuiApplication();

// kind "diff": the colour-difference report of the file's current standard
// and sample; "cumulative": the cumulative report of every sample in record
// order. Writes an A4 PDF at 300 dpi to `outPdfPath` through a temporary file
// beside it, so a failed run leaves no partial file. 0 on success; 1 with a
// message on stderr when the job cannot be read or the PDF not written; 2
// for an unknown kind.
int runPrintReport(std::string_view kind, const std::string& jobPath, const std::string& outPdfPath,
                   Language language);

}  // namespace corvana::cli
