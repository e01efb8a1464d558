#pragma once
// The instance table: section [Instances] of the shared settings file, through which up
// to four copies of the program number, list, arrange and close each other. These
// routines decide everything over a key-value view of the section and a question about
// windows; the caller supplies both, holds the settings lock around read-modify-writes
// and touches other copies' windows only afterwards.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnock {

// The keys and values of [Instances].
class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  virtual std::optional<std::string> Read(const std::string& key) const = 0;
  virtual void Write(const std::string& key, const std::string& value) = 0;
  virtual void Remove(const std::string& key) = 0;
  bool Has(const std::string& key) const { return Read(key).has_value(); }
};

// A main window handle as the table stores it: a signed 32-bit number.
using WindowId = std::int32_t;

class WindowFacts {
 public:
  virtual ~WindowFacts() = default;
  // A main window of this program (not only some window: handles are reused).
  virtual bool IsLive(WindowId window) const = 0;
};

inline constexpr int kMaxCopies = 4;

// A decimal number as the profile functions read one: blanks, a sign, digits, then
// anything; no digits at all gives `fallback`. Values beyond 64 bits saturate.
std::int64_t ParseNumber(const std::string& text, std::int64_t fallback = 0);
// The value of `key` as a number (absent or not a number: `fallback`).
std::int64_t ReadNumber(const KeyValueStore& store, const std::string& key, std::int64_t fallback = 0);
// The handle under entry n; 0 when absent, not a number or out of 32 bits.
WindowId ReadHandle(const KeyValueStore& store, int n);
std::string HandleText(WindowId window);
// `Compte` limited to 0..4, so a hand-edited huge count cannot make a loop run long.
int BoundedCount(const KeyValueStore& store);

// Purges dead (or repeated) entries with their saved positions, closes the gaps moving
// positions along with handles, rewrites `Compte` (absent rather than 0) and removes
// `Destroy`. Returns the number of registered copies.
int CleanAndCount(KeyValueStore& store, const WindowFacts& windows);

struct Registration {
  bool registered = false;                 // the window now stands in the table
  int offsetSteps = 0;                     // move the window by 20 and 44 pixels this many times
  std::optional<bool> windowsMenuVisible;  // set when registering decides it
};
// Adds `window` under the next number (call after CleanAndCount, under the same lock).
Registration Register(KeyValueStore& store, WindowId window);

struct Numbering {
  int number = 0;
  bool windowsMenuVisible = false;
};
// The number under which `window` stands; an unregistered one gets the count.
Numbering NumberOf(const KeyValueStore& store, WindowId window);

// Whether a copy other than `own` counts as running for the settings save: `Compte`
// above 1 and either a close-all under way (its closing copies leave their entries on
// purpose) or another registered live main window.
bool OthersRegistered(const KeyValueStore& store, const WindowFacts& windows, WindowId own);

// Removes the entry holding `window` (only that one), moving the higher entries and
// their saved positions down by one, and lowers `Compte`.
void Unregister(KeyValueStore& store, WindowId window);

struct NumberedWindow {
  int number;
  WindowId window;
};
struct ListRefresh {
  bool windowsMenuVisible = false;
  std::vector<NumberedWindow> others;  // to retitle and repaint, in table order
};
// The windows refresh-list renumbers: every registered one but `except` (0: none).
ListRefresh RefreshTargets(const KeyValueStore& store, WindowId except);

// `title` carrying `number` after its first " - ": a number already there (one digit
// followed by " - ") is replaced. A title without " - " is returned unchanged.
std::string NumberedTitle(const std::string& title, int number);

// The Windows menu's entry for another copy: its title from the first "- " on.
std::string CopyEntryCaption(const std::string& title);

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// The handles of entries 1..Compte (at most four), in table order.
std::vector<WindowId> RegisteredWindows(const KeyValueStore& store);

// Remembers the rectangles of the registered windows that have none saved yet.
// `rectOf` gives a window's normal rectangle, or nothing when it has none.
template <typename RectOf>
void SavePositions(KeyValueStore& store, RectOf rectOf);
void SavePositionOf(KeyValueStore& store, int n, const Rect& rect);

struct Placement {
  WindowId window;
  Rect rect;
};
// Restore positions: takes the saved rectangles out of the table (deleting them) and
// returns where to put each window back; writes `DontPos` = 0. Missing, garbled or
// empty rectangles are skipped.
std::vector<Placement> TakeSavedPositions(KeyValueStore& store);

struct WindowsMenuState {
  bool restoreEnabled = false;
  bool newCopyEnabled = true;
  std::vector<WindowId> copies;  // live registered windows in table order
};
WindowsMenuState WindowsMenuFacts(const KeyValueStore& store, const WindowFacts& windows);

// Positions keys of copy n: "1Left" ... "4Bottom".
std::string PositionKey(int n, const char* side);

template <typename RectOf>
void SavePositions(KeyValueStore& store, RectOf rectOf) {
  if (!store.Has("Compte")) return;
  const std::vector<WindowId> list = RegisteredWindows(store);
  for (size_t i = 0; i < list.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    if (store.Has(PositionKey(n, "Left"))) continue;
    if (std::optional<Rect> rect = rectOf(list[i])) SavePositionOf(store, n, *rect);
  }
}

}  // namespace varnock
