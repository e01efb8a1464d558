#include "core/instances/instance_table.h"

#include <cctype>
#include <limits>

namespace varnock {

namespace {

constexpr const char* kSides[] = {"Left", "Top", "Right", "Bottom"};

std::string HandleKey(int n) { return std::to_string(n); }

void RemovePositions(KeyValueStore& store, int n) {
  for (const char* side : kSides) store.Remove(PositionKey(n, side));
}

// Moves one value from `from` to `to` when `from` exists (read as text, written, deleted).
void MoveValue(KeyValueStore& store, const std::string& from, const std::string& to) {
  if (std::optional<std::string> value = store.Read(from)) {
    store.Write(to, *value);
    store.Remove(from);
  }
}

// Entry `from` takes the free number `to`, its saved positions with it.
void MoveEntry(KeyValueStore& store, int from, int to) {
  MoveValue(store, HandleKey(from), HandleKey(to));
  RemovePositions(store, to);
  for (const char* side : kSides) MoveValue(store, PositionKey(from, side), PositionKey(to, side));
}

void WriteCount(KeyValueStore& store, int count) {
  const std::optional<std::string> old = store.Read("Compte");
  if (count == 0) {
    if (old) store.Remove("Compte");
  } else if (!old || *old != std::to_string(count)) {
    store.Write("Compte", std::to_string(count));
  }
}

// Removes entry k of c: the higher handles and positions move down by one.
void RemoveEntry(KeyValueStore& store, int k, int c) {
  store.Remove(HandleKey(k));
  for (int j = k + 1; j <= c; ++j) MoveValue(store, HandleKey(j), HandleKey(j - 1));
  RemovePositions(store, k);
  for (int j = k + 1; j <= c; ++j)
    for (const char* side : kSides) MoveValue(store, PositionKey(j, side), PositionKey(j - 1, side));
}

}  // namespace

std::string PositionKey(int n, const char* side) { return std::to_string(n) + side; }

std::int64_t ParseNumber(const std::string& text, std::int64_t fallback) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return fallback;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    const int digit = text[i] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

std::int64_t ReadNumber(const KeyValueStore& store, const std::string& key, std::int64_t fallback) {
  const std::optional<std::string> text = store.Read(key);
  return text ? ParseNumber(*text, fallback) : fallback;
}

WindowId ReadHandle(const KeyValueStore& store, int n) {
  const std::int64_t value = ReadNumber(store, HandleKey(n));
  if (value < std::numeric_limits<WindowId>::min() || value > std::numeric_limits<WindowId>::max()) return 0;
  return static_cast<WindowId>(value);
}

std::string HandleText(WindowId window) { return std::to_string(window); }

int BoundedCount(const KeyValueStore& store) {
  const std::int64_t c = ReadNumber(store, "Compte");
  return c < 0 ? 0 : c > kMaxCopies ? kMaxCopies : static_cast<int>(c);
}

int CleanAndCount(KeyValueStore& store, const WindowFacts& windows) {
  store.Remove("Destroy");
  // Every entry is checked, not only 1..Compte: a hand-edited or half-written table may
  // hold entries beyond the count, and they would be counted below.
  for (int n = 1; n <= kMaxCopies; ++n) {
    if (!store.Has(HandleKey(n))) continue;
    const WindowId window = ReadHandle(store, n);
    bool repeated = false;
    for (int m = 1; m < n; ++m) repeated = repeated || (store.Has(HandleKey(m)) && ReadHandle(store, m) == window);
    if (repeated || !windows.IsLive(window)) {
      store.Remove(HandleKey(n));
      RemovePositions(store, n);
    }
  }
  static constexpr int kMoves[][2] = {{2, 1}, {3, 1}, {4, 1}, {3, 2}, {4, 2}, {4, 3}};
  for (const auto& move : kMoves)
    if (!store.Has(HandleKey(move[1])) && store.Has(HandleKey(move[0]))) MoveEntry(store, move[0], move[1]);
  int count = 0;
  for (int n = 1; n <= kMaxCopies; ++n)
    if (store.Has(HandleKey(n))) count = n;
  WriteCount(store, count);
  return count;
}

Registration Register(KeyValueStore& store, WindowId window) {
  Registration result;
  if (!store.Has("Compte")) {
    store.Write("Compte", "1");
    store.Write("1", HandleText(window));
    result.registered = true;
    return result;
  }
  const std::int64_t a = ReadNumber(store, "Compte");
  if (a < 1 || a > kMaxCopies) {
    store.Write("Compte", "1");
    store.Write("1", HandleText(window));
    result.registered = true;
    return result;
  }
  const int already = static_cast<int>(a);
  result.offsetSteps = already;
  if (already == kMaxCopies) {
    result.windowsMenuVisible = false;
    return result;
  }
  for (int n = 1; n <= already; ++n)
    if (ReadHandle(store, n) == window) {
      result.registered = true;
      return result;
    }
  store.Write("Compte", std::to_string(already + 1));
  store.Write(HandleKey(already + 1), HandleText(window));
  result.registered = true;
  if (already >= 2) result.windowsMenuVisible = true;
  return result;
}

Numbering NumberOf(const KeyValueStore& store, WindowId window) {
  Numbering result;
  if (!store.Has("Compte")) return result;
  const std::int64_t c = ReadNumber(store, "Compte");
  result.windowsMenuVisible = c != 1;
  for (int n = 1; n <= BoundedCount(store); ++n)
    if (ReadHandle(store, n) == window) {
      result.number = n;
      return result;
    }
  result.number = c < 0 ? 0 : c > kMaxCopies ? kMaxCopies : static_cast<int>(c);
  return result;
}

bool OthersRegistered(const KeyValueStore& store, const WindowFacts& windows, WindowId own) {
  if (ReadNumber(store, "Compte") <= 1) return false;
  if (store.Has("Destroy")) return true;
  for (WindowId window : RegisteredWindows(store))
    if (window != own && windows.IsLive(window)) return true;
  return false;
}

void Unregister(KeyValueStore& store, WindowId window) {
  if (!store.Has("Compte")) return;
  const std::int64_t c = ReadNumber(store, "Compte");
  if (c < 1 || c > kMaxCopies) return;
  const int count = static_cast<int>(c);
  for (int k = count; k >= 1; --k)
    if (store.Has(HandleKey(k)) && ReadHandle(store, k) == window) {
      RemoveEntry(store, k, count);
      break;
    }
  store.Write("Compte", std::to_string(count - 1));
}

std::vector<WindowId> RegisteredWindows(const KeyValueStore& store) {
  std::vector<WindowId> list;
  if (!store.Has("Compte")) return list;
  for (int n = 1; n <= BoundedCount(store); ++n) list.push_back(ReadHandle(store, n));
  return list;
}

ListRefresh RefreshTargets(const KeyValueStore& store, WindowId except) {
  ListRefresh result;
  if (!store.Has("Compte")) return result;
  result.windowsMenuVisible = ReadNumber(store, "Compte", 1) != 1;
  const std::vector<WindowId> list = RegisteredWindows(store);
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] != except) result.others.push_back({static_cast<int>(i) + 1, list[i]});
  return result;
}

