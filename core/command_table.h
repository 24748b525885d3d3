#pragma once
// The job window's commands, menus, keys and toolbar, as data: the window
// builds its menu from this table on every language change.
#include <span>
#include <string>
#include <vector>

#include "core/language_table.h"

namespace corvana {

enum CommandId : int {
  CmdNew = 57600,
  CmdOpen = 32838,
  CmdClose = 32864,
  CmdSave = 32836,
  CmdSaveAs = 32837,
  CmdRenameJob = 32806,
  CmdExportData = 32889,
  CmdExit = 57665,
  CmdMeasureStandard = 32771,
  CmdAverageStandard = 32894,
  CmdAutoNamingStandard = 32799,
  CmdNameOptionStandard = 32785,
  CmdInputStandard = 32789,
  CmdRenameStandard = 32833,
  CmdMaterialStandard = 32906,
  CmdFindStandard = 32909,
  CmdImportFromSample = 32835,
  CmdDeleteStandard = 32846,
  CmdMeasureSample = 32801,
  CmdAverageSample = 32896,
  CmdOpacity = 32913,
  CmdAutoNamingSample = 32800,
  CmdNameOptionSample = 32822,
  CmdRenameSample = 32830,
  CmdMaterialSample = 32907,
  CmdFindSample = 32911,
  CmdImportFromStandard = 32844,
  CmdDeleteSample = 32832,
  CmdEnglish = 32782,
  CmdChineseSimplified = 32784,
  CmdChineseTraditional = 32783,
  CmdTolerance = 32787,
  CmdColorSpace = 32794,
  CmdObserver = 32847,
  CmdReportSettings = 32854,
  CmdOtherSettings = 32857,
  CmdInstrumentStatus = 32808,
  CmdWhiteCalibration = 32817,
  CmdBlackCalibration = 32816,
  CmdUploadStandards = 32820,
  CmdUploadSamples = 32821,
  CmdDownloadStandard = 32892,
  CmdWhiteBoard = 32915,
  CmdCascade = 57650,
  CmdTile = 57651,
  CmdPrintColorDiff = 32862,
  CmdWordColorDiff = 32882,
  CmdPrintCumulative = 32851,
  CmdWordCumulative = 32884,
  CmdUserManual = 32843,
  CmdAbout = 57664,
};

struct MenuItem {
  int command = 0;  // 0 for a submenu
  Text text = Text::None;
  std::vector<MenuItem> submenu;
};

struct MenuSpec {
  Text text;
  std::vector<MenuItem> items;
};

// The top-level menus in order.
const std::vector<MenuSpec>& jobMenus();

// Key text of a command ("F3", "Ctrl+S", ...), empty when it has none.
std::string commandKey(int command);
// Commands whose menu items show their toolbar picture.
bool commandHasMenuImage(int command);
// The menu text: the item's text, a blank and the key when there is one.
std::string menuItemText(const MenuItem& item);

// The tool bar's name of a command: the menu text, except where the tool bar
// holds the command of both lists ("Standard Measure" beside "Sample
// Measure") or the item sits in a submenu ("Print Color Diff Report").
Text toolbarTextRow(int command);
// Its tool tip: that name and the key, "Sample Measure (F3)".
std::string commandToolTip(int command);

// Commands that talk to the instrument: none starts while another runs.
bool usesInstrument(int command);

// Toolbar in order; 0 stands for a separator.
std::span<const int> toolbarCommands();

}  // namespace corvana
