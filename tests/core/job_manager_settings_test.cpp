#include "core/job_manager_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "colour/spectral.h"
#include "core/auto_save_setting.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/settings.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(MeasurementModeOfModel, FirstContainedModelNumberDecides) {
  struct Case {
    const char* model;
    std::optional<std::uint32_t> mode;
  } cases[] = {
      {"CM-730", SCE},
      {"CM-750 Spectrophotometer", SCI},
      {"Spectro CM-760d", SCI},
      {"CM-750/CM-730 combo", SCE},  // the table order decides, not the position
      {"CM-760 CM-750", SCI},
      {"cm-730", std::nullopt},
      {"CM-7300", SCE},
      {"CM-73", std::nullopt},
      {"CM 730", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    EXPECT_EQ(measurementModeOfModel(c.model), c.mode);
  }
}

TEST(JobManagerSettings, LoadReplacesOnlyWhatTheFileHolds) {
  struct Case {
    const char* name;
    const char* file;  // nullptr: no file
    std::uint32_t mode;
    const char* model;
    const char* chineseName;
    const char* englishAddress;
  } cases[] = {
      {"no file", nullptr, SCI, "old model", "old name", "old address"},
      {"corrupt file", "<Company ChineseName=\"x\"", SCI, "old model", "old name", "old address"},
      {"empty Company element", "<Company />", SCI, "old model", "old name", "old address"},
      {"profile without EnglishAddress", "<Company ChineseName=\"染整厂\" />", SCI, "old model",
       "染整厂", "old address"},
      {"empty text replaces", "<Company EnglishAddress=\"\" />", SCI, "old model", "old name", ""},
      {"mode SCE", "<Instrument MeasurementMode=\"SCE\" />", SCE, "old model", "old name",
       "old address"},
      {"mode in lower case", "<Instrument MeasurementMode=\"sce\" />", SCE, "old model", "old name",
       "old address"},
      {"mode as a number is not a mode", "<Instrument MeasurementMode=\"1\" />", SCI, "old model",
       "old name", "old address"},
      {"unknown mode", "<Instrument MeasurementMode=\"SCX\" />", SCI, "old model", "old name",
       "old address"},
      {"CM-730 overrides a stored SCI", "<Instrument Model=\"CM-730\" MeasurementMode=\"SCI\" />",
       SCE, "CM-730", "old name", "old address"},
      {"CM-750 overrides a stored SCE",
       "<Instrument MeasurementMode=\"SCE\" Model=\"CM-750 Spectrophotometer\" />", SCI,
       "CM-750 Spectrophotometer", "old name", "old address"},
      {"an unknown model keeps the stored mode",
       "<Instrument Model=\"Other 1\" MeasurementMode=\"SCE\" />", SCE, "Other 1", "old name",
       "old address"},
      {"keys in another element do not count",
       "<Settings><Instrument MeasurementMode=\"SCE\" /></Settings>", SCI, "old model", "old name",
       "old address"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.file("Settings.xml");
    if (c.file) writeBytes(path, c.file);
    JobManager manager;
    manager.currentMeasurementMode = SCI;
    manager.instrumentModel = "old model";
    manager.ChineseName = "old name";
    manager.EnglishName = "old english name";
    manager.EnglishAddress = "old address";
    loadJobManagerSettings(manager, path);
    EXPECT_EQ(manager.currentMeasurementMode, c.mode);
    EXPECT_EQ(manager.instrumentModel, c.model);
    EXPECT_EQ(manager.ChineseName, c.chineseName);
    EXPECT_EQ(manager.EnglishAddress, c.englishAddress);
    EXPECT_EQ(manager.EnglishName, "old english name");
    EXPECT_EQ(manager.ChineseAddress, "");
  }
}

TEST(JobManagerSettings, AProfileWithoutEnglishAddressGivesNewJobsTheEmptyBuiltIn) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  writeBytes(path, "<Company ChineseName=\"甲\" EnglishName=\"A Ltd\" ChineseAddress=\"乙\" />\n");
  JobManager manager;
  loadJobManagerSettings(manager, path);
  const Job job(manager);
  EXPECT_EQ(job.ChineseName, "甲");
  EXPECT_EQ(job.EnglishName, "A Ltd");
  EXPECT_EQ(job.ChineseAddress, "乙");
  EXPECT_EQ(job.EnglishAddress, "");
}

