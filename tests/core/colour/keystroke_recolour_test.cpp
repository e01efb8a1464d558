#include "core/colour/keystroke_recolour.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

using Lines = std::vector<std::size_t>;

KeyEvent Down(unsigned vk) { return KeyEvent{true, vk}; }
KeyEvent Up(unsigned vk) { return KeyEvent{false, vk}; }

TEST(KeystrokeColourTest, LinesEachKeyRecolours) {
  for (unsigned vk : {0x21u, 0x22u, 0x23u, 0x24u, 0x25u, 0x27u, 0x0Du}) {
    EXPECT_EQ(RecolourForKey(Down(vk), 5, true).lines, Lines{5}) << vk;
  }
  EXPECT_EQ(RecolourForKey(Down(0x28), 5, true).lines, (Lines{5, 6}));
  EXPECT_EQ(RecolourForKey(Down(0x26), 5, true).lines, (Lines{4, 5}));
  EXPECT_EQ(RecolourForKey(Down(0x26), 1, true).lines, (Lines{0, 1}));
  for (unsigned vk : {48u, 57u, 65u, 90u, 0x20u, 0x08u, 0x2Eu, 186u, 222u}) {
    EXPECT_EQ(RecolourForKey(Up(vk), 5, true).lines, Lines{5}) << vk;
    // The typing keys recolour on release only.
    EXPECT_TRUE(RecolourForKey(Down(vk), 5, true).lines.empty()) << vk;
  }
  for (unsigned vk : {47u, 91u, 185u, 0x10u, 0x28u}) {
    EXPECT_TRUE(RecolourForKey(Up(vk), 5, true).lines.empty()) << vk;
  }
}

TEST(KeystrokeColourTest, SelectionModifiersAndFlag) {
  KeyEvent selecting = Down(0x25);
  selecting.selectionEmpty = false;
  EXPECT_TRUE(RecolourForKey(selecting, 5, true).lines.empty());
  // Enter recolours even over a selection, but not with a modifier.
  KeyEvent enter = Down(0x0D);
  enter.selectionEmpty = false;
  EXPECT_EQ(RecolourForKey(enter, 5, true).lines, Lines{5});
  enter.ctrl = true;
  EXPECT_TRUE(RecolourForKey(enter, 5, true).lines.empty());
  KeyEvent typed = Up(65);
  typed.selectionEmpty = false;
  EXPECT_TRUE(RecolourForKey(typed, 5, true).lines.empty());
  EXPECT_TRUE(RecolourForKey(Down(0x0D), 5, false).lines.empty());

  KeyEvent paste = Down(0x2D);
  paste.shift = true;
  EXPECT_TRUE(RecolourForKey(paste, 5, false).setRecolourPending);
  EXPECT_FALSE(RecolourForKey(Down(0x2D), 5, true).setRecolourPending);
}

// The steps colour, from any caret line, the lines the numbers do (0 and numbers past
// the end colour nothing either way), and set the same flag.
// Modifiers are read only for the keys that say they need them: every other key event
// must do the same whatever Shift, Ctrl and Alt are.
TEST(KeystrokeColourTest, ModifiersChangeOnlyTheKeysThatAskForThem) {
  for (const bool down : {true, false}) {
    for (unsigned vk = 0; vk < 256; ++vk) {
      if (KeyNeedsModifiers(down, vk)) continue;
      for (const bool empty : {true, false}) {
        for (const bool live : {true, false}) {
          const KeystrokeRecolour bare = RecolourForKey(KeyEvent{down, vk, false, false, false, empty}, 7, live);
          for (int mods = 1; mods < 8; ++mods) {
            const KeystrokeRecolour with =
                RecolourForKey(KeyEvent{down, vk, (mods & 1) != 0, (mods & 2) != 0, (mods & 4) != 0, empty}, 7, live);
            ASSERT_EQ(with.lines, bare.lines) << vk << " down " << down << " mods " << mods;
            ASSERT_EQ(with.setRecolourPending, bare.setRecolourPending) << vk << " down " << down << " mods " << mods;
          }
        }
      }
    }
  }
  EXPECT_TRUE(KeyNeedsModifiers(true, 0x2D));  // Insert: Shift+Insert pastes, Insert alone switches
  EXPECT_TRUE(KeyNeedsModifiers(true, 0x0D));  // Return: recoloured without modifiers only
  EXPECT_FALSE(KeyNeedsModifiers(false, 0x2D));
}

TEST(KeystrokeColourTest, StepsFromTheCaretAreTheLinesOfEveryCaretLine) {
  int compared = 0;
  for (unsigned vk = 0; vk < 256; ++vk)
    for (unsigned flags = 0; flags < 64; ++flags) {
      const KeyEvent key{(flags & 1) != 0, vk, (flags & 2) != 0, (flags & 4) != 0, (flags & 8) != 0, (flags & 16) != 0};
      const bool live = (flags & 32) != 0;
      const KeystrokeSteps steps = RecolourStepsForKey(key, live);
      for (const std::size_t caretLine : {1u, 2u, 7u, 5000u}) {
        const KeystrokeRecolour lines = RecolourForKey(key, caretLine, live);
        ASSERT_EQ(steps.setRecolourPending, lines.setRecolourPending) << vk << " " << flags;
        Lines fromSteps;
        for (const int step : steps.steps)
          if (static_cast<long>(caretLine) + step >= 1) fromSteps.push_back(caretLine + step);
        Lines numbered;
        for (const std::size_t line : lines.lines)
          if (line >= 1) numbered.push_back(line);
        ASSERT_EQ(fromSteps, numbered) << vk << " " << flags << " line " << caretLine;
        ++compared;
      }
    }
  EXPECT_EQ(compared, 256 * 64 * 4);
}

}  // namespace
}  // namespace varnock
