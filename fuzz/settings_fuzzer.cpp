// The settings reader on arbitrary bytes: reading must never crash, and a
// write over whatever was there must give a file that reads back the value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/auto_save_setting.h"
#include "core/code_page.h"
#include "core/job_manager.h"
#include "core/job_manager_settings.h"
#include "core/language_setting.h"
#include "core/language_table.h"
#include "core/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvana;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsDocument document = parseSettings(bytes);
  JobManager manager;
  applyJobManagerSettings(manager, document);
  (void)readStoredLanguage(document);
  (void)readAutoSave(document);
  (void)readSettingInt(document, "Instrument|Model");

  // The last bytes, when they are text (as every text inside the program
  // is), also serve as a value to store.
  std::string value(bytes.substr(size > 16 ? size - 16 : 0));
  if (!isValidUtf8(value)) value = "染整 & <Co>";
  const SettingValue values[] = {{"Company|EnglishName", value}, {"Lang|Lang", "CHT"}};
  const auto text = updatedSettingsText(bytes, values);
  if (!text) std::abort();
  const SettingsDocument reread = parseSettings(*text);
  // The stored text is cut at a NUL byte, as every C string is.
  const std::string expected(value.c_str());
  if (readSettingText(reread, "Company|EnglishName") != expected) std::abort();
  if (readStoredLanguage(reread) != std::uint8_t(ChineseTraditional)) std::abort();
  return 0;
}