TEST(JobManagerSettings, WithoutASettingsFileTheBuiltInModeIsSce) {
  TempFolder folder;
  JobManager manager;
  loadJobManagerSettings(manager, folder.file("Settings.xml"));
  EXPECT_EQ(manager.currentMeasurementMode, std::uint32_t(SCE));
  EXPECT_EQ(manager.instrumentModel, "");
}

TEST(JobManagerSettings, AConnectedInstrumentIsRecordedAndReadBackAtTheNextStart) {
  struct Case {
    const char* model;
    std::uint32_t modeBefore;
    std::uint32_t modeAfter;
    const char* storedMode;
  } cases[] = {
      {"CM-750 Spectrophotometer", SCE, SCI, "SCI"},
      {"CM-730", SCI, SCE, "SCE"},
      // A model that implies nothing keeps the mode, which must read back as
      // written (a number would not).
      {"Bench unit", SCE, SCE, "SCE"},
      {"Bench unit", SCI, SCI, "SCI"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    TempFolder folder;
    const std::string path = folder.file("Settings.xml");
    ASSERT_TRUE(writeSetting(path, "Lang|Lang", "CHS"));
    JobManager manager;
    manager.currentMeasurementMode = c.modeBefore;
    ASSERT_TRUE(recordConnectedInstrument(manager, path, c.model));
    EXPECT_EQ(manager.instrumentModel, c.model);
    EXPECT_EQ(manager.currentMeasurementMode, c.modeAfter);
    EXPECT_EQ(readBytes(path), std::string("<Lang Lang=\"CHS\" />\n<Instrument Model=\"") +
                                   c.model + "\" MeasurementMode=\"" + c.storedMode + "\" />\n");
    JobManager next;
    next.currentMeasurementMode = c.modeAfter == SCI ? SCE : SCI;
    loadJobManagerSettings(next, path);
    EXPECT_EQ(next.instrumentModel, c.model);
    EXPECT_EQ(next.currentMeasurementMode, c.modeAfter);
  }
}

TEST(JobManagerSettings, AnUnwritableFileStillRecordsTheInstrumentInMemory) {
  TempFolder folder;
  JobManager manager;
  EXPECT_FALSE(recordConnectedInstrument(manager, folder.file("gone/Settings.xml"), "CM-750"));
  EXPECT_EQ(manager.instrumentModel, "CM-750");
  EXPECT_EQ(manager.currentMeasurementMode, std::uint32_t(SCI));
}

TEST(JobManagerSettings, TheUserProfileIsWrittenAllAtOnceAndReadBack) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  JobManager manager;
  manager.ChineseName = "广州染整有限公司";
  manager.EnglishName = "Guangzhou Dyeing & Finishing Co.";
  manager.ChineseAddress = "广州市天河路 1 号";
  manager.EnglishAddress = "1 Tianhe Road\nGuangzhou";
  ASSERT_TRUE(writeUserProfile(manager, path));
  JobManager next;
  loadJobManagerSettings(next, path);
  EXPECT_EQ(next.ChineseName, manager.ChineseName);
  EXPECT_EQ(next.EnglishName, manager.EnglishName);
  EXPECT_EQ(next.ChineseAddress, manager.ChineseAddress);
  EXPECT_EQ(next.EnglishAddress, manager.EnglishAddress);
  EXPECT_EQ(readBytes(path).find("<Company ChineseName="), 0u);
}

TEST(AutoSaveSetting, NonZeroMeansOn) {
  struct Case {
    const char* file;
    std::optional<bool> value;
  } cases[] = {
      {"<Save AutoSave=\"1\" />", true},           {"<Save AutoSave=\"0\" />", false},
      {"<Save AutoSave=\"2\" />", true},           {"<Save AutoSave=\"-1\" />", true},
      {"<Save AutoSave=\"yes\" />", std::nullopt}, {"<Save />", std::nullopt},
      {"<Lang Lang=\"ENG\" />", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(readAutoSave(parseSettings(c.file)), c.value);
  }
}

TEST(AutoSaveSetting, WrittenAsOneOrZero) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  EXPECT_EQ(readAutoSave(path), std::nullopt);
  ASSERT_TRUE(writeAutoSave(path, true));
  EXPECT_EQ(readBytes(path), "<Save AutoSave=\"1\" />\n");
  EXPECT_EQ(readAutoSave(path), true);
  ASSERT_TRUE(writeAutoSave(path, false));
  EXPECT_EQ(readBytes(path), "<Save AutoSave=\"0\" />\n");
  EXPECT_EQ(readAutoSave(path), false);
  EXPECT_FALSE(writeAutoSave(folder.file("gone/Settings.xml"), true));
}

}  // namespace
}  // namespace corvana
