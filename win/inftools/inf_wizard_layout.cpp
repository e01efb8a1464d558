#include "win/inftools/inf_wizard_layout.h"

namespace varnock {

namespace {

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kLabel = SS_LEFT;
constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr const char* kSpecial = "Special destination.";

}  // namespace

const std::vector<ControlSpec>& WizardControls() {
  static const std::vector<ControlSpec> controls = {
      {"STATIC", "Label1", "Application's long name:", "", kLabel, 8, 8, 220, 14, 0},
      {"EDIT", "EditNomLong", "", "Used for setup dialog", kEdit | WS_GROUP, 8, 24, 220, 21, kIdEditNomLong},
      {"STATIC", "Label2", "Short name (8 chars):", "", kLabel, 236, 8, 128, 14, 0},
      {"EDIT", "EditNomCourt", "", "Some features needs the INF file name", kEdit, 236, 24, 128, 21, kIdEditNomCourt},
      {"BUTTON", "BitBtnOK", "OK", "Exit and apply changes to Varnock", BS_DEFPUSHBUTTON | WS_TABSTOP, 372, 8, 90, 26,
       IDOK},
      {"BUTTON", "BitBtnCNL", "Cancel", "Exit without changing text", kButton, 372, 40, 90, 26, IDCANCEL},
      {"BUTTON", "BitBtnHelp", "&Help", "", kButton, 372, 72, 90, 26, kIdBitBtnHelp},
      {"STATIC", "Label10", "Options:", "", kLabel, 8, 56, 200, 14, 0},
      {"BUTTON", "CheckBox05", "Enable AdvPack options.", "", kCheck, 8, 74, 350, 18, kIdCheckBox05},
      {"BUTTON", "CheckBox10", "Use a setup dialog.", "", kCheck, 28, 94, 330, 18, kIdCheckBox10},
      {"BUTTON", "CheckBox20", "Copy your files to your chosen folder.", "", kCheck, 8, 118, 350, 18, kIdCheckBox20},
      {"BUTTON", "ButtonPath", "Destination", "", kButton, 28, 140, 80, 23, kIdButtonPath},
      {"EDIT", "EditPath", "", "", kEdit, 112, 141, 350, 21, kIdEditPath},
      {"BUTTON", "CheckBox25", kSpecial, "", kCheck, 28, 168, 330, 18, kIdCheckBox25},
      {"BUTTON", "CheckBox30", "Add some keys && values to the registry.", "", kCheck, 8, 192, 350, 18, kIdCheckBox30},
      {"BUTTON", "CheckBox40", "Create a start menu program group and shorcuts.", "", kCheck, 8, 216, 350, 18,
       kIdCheckBox40},
      {"BUTTON", "CheckBox45", kSpecial, "", kCheck, 28, 238, 330, 18, kIdCheckBox45},
      {"BUTTON", "CheckBox50", "Support for uninstall procedure.", "", kCheck, 8, 262, 350, 18, kIdCheckBox50},
      {"STATIC", "Label11", "The skeleton is inserted above the current text.", "", kLabel, 8, 300, 454, 14, 0},
  };
  return controls;
}

const std::vector<ControlSpec>& PanelControls() {
  static const std::vector<ControlSpec> controls = {
      {"STATIC", "LabelPanelTitle", "Special destinations", "", kLabel, 8, 6, 300, 16, 0},
      {"BUTTON", "SpeedButton1", "x", "", kButton, 440, 4, 22, 20, kIdSpeedButton1},
      {"STATIC", "LabelPanelText",
       "Use the CustomDestination feature from AdvPack.dll to create a temporary LDID at installation time. You can "
       "ask user, or get one from registry.",
       "", kLabel, 8, 24, 454, 42, 0},
      {"BUTTON", "RadioButton0", "Ask user for a folder at installation time.", "", kRadio | WS_GROUP | WS_TABSTOP, 8,
       70, 454, 18, kIdRadioBase + 0},
      {"BUTTON", "RadioButton1", "Program Files", "", kRadio, 8, 102, 170, 18, kIdRadioBase + 1},
      {"BUTTON", "RadioButton2", "PF Common files", "", kRadio, 8, 122, 170, 18, kIdRadioBase + 2},
      {"BUTTON", "RadioButton3", "Temp", "", kRadio, 8, 142, 170, 18, kIdRadioBase + 3},
      {"BUTTON", "RadioButton4", "Source path", "", kRadio, 8, 162, 170, 18, kIdRadioBase + 4},
      {"STATIC", "LabelCU", " C    U", "Common   User", kLabel | SS_NOTIFY, 200, 90, 60, 14, 0},
      {"BUTTON", "RadioButton11", "", "", kRadio, 202, 106, 16, 18, kIdRadioBase + 11},
      {"BUTTON", "RadioButton12", "", "", kRadio, 202, 124, 16, 18, kIdRadioBase + 12},
      {"BUTTON", "RadioButton13", "", "", kRadio, 202, 142, 16, 18, kIdRadioBase + 13},
      {"BUTTON", "RadioButton14", "", "", kRadio, 202, 160, 16, 18, kIdRadioBase + 14},
      {"BUTTON", "RadioButton15", "", "", kRadio, 202, 178, 16, 18, kIdRadioBase + 15},
      {"BUTTON", "RadioButton16", "", "", kRadio, 202, 196, 16, 18, kIdRadioBase + 16},
      {"BUTTON", "RadioButton21", "Desktop", "", kRadio, 226, 106, 150, 18, kIdRadioBase + 21},
      {"BUTTON", "RadioButton22", "MyDocs", "", kRadio, 226, 124, 150, 18, kIdRadioBase + 22},
      {"BUTTON", "RadioButton23", "App Data", "", kRadio, 226, 142, 150, 18, kIdRadioBase + 23},
      {"BUTTON", "RadioButton24", "Star menu", "", kRadio, 226, 160, 150, 18, kIdRadioBase + 24},
      {"BUTTON", "RadioButton25", "SM Programs", "", kRadio, 226, 178, 150, 18, kIdRadioBase + 25},
      {"BUTTON", "RadioButton26", "SM Startup", "", kRadio, 226, 196, 150, 18, kIdRadioBase + 26},
      {"STATIC", "LabelNotCompatible", "Temp, Common Docs or SM are not compatible with Win9x.",
       "Don't use if INF must be Win9x compatible.", kLabel | SS_NOTIFY, 8, 218, 454, 16, 0},
  };
  return controls;
}

const std::vector<DestinationChoice>& DestinationChoices() {
  static const std::vector<DestinationChoice> choices = {
      {"RadioButton0", 0, "", false},
      {"RadioButton1", 1, "ProgramFilesDir", false},
      {"RadioButton2", 2, "CommonFilesDir", false},
      {"RadioButton3", 3, "TEMP", false},
      {"RadioButton4", 4, "SourcePath", false},
      {"RadioButton11", 11, "Desktop", true},
      {"RadioButton12", 12, "Documents", true},
      {"RadioButton13", 13, "AppData", true},
      {"RadioButton14", 14, "Start Menu", true},
      {"RadioButton15", 15, "Programs", true},
      {"RadioButton16", 16, "Startup", true},
      {"RadioButton21", 21, "Desktop", false},
      {"RadioButton22", 22, "Documents", false},
      {"RadioButton23", 23, "AppData", false},
      {"RadioButton24", 24, "Start Menu", false},
      {"RadioButton25", 25, "Programs", false},
      {"RadioButton26", 26, "Startup", false},
  };
  return choices;
}

}  // namespace varnock
