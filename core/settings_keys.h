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

}  // namespace corvana::settings_keys
