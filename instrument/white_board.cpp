#include "instrument/white_board.h"

#include <cctype>
#include <cstdio>

#include "colour/text_utf.h"
#include "core/file_io.h"
#include "core/language_table.h"
#include "core/number_text.h"
#include "instrument/connection.h"
#include "instrument/instrument_text.h"
#include "instrument/value_fields.h"

namespace corvana {
namespace {

constexpr double kHighestBoardValue = 100;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

constexpr std::size_t kBoardNameBytes = sizeof(WhiteBoardData::innerName) - 1;

// 1 to 20 characters that fit the instrument's field whole: a number cut to
// fit would name another board.
bool validBoardNumber(std::string_view number) {
  const std::size_t length = utf8ToUtf16(number).size();
  return length >= 1 && length <= kMaxBoardNumberLength &&
         toInstrumentText(number, kBoardNameBytes + 4).size() <= kBoardNameBytes;
}

std::string twoDecimals(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", double(value));
  return text;
}

int wavelength(int i) { return 400 + 10 * i; }

}  // namespace

std::optional<WhiteBoardFault> firstWhiteBoardFault(const WhiteBoardFields& fields) {
  if (!validBoardNumber(trimmed(fields.inner)))
    return WhiteBoardFault{WhiteBoardFault::Inner, -1, LookupText(Text::InnerWhiteBoardInvalid)};
  if (!validBoardNumber(trimmed(fields.outer)))
    return WhiteBoardFault{WhiteBoardFault::Outer, -1, LookupText(Text::OuterWhiteBoardInvalid)};
  for (int i = 0; i < kWhiteBoardValues; ++i) {
    const FieldValue v = readValueField(fields.values[std::size_t(i)]);
    if (v.state == FieldValue::Empty)
      return WhiteBoardFault{WhiteBoardFault::Value, i,
                             fillPlaceholders(LookupText(Text::DataEmpty), {wavelength(i)})};
    if (v.state == FieldValue::NotANumber || v.value < 0 || v.value > kHighestBoardValue)
      return WhiteBoardFault{
          WhiteBoardFault::Value, i,
          fillPlaceholders(LookupText(Text::WhiteBoardDataOverrange), {wavelength(i)})};
  }
  return std::nullopt;
}

std::variant<WhiteBoardData, std::string> collectWhiteBoard(const WhiteBoardFields& fields) {
  if (std::optional<WhiteBoardFault> fault = firstWhiteBoardFault(fields))
    return std::move(fault->message);
  WhiteBoardData data = {};
  for (int i = 0; i < kWhiteBoardValues; ++i)
    data.values[i] = static_cast<float>(readValueField(fields.values[std::size_t(i)]).value);
  storeInstrumentText(data.innerName, sizeof data.innerName, kBoardNameBytes,
                      trimmed(fields.inner));
  storeInstrumentText(data.outerName, sizeof data.outerName, kBoardNameBytes,
                      trimmed(fields.outer));
  return data;
}

WhiteBoardFields whiteBoardFieldsOf(const WhiteBoardData& data) {
  WhiteBoardFields fields;
  fields.inner = fromInstrumentText(data.innerName, sizeof data.innerName);
  fields.outer = fromInstrumentText(data.outerName, sizeof data.outerName);
  for (int i = 0; i < kWhiteBoardValues; ++i)
    fields.values[std::size_t(i)] = twoDecimals(data.values[i]);
  return fields;
}

ApiResult readWhiteBoard(WhiteBoardData& data) {
  return noteDriverResult(ZW_ReadWhiteBoardData(currentDeviceHandle(), &data));
}

ApiResult writeWhiteBoard(const WhiteBoardData& data) {
  return noteDriverResult(ZW_WriteWhiteBoardData(currentDeviceHandle(), &data));
}

Notice readWhiteBoardNotice(ApiResult result) {
  if (result == API_SUCCESS) return Notice::none();
  return Notice::failure(failureMessage(Text::ReadWhiteBoardParametersFailed, result));
}

Notice writeWhiteBoardNotice(ApiResult result) {
  if (result == API_SUCCESS)
    return Notice::information(LookupText(Text::WriteWhiteBoardDataSuccessfully));
  return Notice::failure(failureMessage(Text::WriteWhiteBoardDataFailed, result));
}

std::string whiteBoardBackupName(const WhiteBoardData& data) {
  std::string inner = fromInstrumentText(data.innerName, sizeof data.innerName);
  for (char& c : inner)
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  return "whiteboard_" + inner + ".txt";
}

std::string whiteBoardBackupText(const WhiteBoardData& data) {
  const auto field = [](const char* f, std::size_t size) {
    std::size_t n = 0;
    while (n < size && f[n] != '\0') ++n;
    return std::string(f, n);
  };
  std::string text = "Inner Name: " + field(data.innerName, sizeof data.innerName) + "\n";
  text += "Outer Name: " + field(data.outerName, sizeof data.outerName) + "\n";
  for (int i = 0; i < kWhiteBoardValues; ++i) {
    if (i > 0) text += '\t';
    text += std::to_string(wavelength(i));
  }
  text += '\n';
  for (int i = 0; i < kWhiteBoardValues; ++i) {
    if (i > 0) text += '\t';
    text += twoDecimals(data.values[i]);
  }
  text += '\n';
  return text;
}

std::string writeWhiteBoardBackup(const std::string& path, const WhiteBoardData& data) {
  if (path.empty() || !replaceFile(path, whiteBoardBackupText(data)).ok())
    return LookupText(Text::SaveWhiteBoardParametersFailed);
  return {};
}

std::vector<std::string> splitPastedValues(std::string_view text) {
  std::vector<std::string> pieces;
  std::string piece;
  bool open = false;  // text since the last separator, possibly empty
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == ' ' || c == '\t' || c == '\n') {
      pieces.push_back(std::move(piece));
      piece.clear();
      open = false;
      continue;
    }
    piece += c;
    open = true;
  }
  if (open) pieces.push_back(std::move(piece));
  return pieces;
}

std::vector<std::pair<int, std::string>> pastedFieldTexts(int field, std::string_view text) {
  std::vector<std::pair<int, std::string>> out;
  if (field < 0 || field >= kWhiteBoardValues) return out;
  for (std::string& piece : splitPastedValues(text)) {
    if (field >= kWhiteBoardValues) break;
    out.emplace_back(field++, std::move(piece));
  }
  return out;
}

}  // namespace corvana
