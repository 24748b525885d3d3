#include "core/command_table.h"

#include <algorithm>

#include "core/language_table.h"

namespace corvana {

const std::vector<MenuSpec>& jobMenus() {
  static const std::vector<MenuSpec> menus = {
      {36, {{CmdNew, 37, {}}, {CmdOpen, 18, {}}, {CmdClose, 24, {}}, {CmdSave, 19, {}},
            {CmdSaveAs, 38, {}}, {CmdRenameJob, 303, {}}, {CmdExportData, 304, {}}, {CmdExit, 14, {}}}},
      {1, {{CmdMeasureStandard, 15, {}}, {CmdAverageStandard, 380, {}}, {CmdAutoNamingStandard, 149, {}},
           {CmdNameOptionStandard, 306, {}}, {CmdInputStandard, 307, {}}, {CmdRenameStandard, 303, {}},
           {CmdMaterialStandard, 395, {}}, {CmdFindStandard, 401, {}}, {CmdImportFromSample, 285, {}},
           {CmdDeleteStandard, 308, {}}}},
      {2, {{CmdMeasureSample, 15, {}}, {CmdAverageSample, 380, {}}, {CmdOpacity, 409, {}},
           {CmdAutoNamingSample, 149, {}}, {CmdNameOptionSample, 306, {}}, {CmdRenameSample, 303, {}},
           {CmdMaterialSample, 395, {}}, {CmdFindSample, 401, {}}, {CmdImportFromStandard, 286, {}},
           {CmdDeleteSample, 308, {}}}},
      {31, {{0, 23, {{CmdEnglish, 20, {}}, {CmdChineseSimplified, 21, {}}, {CmdChineseTraditional, 22, {}}}},
            {CmdTolerance, 280, {}}, {CmdColorSpace, 281, {}}, {CmdObserver, 70, {}},
            {CmdReportSettings, 328, {}}, {CmdOtherSettings, 338, {}}}},
      {309, {{CmdInstrumentStatus, 310, {}}, {CmdWhiteCalibration, 244, {}}, {CmdBlackCalibration, 245, {}},
             {CmdUploadStandards, 52, {}}, {CmdUploadSamples, 53, {}}, {CmdDownloadStandard, 54, {}},
             {CmdWhiteBoard, 430, {}}}},
      {311, {{CmdCascade, 313, {}}, {CmdTile, 312, {}}}},
      {351, {{0, 344, {{CmdPrintColorDiff, 350, {}}, {CmdWordColorDiff, 359, {}}}},
             {0, 343, {{CmdPrintCumulative, 350, {}}, {CmdWordCumulative, 359, {}}}}}},
      {25, {{CmdUserManual, 314, {}}, {CmdAbout, 315, {}}}},
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
  static constexpr int kWithImage[] = {CmdMeasureSample, CmdMeasureStandard, CmdAutoNamingStandard,
                                       CmdAutoNamingSample, CmdDeleteStandard, CmdDeleteSample,
                                       CmdBlackCalibration, CmdWhiteCalibration, CmdUploadStandards,
                                       CmdUploadSamples, CmdAbout, CmdUserManual, CmdInstrumentStatus,
                                       CmdPrintColorDiff, CmdPrintCumulative};
  return std::find(std::begin(kWithImage), std::end(kWithImage), command) != std::end(kWithImage);
}

std::string menuItemText(const MenuItem& item) {
  std::string text = LookupText(item.row);
  const std::string key = commandKey(item.command);
  if (!key.empty()) text += " " + key;
  return text;
}

std::span<const int> toolbarCommands() {
  static constexpr int kToolbar[] = {CmdMeasureStandard, CmdMeasureSample, 0, CmdAutoNamingStandard,
                                     CmdAutoNamingSample, 0, CmdDeleteStandard, CmdDeleteSample, 0,
                                     CmdInstrumentStatus, CmdBlackCalibration, CmdWhiteCalibration,
                                     CmdUploadStandards, CmdUploadSamples, 0, CmdPrintColorDiff,
                                     CmdPrintCumulative, 0, CmdUserManual, CmdAbout};
  return kToolbar;
}

}  // namespace corvana
