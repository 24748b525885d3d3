#pragma once
// The key paths of "Settings.xml".
namespace corvana::settings_keys {

inline constexpr const char* kLanguage = "Lang|Lang";
inline constexpr const char* kAutoSave = "Save|AutoSave";
inline constexpr const char* kInstrumentModel = "Instrument|Model";
inline constexpr const char* kMeasurementMode = "Instrument|MeasurementMode";
inline constexpr const char* kChineseName = "Company|ChineseName";
inline constexpr const char* kEnglishName = "Company|EnglishName";
inline constexpr const char* kChineseAddress = "Company|ChineseAddress";
inline constexpr const char* kEnglishAddress = "Company|EnglishAddress";
// The job window's splitters ("650,700") and list columns ("Name=140;Grade=80").
inline constexpr const char* kPlotSplitter = "Layout|PlotSplitter";
inline constexpr const char* kCurveSplitter = "Layout|CurveSplitter";
inline constexpr const char* kListSplitter = "Layout|ListSplitter";
inline constexpr const char* kStandardColumns = "Layout|StandardColumns";
inline constexpr const char* kSampleColumns = "Layout|SampleColumns";
// The Job menu's recent files, most recent first.
inline constexpr const char* kRecentFiles[] = {"Recent|File1", "Recent|File2", "Recent|File3",
                                               "Recent|File4", "Recent|File5", "Recent|File6",
                                               "Recent|File7", "Recent|File8"};

}  // namespace corvana::settings_keys
