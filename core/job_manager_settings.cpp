#include "core/job_manager_settings.h"

#include <array>
#include <utility>

#include "colour/spectral.h"
#include "core/job_manager.h"
#include "core/settings.h"
#include "core/settings_keys.h"

namespace corvana {
namespace {

struct ModelMode {
  std::string_view number;
  std::uint32_t mode;
};

constexpr std::array<ModelMode, 3> kModelModes = {{
    {"CM-730", SCE},
    {"CM-750", SCI},
    {"CM-760", SCI},
}};

}  // namespace

std::optional<std::uint32_t> measurementModeOfModel(std::string_view model) {
  for (const ModelMode& entry : kModelModes)
    if (model.find(entry.number) != std::string_view::npos) return entry.mode;
  return std::nullopt;
}

void applyJobManagerSettings(JobManager& manager, const SettingsDocument& document) {
  using namespace settings_keys;
  const std::pair<const char*, std::string*> profile[] = {
      {kChineseName, &manager.ChineseName},
      {kEnglishName, &manager.EnglishName},
      {kChineseAddress, &manager.ChineseAddress},
      {kEnglishAddress, &manager.EnglishAddress},
  };
  for (const auto& [key, field] : profile) readSetting(document, key, *field);
  if (const auto text = readSettingText(document, kMeasurementMode))
    if (const auto mode = measurementModeFromText(*text))
      manager.currentMeasurementMode = std::uint32_t(*mode);
  if (const auto model = readSettingText(document, kInstrumentModel)) {
    manager.instrumentModel = *model;
    if (const auto mode = measurementModeOfModel(*model)) manager.currentMeasurementMode = *mode;
  }
}

void loadJobManagerSettings(JobManager& manager, const std::string& settingsPath) {
  applyJobManagerSettings(manager, loadSettings(settingsPath));
}

namespace {

bool writeInstrument(const JobManager& manager, const std::string& settingsPath) {
  const SettingValue values[] = {
      {settings_keys::kInstrumentModel, manager.instrumentModel},
      {settings_keys::kMeasurementMode,
       std::string(measurementModeText(std::int32_t(manager.currentMeasurementMode)))},
  };
  return writeSettings(settingsPath, values);
}

}  // namespace

bool recordConnectedInstrument(JobManager& manager, const std::string& settingsPath,
                               std::string_view model) {
  manager.instrumentModel = std::string(model);
  if (const auto mode = measurementModeOfModel(model)) manager.currentMeasurementMode = *mode;
  return writeInstrument(manager, settingsPath);
}

bool writeUserProfile(const JobManager& manager, const std::string& settingsPath) {
  using namespace settings_keys;
  const SettingValue values[] = {
      {kChineseName, manager.ChineseName},
      {kEnglishName, manager.EnglishName},
      {kChineseAddress, manager.ChineseAddress},
      {kEnglishAddress, manager.EnglishAddress},
  };
  return writeSettings(settingsPath, values);
}

}  // namespace corvana
