// The instance table's operations on hand-made sections, and long random runs of
// starting, closing, killing and closing-all copies checked against a model.
#include "core/instances/instance_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "tests/core/instances/instance_fakes.h"

namespace varnock::test {
namespace {

using Section = std::map<std::string, std::string>;

TEST(InstanceTable, NumbersReadAsTheProfileFunctionsReadThem) {
  struct Case {
    const char* text;
    std::int64_t value;
  } cases[] = {{"12", 12},
               {" -7", -7},
               {"3abc", 3},
               {"abc", 0},
               {"", 0},
               {"+4", 4},
               {"99999999999999999999999", INT64_MAX},
               {"-2147483648", -2147483648LL}};
  for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << c.text;
}

TEST(InstanceTable, HandlesAreSigned32BitAndSignExtended) {
  MapStore store{{"1", "-123456"}, {"2", "4294967295"}, {"3", "junk"}};
  EXPECT_EQ(ReadHandle(store, 1), -123456);
  EXPECT_EQ(ReadHandle(store, 2), 0);  // beyond 32 bits: no window
  EXPECT_EQ(ReadHandle(store, 3), 0);
  EXPECT_EQ(HandleText(-5), "-5");
}

TEST(InstanceTable, CleanAndCountPurgesRenumbersAndDropsTheKilledCopysPositions) {
  struct Case {
    Section before;
    std::set<WindowId> live;
    Section after;
    int count;
  } cases[] = {
      // A dead first entry: the live second one moves down.
      {{{"Compte", "2"}, {"1", "10"}, {"2", "20"}}, {20}, {{"Compte", "1"}, {"1", "20"}}, 1},
      // The only entry dead: everything of it goes, and the count too.
      {{{"Compte", "1"}, {"1", "10"}, {"1Left", "1"}, {"1Top", "2"}, {"1Right", "3"}, {"1Bottom", "4"}}, {}, {}, 0},
      // The close-all key goes whatever else happens.
      {{{"Destroy", "Now"}, {"DontPos", "1"}}, {}, {{"DontPos", "1"}}, 0},
      // A killed copy 2 of 3: its positions go, copy 3 moves down with its positions.
      {{{"Compte", "3"}, {"1", "10"}, {"2", "20"}, {"3", "30"}, {"2Left", "5"}, {"3Left", "7"}, {"3Top", "8"}},
       {10, 30},
       {{"Compte", "2"}, {"1", "10"}, {"2", "30"}, {"2Left", "7"}, {"2Top", "8"}},
       2},
      // Hand-edited: text, a foreign handle, a repeated one, entries beyond the count.
      {{{"Compte", "2147483647"}, {"1", "abc"}, {"2", "20"}, {"3", "20"}, {"4", "40"}},
       {20, 40},
       {{"Compte", "2"}, {"1", "20"}, {"2", "40"}},
       2},
      {{{"Compte", "-3"}, {"4", "40"}}, {40}, {{"Compte", "1"}, {"1", "40"}}, 1},
  };
  for (Case& c : cases) {
    MapStore store;
    store.values = c.before;
    LiveWindows windows;
    windows.live = c.live;
    EXPECT_EQ(CleanAndCount(store, windows), c.count);
    EXPECT_EQ(store.values, c.after);
  }
}

TEST(InstanceTable, RegisterTakesTheNextNumberAndOffsetsTheWindow) {
  struct Case {
    Section before;
    Section after;
    int offsetSteps;
    std::optional<bool> menu;
  } cases[] = {
      {{}, {{"Compte", "1"}, {"1", "9"}}, 0, std::nullopt},
      {{{"Compte", "1"}, {"1", "5"}}, {{"Compte", "2"}, {"1", "5"}, {"2", "9"}}, 1, std::nullopt},
      {{{"Compte", "2"}, {"1", "5"}, {"2", "6"}}, {{"Compte", "3"}, {"1", "5"}, {"2", "6"}, {"3", "9"}}, 2, true},
      {{{"Compte", "3"}, {"1", "5"}, {"2", "6"}, {"3", "7"}},
       {{"Compte", "4"}, {"1", "5"}, {"2", "6"}, {"3", "7"}, {"4", "9"}},
       3,
       true},
      // Already registered: nothing written.
      {{{"Compte", "1"}, {"1", "9"}}, {{"Compte", "1"}, {"1", "9"}}, 1, std::nullopt},
      // Full: refused and nothing written.
      {{{"Compte", "4"}}, {{"Compte", "4"}}, 4, false},
      {{{"Compte", "0"}}, {{"Compte", "1"}, {"1", "9"}}, 0, std::nullopt},
  };
  for (Case& c : cases) {
    MapStore store;
    store.values = c.before;
    const Registration r = Register(store, 9);
    EXPECT_EQ(store.values, c.after);
    EXPECT_EQ(r.offsetSteps, c.offsetSteps);
    EXPECT_EQ(r.windowsMenuVisible, c.menu);
    EXPECT_EQ(r.registered, c.before.count("Compte") == 0 || c.before.at("Compte") != "4");
  }
}

TEST(InstanceTable, NumberOfGivesTheEntryOrTheCountAndTheMenuFromTwoCopiesOn) {
  MapStore store{{"Compte", "3"}, {"1", "5"}, {"2", "6"}, {"3", "7"}};
  EXPECT_EQ(NumberOf(store, 6).number, 2);
  EXPECT_TRUE(NumberOf(store, 6).windowsMenuVisible);
  EXPECT_EQ(NumberOf(store, 99).number, 3);
  MapStore single{{"Compte", "1"}, {"1", "5"}};
  EXPECT_FALSE(NumberOf(single, 5).windowsMenuVisible);
  EXPECT_EQ(NumberOf(MapStore{}, 5).number, 0);
  MapStore huge{{"Compte", "2147483647"}};
  EXPECT_EQ(NumberOf(huge, 5).number, 4);  // and it returns
}

TEST(InstanceTable, OthersCountForTheSettingsSaveOnlyWhenLiveOrInACloseAll) {
  const MapStore two{{"Compte", "2"}, {"1", "5"}, {"2", "6"}};
  EXPECT_TRUE(OthersRegistered(two, LiveWindows{5, 6}, 5));
  EXPECT_FALSE(OthersRegistered(two, LiveWindows{5}, 5));  // the other one died
  const MapStore closing{{"Compte", "2"}, {"1", "5"}, {"2", "6"}, {"Destroy", "Now"}};
  EXPECT_TRUE(OthersRegistered(closing, LiveWindows{5}, 5));
  EXPECT_FALSE(OthersRegistered(MapStore{{"Compte", "1"}, {"1", "5"}, {"Destroy", "Now"}}, LiveWindows{5}, 5));
}

TEST(InstanceTable, UnregisterRemovesOnlyTheEntryHoldingTheHandle) {
  struct Case {
    Section before;
    WindowId window;
    Section after;
  } cases[] = {
      {{{"Compte", "3"}, {"1", "5"}, {"2", "6"}, {"3", "7"}, {"3Left", "1"}, {"3Top", "2"}, {"2Left", "9"}},
       6,
       {{"Compte", "2"}, {"1", "5"}, {"2", "7"}, {"2Left", "1"}, {"2Top", "2"}}},
      // One or two entries: a stranger's handle removes nothing; the count still drops.
      {{{"Compte", "1"}, {"1", "5"}}, 8, {{"Compte", "0"}, {"1", "5"}}},
      {{{"Compte", "2"}, {"1", "5"}, {"2", "6"}}, 8, {{"Compte", "1"}, {"1", "5"}, {"2", "6"}}},
      {{{"Compte", "2"}, {"1", "5"}, {"2", "6"}, {"1Left", "3"}}, 5, {{"Compte", "1"}, {"1", "6"}}},
      {{{"Compte", "4"}, {"1", "5"}, {"2", "6"}, {"3", "7"}, {"4", "8"}},
       8,
       {{"Compte", "3"}, {"1", "5"}, {"2", "6"}, {"3", "7"}}},
      {{{"Compte", "7"}, {"1", "5"}}, 5, {{"Compte", "7"}, {"1", "5"}}},
      {{}, 5, {}},
  };
  for (Case& c : cases) {
    MapStore store;
    store.values = c.before;
    Unregister(store, c.window);
    EXPECT_EQ(store.values, c.after);
  }
}

TEST(InstanceTable, NumberedTitleReplacesOnlyARealNumber) {
  struct Case {
    const char* title;
    int number;
    const char* result;
  } cases[] = {
      {"Varnock v2.9.2 - file.inf", 2, "Varnock v2.9.2 - 2 - file.inf"},
      {"Varnock v2.9.2 - 3 - file.inf", 2, "Varnock v2.9.2 - 2 - file.inf"},
      {"Varnock v2.9.2 - ab-c.inf", 2, "Varnock v2.9.2 - 2 - ab-c.inf"},
      {"Varnock v2.9.2 - ", 4, "Varnock v2.9.2 - 4 - "},
      {"Varnock v2.9.2 - 1 - ", 3, "Varnock v2.9.2 - 3 - "},
      {"Varnock v2.9.2 - 12 - x", 3, "Varnock v2.9.2 - 3 - 12 - x"},
      {"no separator", 2, "no separator"},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberedTitle(c.title, c.number), c.result) << c.title;
}

TEST(InstanceTable, CopyEntryCaptionStartsAtTheFirstDash) {
  EXPECT_EQ(CopyEntryCaption("Varnock v2.9.2 - 2 - file.inf"), "- 2 - file.inf");
  EXPECT_EQ(CopyEntryCaption("Untitled"), "Untitled");
}

TEST(InstanceTable, RefreshTargetsListsTheOthersWithTheirNumbers) {
  MapStore store{{"Compte", "3"}, {"1", "5"}, {"2", "6"}, {"3", "7"}};
  const ListRefresh r = RefreshTargets(store, 6);
  ASSERT_EQ(r.others.size(), 2u);
  EXPECT_EQ(r.others[0].number, 1);
  EXPECT_EQ(r.others[1].number, 3);
  EXPECT_EQ(r.others[1].window, 7);
  EXPECT_TRUE(r.windowsMenuVisible);
  EXPECT_EQ(RefreshTargets(store, 0).others.size(), 3u);
  EXPECT_FALSE(RefreshTargets(MapStore{}, 0).windowsMenuVisible);
  EXPECT_FALSE(RefreshTargets(MapStore{{"Compte", "x"}, {"1", "5"}}, 0).windowsMenuVisible);
}

TEST(InstanceTable, SavePositionsKeepsTheFirstRectangles) {
  MapStore store{{"Compte", "2"}, {"1", "5"}, {"2", "6"}};
  std::map<WindowId, Rect> rects{{5, {1, 2, 3, 4}}, {6, {10, 20, 30, 40}}};
  auto rectOf = [&](WindowId w) -> std::optional<Rect> {
    auto it = rects.find(w);
    if (it == rects.end()) return std::nullopt;
    return it->second;
  };
  SavePositions(store, rectOf);
  rects[5] = {100, 100, 200, 200};
  SavePositions(store, rectOf);
  EXPECT_EQ(store.values.at("1Left"), "1");
  EXPECT_EQ(store.values.at("2Bottom"), "40");
  MapStore dead{{"Compte", "1"}, {"1", "77"}};
  SavePositions(dead, rectOf);
  EXPECT_FALSE(dead.Has("1Left"));
}

TEST(InstanceTable, RestorePositionsTakesTheRectanglesOutAndSkipsBadOnes) {
  MapStore store{{"Compte", "4"},  {"1", "5"},       {"2", "6"},       {"3", "7"},        {"4", "8"},
                 {"DontPos", "1"}, {"1Left", "1"},   {"1Top", "2"},    {"1Right", "30"},  {"1Bottom", "40"},
                 {"2Left", "x"},   {"2Top", "2"},    {"2Right", "30"}, {"2Bottom", "40"}, {"3Left", "50"},
                 {"3Top", "50"},   {"3Right", "50"}, {"3Bottom", "90"}};
  const std::vector<Placement> plan = TakeSavedPositions(store);
  ASSERT_EQ(plan.size(), 1u);  // 2 garbled, 3 empty, 4 registered later
  EXPECT_EQ(plan[0].window, 5);
  EXPECT_EQ(plan[0].rect, (Rect{1, 2, 30, 40}));
  EXPECT_EQ(store.values, (Section{{"Compte", "4"}, {"1", "5"}, {"2", "6"}, {"3", "7"}, {"4", "8"}, {"DontPos", "0"}}));
  MapStore single{{"Compte", "1"}, {"1", "5"}, {"1Left", "1"}};
  EXPECT_TRUE(TakeSavedPositions(single).empty());
  EXPECT_EQ(single.values.at("DontPos"), "0");
}

TEST(InstanceTable, WindowsMenuListsOnlyLiveCopies) {
  MapStore store{{"Compte", "4"}, {"1", "5"}, {"2", "6"}, {"3", "7"}, {"4", "8"}, {"1Left", "0"}};
  const WindowsMenuState state = WindowsMenuFacts(store, LiveWindows{5, 7, 8});
  EXPECT_TRUE(state.restoreEnabled);
  EXPECT_FALSE(state.newCopyEnabled);
  EXPECT_EQ(state.copies, (std::vector<WindowId>{5, 7, 8}));
  const WindowsMenuState empty = WindowsMenuFacts(MapStore{}, LiveWindows{});
  EXPECT_FALSE(empty.restoreEnabled);
  EXPECT_TRUE(empty.newCopyEnabled);
}

// --- random runs against a model ---------------------------------------------------------

// What each copy does with the table, as the program calls the operations: start (one
// locked step of clean-and-count and register), close (unregister, clean-and-count) and
// the close-all, in which the copies close without unregistering.
class Copies {
 public:
  void Start() {
    const WindowId w = next_++;
    windows_.live.insert(w);
    if (CleanAndCount(table_, windows_) <= 3 && Register(table_, w).registered) running_.push_back(w);
    else windows_.live.erase(w);  // refused: it closes at its first paint
  }
  void Close(size_t i) {
    const WindowId w = running_[i];
    running_.erase(running_.begin() + static_cast<long>(i));
    Unregister(table_, w);
    windows_.live.erase(w);
    CleanAndCount(table_, windows_);
  }
  void Kill(size_t i) {
    windows_.live.erase(running_[i]);
    running_.erase(running_.begin() + static_cast<long>(i));
  }
  void CloseAll() {
    table_.Write("Destroy", "Now");
    for (WindowId w : running_) windows_.live.erase(w);
    running_.clear();
  }
  size_t Running() const { return running_.size(); }

