#pragma once
// Reports printed to a PDF file go through the one file writer: the pages are
// painted into a temporary beside the file, which must end with its trailer
// before it is renamed over the file. A full disk or a painter that stopped
// leaves the old file as it was.
#include <QPdfWriter>
#include <QPrinter>
#include <functional>
#include <string>

#include "core/file_io.h"

namespace corvana::ui {

// Paints onto a QPdfWriter of the temporary; `paint` sets the page up and
// returns false when nothing could be painted.
FileResult writePdfFile(const std::string& path, const std::function<bool(QPdfWriter&)>& paint);

// The same for a printer whose output is a PDF file (the print dialog's
// "Print to File"): `paint` prints onto the printer while its output names
// the temporary; the printer names the file again afterwards.
FileResult printToPdfFile(QPrinter& printer, const std::function<bool(QPrinter&)>& paint);

// True when `printer` writes a PDF file rather than to a printer or a preview.
bool printsToPdfFile(const QPrinter& printer);

}  // namespace corvana::ui
