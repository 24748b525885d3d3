#include "reports/xlsx_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>
#include <system_error>
#include <tuple>

#include "core/file_io.h"

namespace corvana {

namespace {

std::string decimalsFormat(int decimals) {
  return decimals > 0 ? "0." + std::string(std::size_t(decimals), '0') : "0";
}

std::size_t leadingBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? text.size() : first;
}

// The number a cell's text shows, read without the locale: the text was
// written with "%f", whose decimal point a locale may have made a comma.
std::optional<double> cellNumber(const SheetCell& cell) {
  std::string digits = cell.text.substr(leadingBlanks(cell.text));
  if (cell.percent) {
    if (digits.empty() || digits.back() != '%') return std::nullopt;
    digits.pop_back();
  }
  for (char& c : digits)
    if (c == ',') c = '.';
  double value = 0;
  const char* end = digits.data() + digits.size();
  const auto [last, error] = std::from_chars(digits.data(), end, value, std::chars_format::fixed);
  if (error != std::errc() || last != end || digits.empty()) return std::nullopt;
  return cell.percent ? value / 100.0 : value;
}

// Scratch folder for libxlsxwriter's own file and its temporaries; removed
// when the export ends.
struct ScratchFolder {
  std::filesystem::path path;
  std::string error;
  ScratchFolder() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    std::string pattern = ((ec ? std::filesystem::path("/tmp") : base) / "corvana-xlsx-XXXXXX");
    if (::mkdtemp(pattern.data()))
      path = pattern;
    else
      error = pattern + ": " + std::error_code(errno, std::generic_category()).message();
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
};

std::string describe(const std::filesystem::path& path, const std::string& why) {
  return path.string() + ": " + why;
}

// Builds the workbook at `built`; the reason when libxlsxwriter failed.
std::string writeWorkbook(const std::string& built, std::string tmpdir, int lastColumn,
                          std::span<const SheetCell> cells) {
  lxw_workbook_options options{};
  options.tmpdir = tmpdir.data();
  // Rows go to the file as they are finished instead of into the library's
  // cell tree: for ten thousand records a third of the time. The rows must
  // then arrive in order.
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(built.c_str(), &options);
  if (!workbook) return "the workbook could not be created";
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  // Labels and names in view; the condition line runs on over the empty cells.
  worksheet_set_column(sheet, 0, 0, 16, nullptr);
  if (lastColumn > 1) worksheet_set_column(sheet, 1, lxw_col_t(lastColumn - 1), 12, nullptr);

  // One format per distinct code; the code depends on the text only for
  // padded negative numbers, so the others are found by their shape.
  std::map<std::string, lxw_format*> formats;
  std::map<std::tuple<int, int, bool>, lxw_format*> byShape;
  const auto formatOf = [&](const SheetCell& cell) {
    const bool padded = cell.width > 0 && !cell.percent && cell.text.find('-') != std::string::npos;
    lxw_format** shaped = padded ? nullptr : &byShape[{cell.decimals, cell.width, cell.percent}];
    if (shaped && *shaped) return *shaped;
    const std::string code = xlsxNumberFormat(cell);
    lxw_format*& format = formats[code];
    if (!format) {
      format = workbook_add_format(workbook);
      format_set_num_format(format, code.c_str());
    }
    if (shaped) *shaped = format;
    return format;
  };
  std::vector<const SheetCell*> inRowOrder;
  inRowOrder.reserve(cells.size());
  for (const SheetCell& cell : cells) inRowOrder.push_back(&cell);
  std::stable_sort(inRowOrder.begin(), inRowOrder.end(),
                   [](const SheetCell* a, const SheetCell* b) {
                     return std::tie(a->row, a->column) < std::tie(b->row, b->column);
                   });
  lxw_error failed = LXW_NO_ERROR;
  for (const SheetCell* next : inRowOrder) {
    const SheetCell& cell = *next;
    const auto row = lxw_row_t(cell.row - 1);
    const auto column = lxw_col_t(cell.column - 1);
    const std::optional<double> value = cell.number ? cellNumber(cell) : std::nullopt;
    lxw_error error;
    if (value) {
      error = worksheet_write_number(sheet, row, column, *value, formatOf(cell));
    } else {
      error = worksheet_write_string(sheet, row, column, cell.text.c_str(), nullptr);
    }
    if (error != LXW_NO_ERROR && failed == LXW_NO_ERROR) failed = error;
  }
  const lxw_error closed = workbook_close(workbook);
  if (failed != LXW_NO_ERROR) return lxw_strerror(failed);
  if (closed != LXW_NO_ERROR) return lxw_strerror(closed);
  return {};
}

}  // namespace

std::string xlsxNumberFormat(const SheetCell& cell) {
  if (!cell.number) return {};
  const std::string digits = decimalsFormat(cell.decimals);
  if (cell.percent) return digits + "%";
  if (cell.width <= 0) return digits;
  // "?" holds the place of a digit with a blank, as "%6.*f" pads.
  const int integerDigits = std::max(1, cell.width - (cell.decimals > 0 ? cell.decimals + 1 : 0));
  const std::string positive = std::string(std::size_t(integerDigits - 1), '?') + digits;
  if (cell.text.find('-') == std::string::npos) return positive;
  // A minus sign sits between the blanks and the digits: the blanks of this
  // text, then the sign, as literal text of the negative section.
  return positive + ";\"" + std::string(leadingBlanks(cell.text), ' ') + "-\"" + digits;
}

std::optional<std::string> writeXlsx(const std::filesystem::path& path,
                                     std::span<const SheetCell> cells) {
  int lastColumn = 1;
  for (const SheetCell& cell : cells) {
    lastColumn = std::max(lastColumn, cell.column);
    if (cell.row < 1 || cell.row > LXW_ROW_MAX)
      return describe(path, "row " + std::to_string(cell.row) + " lies outside a sheet's " +
                                std::to_string(LXW_ROW_MAX) + " rows");
    if (cell.column < 1 || cell.column > LXW_COL_MAX)
      return describe(path, "column " + std::to_string(cell.column) + " lies outside a sheet's " +
                                std::to_string(LXW_COL_MAX) + " columns; export fewer records");
  }
  // libxlsxwriter's own temporaries (rows kept in constant memory) go to a
  // scratch folder; the workbook itself is the temporary beside the target.
  ScratchFolder scratch;
  if (scratch.path.empty()) return describe(path, "no scratch folder: " + scratch.error);
  std::string tmpdir = scratch.path.string();
  const FileResult written =
      writeFileThrough(path.string(), FileKind::ZipPackage, [&](const TemporaryFile& file) {
        return writeWorkbook(file.path, tmpdir, lastColumn, cells);
      });
  // The workbook's own name, even when it is its folder that failed.
  if (!written.ok()) return describe(path, written.reason);
  return std::nullopt;
}

}  // namespace corvana
