// fSaveSettings: the last copy to close writes section [Varnock].
#include <windows.h>

#include "core/settings/settings_values.h"
#include "win/app/form_pad.h"
#include "win/platform/profile.h"
#include "win/settings/other_copies.h"
#include "win/settings/settings_file.h"
#include "win/settings/settings_keys.h"
#include "win/settings/settings_lock.h"
#include "win/settings/settings_writable.h"

namespace varnock {

namespace {

const char* CheckedValue(TFormPad& pad, const char* fallback, const TestLibraryEntry* first,
                         const TestLibraryEntry* last) {
  for (const TestLibraryEntry* e = first; e != last; ++e)
    if (const MenuItem* item = pad.Item(e->entry); item && item->checked) return e->value;
  return fallback;
}

const char* ColourModeValue(TFormPad& pad) {
  for (const ColourModeEntry& e : kColourModes)
    if (const MenuItem* item = pad.Item(e.entry); item && item->checked) return e.value;
  return "INF";
}

}  // namespace

void TFormPad::fSaveSettings(int toolbarMode) {
  const std::string file = SettingsFile();
  SettingsLock lock(file);
  // A close never hangs on the settings: without the lock or the file, nothing is saved.
  if (!lock.Held() || !WaitForWritableSettings(file)) return;
  if (OtherCopiesRunning(file, hwnd_)) return;  // only the last copy stores its settings

  auto write = [&](const char* key, const std::string& value) { ProfileWrite(file, kSettingsSection, key, value); };
  auto writeText = [&](const char* key, const std::string& text) { write(key, QuoteForProfile(text)); };
  auto writeNumber = [&](const char* key, long long value) { write(key, std::to_string(value)); };

  if (!IsIconic(hwnd_) && !IsZoomed(hwnd_) && PositionsMayBeStored(file)) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    writeNumber("Top", r.top);
    writeNumber("Left", r.left);
    writeNumber("Height", r.bottom - r.top);
    writeNumber("Width", r.right - r.left);
  }
  ProfileEraseSection(file, "Instances");

  writeText("SavedPath", documentFolder);
  writeText("SavedRegPath", regFolder);
  write("Color", ColourModeValue(*this));
  writeNumber("Font", fontMode);
  writeText("Font_Name", fontDiagFont.face);
  writeNumber("Font_Size", fontDiagFont.pointSize);
  writeNumber("Font_Charset", fontDiagFont.charset & 0xFF);
  writeNumber("Font_Color", static_cast<std::int32_t>(fontDiagFont.colour));
  write("Font_Style", FontStyleLetters(fontDiagFont));
  write("TestDLL", CheckedValue(*this, "5", std::begin(kTestLibraries), std::end(kTestLibraries)));
  const MenuItem* runInf = Item("AffOptRunInf");
  write("RunInfGenerique", runInf && !runInf->checked ? "0" : "1");
  writeNumber("ColorCMT", static_cast<std::int32_t>(commentColour));
  writeNumber("ColorERR", static_cast<std::int32_t>(errorColour));
  writeNumber("ColorSEC", static_cast<std::int32_t>(sectionColour));
  writeNumber("ColorENT", static_cast<std::int32_t>(entryColour));
  writeText("TextF", FindDialog.SearchText());
  writeText("TextR", ReplaceDialog.ReplaceWith());
  writeText("Localisation", languageName);
  writeNumber("MenuBar", toolbarMode);
  std::vector<bool> checks;
  for (int i = 1; i <= kStoredToolButtons; ++i) {
    const MenuItem* tb = Item("TB" + std::to_string(i));
    checks.push_back(tb && tb->checked);
  }
  write("ToolButtons", ToolButtonsText(checks));
}

}  // namespace varnock
