// fLoadSettings: section [Varnock] and the association values, applied to the window.
#include <windows.h>

#include "core/settings/settings_values.h"
#include "core/settings/window_placement.h"
#include "win/app/form_pad.h"
#include "win/platform/profile.h"
#include "win/platform/registry.h"
#include "win/settings/settings_file.h"
#include "win/settings/settings_keys.h"
#include "win/settings/settings_lock.h"

namespace varnock {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info))
    reinterpret_cast<std::vector<WorkArea>*>(list)->push_back(
        {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
  return TRUE;
}

std::vector<WorkArea> ScreenWorkAreas() {
  std::vector<WorkArea> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

COLORREF ColourOr(const std::string& value, COLORREF fallback) {
  const auto colour = ParseColourSetting(value);
  if (!colour) return fallback;
  return colour->system ? GetSysColor(static_cast<int>(colour->value)) : colour->value;
}

bool RegistryFlag(const char* valueName) {
  std::string text;
  return RegistryReadString(HKEY_LOCAL_MACHINE, kAssociationKey, valueName, &text) && text == "1";
}

}  // namespace

int TFormPad::fLoadSettings() {
  const std::string file = SettingsFile();
  SettingsLock lock(file);  // another copy's save is never read half-written
  auto read = [&](const char* key, const char* fallback) { return ProfileRead(file, kSettingsSection, key, fallback); };
  auto number = [&](const char* key, int fallback) { return IntegerOr(read(key, ""), fallback); };

  languageName = read("Localisation", "");
  if (languageName.empty()) languageName = "English";

  const Bounds stored{number("Left", 60), number("Top", 60), number("Width", 530), number("Height", 360)};
  const Bounds placed = PlaceStoredWindow(stored, ScreenWorkAreas());
  MoveWindow(hwnd_, placed.left, placed.top, placed.width, placed.height, FALSE);

  documentFolder = read("SavedPath", "C:\\");
  regFolder = read("SavedRegPath", "");

  fontMode = FontModeSetting(read("Font", "1"));
  fontDiagFont.face = FontNameSetting(read("Font_Name", "MS Sans Serif"));
  fontDiagFont.pointSize = FontSizeSetting(read("Font_Size", "10"));
  fontDiagFont.charset = FontCharsetSetting(read("Font_Charset", "1"));
  fontDiagFont.colour = ColourOr(read("Font_Color", "0"), 0);
  fontDiagFont.systemTextColour = false;
  ApplyFontStyleLetters(read("Font_Style", "0000"), fontDiagFont);

  commentColour = ColourOr(read("ColorCMT", ""), 0xFF0000);
  errorColour = ColourOr(read("ColorERR", ""), 0x0000FF);
  sectionColour = ColourOr(read("ColorSEC", ""), 0x008000);
  entryColour = ColourOr(read("ColorENT", ""), 0x800080);

  const std::string library = read("TestDLL", "5");
  for (const TestLibraryEntry& e : kTestLibraries) {
    MenuItem* item = Item(e.entry);
    if (item && library == e.value && library != "5" && item->enabled) item->CheckRadio();
  }
  if (MenuItem* runInf = Item("AffOptRunInf")) runInf->checked = number("RunInfGenerique", 1) != 0;

  const std::string colouring = read("Color", "ALL");
  for (const ColourModeEntry& e : kColourModes) {
    MenuItem* item = Item(e.entry);
    if (item && colouring == e.value) item->CheckRadio();
  }

  const std::string searchText = read("TextF", "");
  if (!searchText.empty() && searchText.size() <= kSearchTextRoom) {
    FindDialog.SetSearchText(searchText);
    ReplaceDialog.SetSearchText(searchText);
  }
  const std::string replaceText = read("TextR", "");
  if (!replaceText.empty() && replaceText.size() <= kSearchTextRoom) ReplaceDialog.SetReplaceWith(replaceText);

  const int toolbarMode = number("MenuBar", 1);

  std::vector<bool> checks;
  for (int i = 1; i <= kStoredToolButtons; ++i) {
    const MenuItem* tb = Item("TB" + std::to_string(i));
    checks.push_back(tb && tb->checked);
  }
  checks = ToolButtonChecks(read("ToolButtons", "1111111111111"), checks);
  for (int i = 1; i <= kStoredToolButtons; ++i)
    if (MenuItem* tb = Item("TB" + std::to_string(i))) tb->checked = checks[static_cast<size_t>(i - 1)];

  if (MenuItem* item = Item("AffRegit")) item->checked = RegistryFlag("Integration");
  if (MenuItem* item = Item("AffRegnfo")) item->checked = RegistryFlag("IntegrNfoDiz");
  return toolbarMode;
}

}  // namespace varnock
