#include "core/command_table.h"

#include <algorithm>

#include "core/language_table.h"

namespace corvana {

const std::vector<MenuSpec>& jobMenus() {
  static const std::vector<MenuSpec> menus = {
      {Text::Job,
       {{CmdNew, Text::New, {}},
        {CmdOpen, Text::Open, {}},
        {CmdClose, Text::Close, {}},
        {CmdSave, Text::Save, {}},
        {CmdSaveAs, Text::SaveAs, {}},
        {CmdRenameJob, Text::Rename, {}},
        {CmdExportData, Text::ExportData, {}},
        {CmdExit, Text::Exit, {}}}},
      {Text::Standard,
       {{CmdMeasureStandard, Text::Measure, {}},
        {CmdAverageStandard, Text::AverageMeasure, {}},
        {CmdAutoNamingStandard, Text::AutoNaming, {}},
        {CmdNameOptionStandard, Text::NameOption, {}},
        {CmdInputStandard, Text::InputStandardManually, {}},
        {CmdRenameStandard, Text::Rename, {}},
        {CmdMaterialStandard, Text::ModifyMaterial, {}},
        {CmdFindStandard, Text::Find, {}},
        {CmdImportFromSample, Text::ImportFromSample, {}},
        {CmdDeleteStandard, Text::Delete, {}}}},
      {Text::Sample,
       {{CmdMeasureSample, Text::Measure, {}},
        {CmdAverageSample, Text::AverageMeasure, {}},
        {CmdOpacity, Text::OpacityMeasurement, {}},
        {CmdAutoNamingSample, Text::AutoNaming, {}},
        {CmdNameOptionSample, Text::NameOption, {}},
        {CmdRenameSample, Text::Rename, {}},
        {CmdMaterialSample, Text::ModifyMaterial, {}},
        {CmdFindSample, Text::Find, {}},
        {CmdImportFromStandard, Text::ImportFromStandard, {}},
        {CmdDeleteSample, Text::Delete, {}}}},
      {Text::Settings,
       {{0,
         Text::LanguageSettings,
         {{CmdEnglish, Text::LanguageEnglish, {}},
          {CmdChineseSimplified, Text::LanguageChineseSimplified, {}},
          {CmdChineseTraditional, Text::LanguageChineseTraditional, {}}}},
        {CmdTolerance, Text::ToleranceSettings, {}},
        {CmdColorSpace, Text::ColorSpaceFormulaSettings, {}},
        {CmdObserver, Text::ObserverIlluminantsModeSettings, {}},
        {CmdReportSettings, Text::ReportSettings, {}},
        {CmdOtherSettings, Text::OtherSettings, {}}}},
      {Text::Instrument,
       {{CmdInstrumentStatus, Text::InstrumentStatus, {}},
        {CmdWhiteCalibration, Text::WhiteCalibration, {}},
        {CmdBlackCalibration, Text::BlackCalibration, {}},
        {CmdUploadStandards, Text::UploadStandardToPc, {}},
        {CmdUploadSamples, Text::UploadSampleToPc, {}},
        {CmdDownloadStandard, Text::DownloadStandardToInstrument, {}},
        {CmdWhiteBoard, Text::ModifyWhiteBoardParameters, {}}}},
      {Text::Window, {{CmdCascade, Text::Cascade, {}}, {CmdTile, Text::Tile, {}}}},
      {Text::Report,
       {{0,
         Text::ColorDiff,
         {{CmdPrintColorDiff, Text::Print, {}}, {CmdWordColorDiff, Text::PrintToWord, {}}}},
        {0,
         Text::ColorDiffCumulative,
         {{CmdPrintCumulative, Text::Print, {}}, {CmdWordCumulative, Text::PrintToWord, {}}}}}},
      {Text::Help, {{CmdUserManual, Text::UserManual, {}}, {CmdAbout, Text::AboutCorvana, {}}}},
  };
  return menus;
}

std::string commandKey(int command) {
  switch (command) {
    case CmdMeasureSample: return "F3";
    case CmdMeasureStandard: return "F2";
    case CmdSave: return "Ctrl+S";
    case CmdAutoNamingStandard: return "F4";
    case CmdAutoNamingSample: return "F5";
    case CmdDeleteStandard: return "F6";
    case CmdDeleteSample: return "F7";
    case CmdTolerance: return "Ctrl+Alt+T";
    case CmdColorSpace: return "Ctrl+Alt+C";
    case CmdObserver: return "Ctrl+Alt+O";
    case CmdBlackCalibration: return "Ctrl+Alt+B";
    case CmdWhiteCalibration: return "Ctrl+Alt+W";
    case CmdUploadStandards: return "F8";
    case CmdUploadSamples: return "F9";
    case CmdDownloadStandard: return "F10";
    default: return {};
  }
}

bool commandHasMenuImage(int command) {
  static constexpr int kWithImage[] = {CmdMeasureSample,
                                       CmdMeasureStandard,
                                       CmdAutoNamingStandard,
                                       CmdAutoNamingSample,
                                       CmdDeleteStandard,
                                       CmdDeleteSample,
                                       CmdBlackCalibration,
                                       CmdWhiteCalibration,
                                       CmdUploadStandards,
                                       CmdUploadSamples,
                                       CmdAbout,
                                       CmdUserManual,
                                       CmdInstrumentStatus,
                                       CmdPrintColorDiff,
                                       CmdPrintCumulative};
  return std::find(std::begin(kWithImage), std::end(kWithImage), command) != std::end(kWithImage);
}

std::string menuItemText(const MenuItem& item) {
  std::string text = LookupText(item.text);
  const std::string key = commandKey(item.command);
  if (!key.empty()) text += " " + key;
  return text;
}

namespace {
const MenuItem* findItem(const std::vector<MenuItem>& items, int command) {
  for (const MenuItem& item : items) {
    if (item.command == command) return &item;
    if (const MenuItem* inner = findItem(item.submenu, command)) return inner;
  }
  return nullptr;
}
}  // namespace

Text toolbarTextRow(int command) {
  switch (command) {
    case CmdMeasureStandard: return Text::MeasureStandard;
    case CmdMeasureSample: return Text::MeasureSample;
    case CmdAutoNamingStandard: return Text::AutoNamingStandards;
    case CmdAutoNamingSample: return Text::AutoNamingSamples;
    case CmdDeleteStandard: return Text::DeleteStandards;
    case CmdDeleteSample: return Text::DeleteSamples;
    case CmdPrintColorDiff: return Text::PrintColorDiffReport;
    case CmdPrintCumulative: return Text::PrintCumulativeReport;
    default: break;
  }
  for (const MenuSpec& menu : jobMenus())
    if (const MenuItem* item = findItem(menu.items, command)) return item->text;
  return Text::None;
}

std::string commandToolTip(int command) {
  std::string tip = LookupText(toolbarTextRow(command));
  const std::string key = commandKey(command);
  if (!key.empty()) tip += " (" + key + ")";
  return tip;
}

bool usesInstrument(int command) {
  switch (command) {
    case CmdMeasureStandard:
    case CmdMeasureSample:
    case CmdAverageStandard:
    case CmdAverageSample:
    case CmdOpacity:
    case CmdInstrumentStatus:
    case CmdWhiteCalibration:
    case CmdBlackCalibration:
    case CmdUploadStandards:
    case CmdUploadSamples:
    case CmdDownloadStandard:
    case CmdWhiteBoard: return true;
    default: return false;
  }
}

std::span<const int> toolbarCommands() {
  static constexpr int kToolbar[] = {CmdMeasureStandard,
                                     CmdMeasureSample,
                                     0,
                                     CmdAutoNamingStandard,
                                     CmdAutoNamingSample,
                                     0,
                                     CmdDeleteStandard,
                                     CmdDeleteSample,
                                     0,
                                     CmdInstrumentStatus,
                                     CmdBlackCalibration,
                                     CmdWhiteCalibration,
                                     CmdUploadStandards,
                                     CmdUploadSamples,
                                     0,
                                     CmdPrintColorDiff,
                                     CmdPrintCumulative,
                                     0,
                                     CmdUserManual,
                                     CmdAbout};
  return kToolbar;
}

}  // namespace corvana
