#pragma once
// Writes sheet cells into an .xlsx workbook of one sheet: numbers as numbers
// shown as their texts are, everything else as text.
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "reports/export_sheet.h"

namespace corvana {

// Replaces `path` as a whole: the workbook is built aside and renamed into
// place, so no half-written file ever carries the name. On failure returns
// the reason ("<path>: <why>") and leaves `path` as it was.
std::optional<std::string> writeXlsx(const std::filesystem::path& path,
                                     std::span<const SheetCell> cells);

// The number format a number cell is shown with ("0.000", "?0.000",
// "0.00%"); empty for a text cell.
std::string xlsxNumberFormat(const SheetCell& cell);

}  // namespace corvana
