// The main window's part in the instance table: registering at construction, taking
// its number at paints and title updates, renumbering the others, leaving at the close.
// Every read-modify-write of the table runs under the settings lock; windows of other
// copies are touched only after it is released (a cross-process call waits for them).
#include "core/instances/instance_table.h"
#include "win/app/form_pad.h"
#include "win/instances/arrange.h"
#include "win/instances/instance_profile.h"
#include "win/platform/window_base.h"
#include "win/settings/settings_file.h"
#include "win/settings/settings_lock.h"

namespace varnock {

namespace {

constexpr int kOffsetRight = 20;
constexpr int kOffsetDown = 44;

bool ReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// The read-only attribute is tested itself: a program with every right (root under
// Wine) would write such a file anyway. A missing file is made in the program's folder.
bool TableMayBeWritten(const std::string& file) {
  if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES) return !ReadOnly(file);
  const std::string::size_type slash = file.find_last_of("\\/");
  return slash == std::string::npos || !ReadOnly(file.substr(0, slash));
}

}  // namespace

void TFormPad::SetWindowsMenuVisible(bool visible) {
  MenuItem* menu = Item("WinMenu");
  if (!menu || menu->visible == visible) return;
  menu->visible = visible;
  RefreshMenuBar();
}

void TFormPad::fRegisterInstance() {
  refused = false;
  instanceTableWritable_ = TableMayBeWritten(SettingsFile());
  if (!instanceTableWritable_) return;
  SettingsLock lock(SettingsFile());
  ProfileInstanceStore store(SettingsFile());
  const LiveMainWindows live;
  const int count = CleanAndCount(store, live);
  Registration registration;
  if (count <= 3) registration = Register(store, ToWindowId(hwnd_));
  lock.Release();
  // A table that cannot be written (read-only file or folder) numbers nobody: the copy
  // runs unnumbered rather than being refused by entries it cannot clean.
  instanceTableWritable_ = !store.Failed();
  refused = instanceTableWritable_ && !registration.registered;
  if (!instanceTableWritable_) return;
  if (registration.offsetSteps > 0 && !refused) {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, rect.left + kOffsetRight * registration.offsetSteps,
                 rect.top + kOffsetDown * registration.offsetSteps, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (registration.windowsMenuVisible) SetWindowsMenuVisible(*registration.windowsMenuVisible);
}

void TFormPad::fTakeInstanceNumber(const KeyValueStore* table) {
  if (!instanceTableWritable_) {
    instanceNumber = 0;
    SetWindowsMenuVisible(false);
    return;
  }
  Numbering numbering;
  if (table) {
    numbering = NumberOf(*table, ToWindowId(hwnd_));
  } else {
    const std::string file = SettingsFile();
    const FileStamp stamp = StampOf(file);
    const std::string title = WindowText(hwnd_);
    if (!takenNumber_ || takenNumber_->file != file || takenNumber_->stamp != stamp || takenNumber_->title != title)
      takenNumber_ = TakenNumber{file, stamp, NumberOf(ProfileInstanceStore(file), ToWindowId(hwnd_)), title};
    numbering = takenNumber_->numbering;
  }
  instanceNumber = numbering.number;
  SetWindowsMenuVisible(numbering.windowsMenuVisible);
}

void TFormPad::fRefreshList(HWND except) {
  if (!instanceTableWritable_) return;
  fRefreshOthers(RefreshTargets(ProfileInstanceStore(SettingsFile()), ToWindowId(except)));
}

void TFormPad::fRefreshOthers(const ListRefresh& refresh) {
  SetWindowsMenuVisible(refresh.windowsMenuVisible);
  const LiveMainWindows live;
  for (const NumberedWindow& other : refresh.others) {
    if (!live.IsLive(other.window)) continue;  // never rename or move someone else's window
    HWND window = ToHwnd(other.window);
    const std::string title = NumberedTitle(WindowText(window), other.number);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()), SMTO_ABORTIFHUNG, 2000,
                        &ignored);
    // Invalidated rather than moved by a pixel and back: copies closing at the same time
    // would each read the other's nudged rectangle and leave the window displaced.
    ForceRepaint(window);
  }
}

bool TFormPad::fLeaveInstanceTable(const std::function<void(bool lockHeld)>& whileLocked) {
  SettingsLock lock(SettingsFile());
  std::optional<ListRefresh> refresh;
  {
    ProfileInstanceStore before(SettingsFile());
    if (before.Has("Destroy")) {
      // A close-all: the table stays as it is; the next clean-and-count drops this entry.
      if (whileLocked) whileLocked(lock.Held());
      return false;
    }
    // Dead copies first, so that the last live copy sees itself as the last one.
    if (instanceTableWritable_) CleanAndCount(before, LiveMainWindows());
  }
  if (whileLocked) whileLocked(lock.Held());
  if (instanceTableWritable_) {
    ProfileInstanceStore store(SettingsFile());
    Unregister(store, ToWindowId(hwnd_));
    CleanAndCount(store, LiveMainWindows());
    refresh = RefreshTargets(store, 0);
  }
  lock.Release();
  if (refresh) fRefreshOthers(*refresh);
  return true;
}

void TFormPad::fStopCloseAll() {
  SettingsLock lock(SettingsFile());
  ProfileInstanceStore store(SettingsFile());
  if (!store.Has("Destroy")) return;
  // The copies that closed in the close-all left their entries: drop them and renumber.
  CleanAndCount(store, LiveMainWindows());
  const ListRefresh refresh = RefreshTargets(store, ToWindowId(hwnd_));
  lock.Release();
  fRefreshOthers(refresh);
}

}  // namespace varnock
