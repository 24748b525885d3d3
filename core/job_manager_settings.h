#pragma once
// The JobManager's values kept in "Settings.xml": the user profile, the
// instrument model and the measurement mode.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvana {

class JobManager;
class SettingsDocument;

// The mode a model text implies: the first of "CM-730" (SCE), "CM-750" (SCI),
// "CM-760" (SCI) contained in it decides; none of them gives no mode.
std::optional<std::uint32_t> measurementModeOfModel(std::string_view model);

// Before the main window exists: each Company key found replaces the profile
// text; Instrument|MeasurementMode "SCI"/"SCE" (any case) sets the mode; a
// stored Instrument|Model becomes the model and its implied mode wins. A
// missing or corrupt file changes nothing.
void loadJobManagerSettings(JobManager& manager, const std::string& settingsPath);
void applyJobManagerSettings(JobManager& manager, const SettingsDocument& document);

// After the instrument's information was read: the model (UTF-8) and its
// implied mode go into the manager and both are written, the mode as
// "SCI"/"SCE". False when the settings file could not be written.
bool recordConnectedInstrument(JobManager& manager, const std::string& settingsPath,
                               std::string_view model);

// The user profile of the Report Settings dialog, all four keys in one write.
bool writeUserProfile(const JobManager& manager, const std::string& settingsPath);

}  // namespace corvana