std::string NumberedTitle(const std::string& title, int number) {
  const size_t p = title.find(" - ");
  if (p == std::string::npos) return title;
  std::string result = title;
  const size_t after = p + 3;
  // Only one digit and " - " make a number: "ab-c.inf" is a file name.
  if (result.size() >= after + 4 && std::isdigit(static_cast<unsigned char>(result[after])) &&
      result.compare(after + 1, 3, " - ") == 0)
    result.erase(after, 4);
  result.insert(after, std::to_string(number) + " - ");
  return result;
}

std::string CopyEntryCaption(const std::string& title) {
  const size_t k = title.find("- ");
  return k == std::string::npos ? title : title.substr(k);
}

void SavePositionOf(KeyValueStore& store, int n, const Rect& rect) {
  const int values[] = {rect.left, rect.top, rect.right, rect.bottom};
  for (int i = 0; i < 4; ++i) store.Write(PositionKey(n, kSides[i]), std::to_string(values[i]));
}

std::vector<Placement> TakeSavedPositions(KeyValueStore& store) {
  std::vector<Placement> result;
  if (store.Has("Compte") && store.Has(PositionKey(1, "Left"))) {
    const int c = BoundedCount(store);
    for (int n = 1; c > 1 && n <= c; ++n) {
      if (!store.Has(PositionKey(n, "Left"))) continue;  // registered after the positions were saved
      const WindowId window = ReadHandle(store, n);
      std::int64_t values[4];
      bool complete = true;
      for (int i = 0; i < 4; ++i) {
        const std::string key = PositionKey(n, kSides[i]);
        values[i] = ReadNumber(store, key, std::numeric_limits<std::int64_t>::min());
        complete = complete && values[i] >= std::numeric_limits<int>::min() / 2 &&
                   values[i] <= std::numeric_limits<int>::max() / 2;
        store.Remove(key);
      }
      if (!complete || values[2] <= values[0] || values[3] <= values[1]) continue;
      result.push_back({window, Rect{static_cast<int>(values[0]), static_cast<int>(values[1]),
                                     static_cast<int>(values[2]), static_cast<int>(values[3])}});
    }
  }
  store.Write("DontPos", "0");
  return result;
}

WindowsMenuState WindowsMenuFacts(const KeyValueStore& store, const WindowFacts& windows) {
  WindowsMenuState state;
  state.restoreEnabled = store.Has(PositionKey(1, "Left"));
  const std::int64_t c = store.Has("Compte") ? ReadNumber(store, "Compte") : 0;
  state.newCopyEnabled = c != kMaxCopies;
  for (WindowId window : RegisteredWindows(store))
    if (windows.IsLive(window)) state.copies.push_back(window);
  return state;
}

}  // namespace varnock
