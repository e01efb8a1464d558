// The recent files of the File menu, shared by every running copy through the settings file.
#include <windows.h>

#include "core/document/recent_files.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/file_io.h"
#include "win/platform/profile.h"
#include "win/platform/prompter.h"
#include "win/settings/settings_file.h"

namespace varnock {

namespace {

const char* const kOldKeys[4] = {"Old1", "Old2", "Old3", "Old4"};

RecentList ReadRecent() {
  RecentList list;
  for (int i = 0; i < 4; ++i) list[i] = ProfileRead(SettingsFile(), "OldFiles", kOldKeys[i], "");
  return list;
}

}  // namespace

void TFormPad::fAddOldFile(const std::string& fileName) {
  RecentList list = ReadRecent();
  if (!PushRecent(list, fileName)) return;
  for (int i = 3; i >= 0; --i) {
    if (!list[i].empty()) ProfileWrite(SettingsFile(), "OldFiles", kOldKeys[i], list[i]);
  }
}

void TFormPad::fShowOldFiles() {
  const RecentList list = ReadRecent();
  MenuItem* separator = Item("OldN");
  if (list[0].empty()) {
    for (const char* key : kOldKeys) Item(key)->visible = false;
    separator->visible = false;
    return;
  }
  separator->visible = true;
  for (int i = 0; i < 4; ++i) {
    if (list[i].empty()) continue;
    MenuItem* entry = Item(kOldKeys[i]);
    entry->caption = RecentCaption(i + 1, list[i]);
    entry->hint = list[i];
    entry->visible = true;
  }
}

void TFormPad::FileMenuClick() { fShowOldFiles(); }

void TFormPad::OldClick(MenuItem& entry) {
  const std::string fileName = entry.hint;
  if (!FileExists(fileName)) {
    ShowMessage(hwnd_, fMessage("FILE_OPEN_ABSENT"), MB_OK | MB_ICONERROR);
    return;
  }
  if (!CanOpenReadWrite(fileName) && ShowMessage(hwnd_, fMessage("FILE_OPEN_RO"), MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  Rich1.tag = 0;
  if (!fCheckUnsaved()) {
    Rich1.tag = 1;
    return;
  }
  fOpenFile(fileName);
  Rich1.tag = 1;
}

}  // namespace varnock