  // After any clean-and-count: numbers 1..count without gaps, each a running copy's,
  // every running copy numbered once.
  void Check(std::mt19937& random) {
    MapStore copy = table_;
    const int count = CleanAndCount(copy, windows_);
    ASSERT_EQ(static_cast<size_t>(count), running_.size());
    std::set<int> numbers;
    for (WindowId w : running_) {
      const int n = NumberOf(copy, w).number;
      ASSERT_GE(n, 1);
      ASSERT_LE(n, count);
      numbers.insert(n);
      ASSERT_EQ(ReadHandle(copy, n), w);
    }
    ASSERT_EQ(numbers.size(), running_.size());
    if (random() % 2) table_ = copy;  // sometimes the next step sees the cleaned table
  }

 private:
  MapStore table_;
  LiveWindows windows_;
  std::vector<WindowId> running_;
  WindowId next_ = 1000;
};

TEST(InstanceTableModel, RandomStartsClosesKillsAndCloseAllsKeepNumbersGaplessLiveAndUnique) {
  std::mt19937 random(20261208);
  for (int run = 0; run < 200; ++run) {
    Copies copies;
    for (int step = 0; step < 60; ++step) {
      const unsigned what = random() % 10;
      if (what < 5 || copies.Running() == 0) copies.Start();
      else if (what < 8) copies.Close(random() % copies.Running());
      else if (what < 9) copies.Kill(random() % copies.Running());
      else copies.CloseAll();
      ASSERT_LE(copies.Running(), 4u);
      copies.Check(random);
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace varnock::test
