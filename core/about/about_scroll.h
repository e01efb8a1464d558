#pragma once
// The about box's scrolling text: where each line stands for a scroll offset, and how
// the offset moves at each tick.
namespace varnock {

constexpr int kAboutScrollFirst = 15;    // offset when the box is shown
constexpr int kAboutScrollRestart = 45;  // offset of every later pass
constexpr int kAboutScrollLast = -140;   // last offset of a pass
constexpr int kAboutLineCount = 12;      // ABOUT0 ... ABOUT11
constexpr int kAboutLineStep = 15;
constexpr int kAboutTextX = 10;

// Top of line n (0 ... 11) at offset `tag`.
constexpr int AboutLineTop(int tag, int n) { return tag + kAboutLineStep * n; }

// The offset after one tick: one pixel up, back to the restart below the last.
constexpr int NextAboutScroll(int tag) { return tag - 1 < kAboutScrollLast ? kAboutScrollRestart : tag - 1; }

}  // namespace varnock
