#pragma once
// Character formatting of the text control: colours and fonts of ranges, the default
// format, RTF loading, and the notifications and scrolling that a formatting pass has
// to hold still. Text itself goes through RichEdit (rich_edit.h) and its code page.
#include <windows.h>

#include <richedit.h>

#include <string>
#include <utility>
#include <vector>

#include "core/edit/row_index.h"
#include "win/platform/rich_edit.h"

namespace varnock {

// `which` is SCF_DEFAULT, SCF_ALL or SCF_SELECTION.
void SetCharFormat(RichEdit& rich, const CHARFORMATA& format, WPARAM which);
// Colour of the selection (of the insertion point when nothing is selected).
void SetSelectionColour(RichEdit& rich, COLORREF colour);
// Colours ranges through the control's text object model, which leaves the selection
// and the caret where they are (no caret moved, hidden and shown at each range) and
// repaints only what changed, later; ranges already in their colour are left alone.
// False when the control offers no such model.
struct RangeColour {
  long start;
  long length;
  COLORREF colour;
};
bool SetRangeColoursInPlace(RichEdit& rich, const std::vector<RangeColour>& ranges);
// The format of the selection; with nothing selected, of the insertion point.
CHARFORMATA SelectionCharFormat(const RichEdit& rich);
// The colour of the character at `position` (selects it; the caller restores).
COLORREF CharColourAt(RichEdit& rich, long position);

// Replaces the whole text by an RTF document, no step of the undo history; false when
// the control refused it.
bool StreamInRtf(RichEdit& rich, const std::string& rtf);

// Turns the control's notifications off while alive, and back to what they were.
class QuietNotifications {
 public:
  explicit QuietNotifications(RichEdit& rich);
  ~QuietNotifications();
  QuietNotifications(const QuietNotifications&) = delete;
  QuietNotifications& operator=(const QuietNotifications&) = delete;

 private:
  RichEdit& rich_;
  LPARAM mask_;
};

// Holds the control's drawing while alive. When it ends, what waited to be repainted
// before is repainted still (turning the drawing off discards it under Wine), but what
// changed meanwhile only where the caller says (RepaintTextRange), or nowhere.
class RedrawOff {
 public:
  explicit RedrawOff(RichEdit& rich);
  ~RedrawOff();
  RedrawOff(const RedrawOff&) = delete;
  RedrawOff& operator=(const RedrawOff&) = delete;

 private:
  RichEdit& rich_;
  HRGN pending_ = nullptr;
};

// Repaints the band of the control from the line holding `start` down to the line
// holding `end` (offsets as the control counts them; `end` is a line's end).
void RepaintTextRange(RichEdit& rich, long start, long end);

// Format changes made while alive are no steps of the undo history (the control would
// record each one, and Undo would take back colours before the user's typing); what
// the history held stays.
class FormatOutsideUndo {
 public:
  explicit FormatOutsideUndo(RichEdit& rich);
  ~FormatOutsideUndo();
  FormatOutsideUndo(const FormatOutsideUndo&) = delete;
  FormatOutsideUndo& operator=(const FormatOutsideUndo&) = delete;

 private:
  RichEdit& rich_;
};

// First line shown at the top of the control, and scrolling back to it.
long FirstVisibleLine(const RichEdit& rich);
void ScrollToFirstLine(RichEdit& rich, long line);

// Line geometry as the control counts it (visual lines while word wrap is on).
long LineCount(const RichEdit& rich);
// The 0-based line's offset and text (without its line break), read through the
// control's code page without touching the selection; false past the last line.
bool ReadLine(const RichEdit& rich, long line, long* start, std::string* text);

// The control's rows as its line index gives them: no read of the whole text. What it
// was asked is remembered (each request costs some microseconds under Wine), so it
// stands for the control as it was when made: make one per look-up.
class ControlRows : public RowIndex {
 public:
  explicit ControlRows(const RichEdit& rich);
  std::size_t textLength() const override { return length_; }
  std::size_t rowCount() const override;
  std::size_t rowOf(std::size_t position) const override;
  std::size_t rowStart(std::size_t row) const override;
  std::size_t rowLength(std::size_t row) const override;

 private:
  const RichEdit& rich_;
  std::size_t length_;
  mutable std::size_t rowCount_ = 0;
  mutable std::vector<std::pair<std::size_t, std::size_t>> starts_, lengths_;  // row, value
};

// The text of rows `first` to `last` (one text line), through the control's code page,
// without touching the selection.
std::string ReadRows(const RichEdit& rich, std::size_t first, std::size_t last);

// The text from the start up to `end`, as the ANSI code page has it: for counting line
// breaks, which every code page keeps.
std::string ReadTextBefore(const RichEdit& rich, long end);

// The selection as one read: start and length.
struct RichSelection {
  long start = 0;
  long length = 0;
};
RichSelection SelectionOf(const RichEdit& rich);
void SetSelection(RichEdit& rich, RichSelection selection);

// Formatting marks the text modified: while alive, what formats the text leaves the
// modified flag as it was (a modified text stays so anyway).
class KeepModifiedFlag {
 public:
  explicit KeepModifiedFlag(RichEdit& rich);
  ~KeepModifiedFlag();
  KeepModifiedFlag(const KeepModifiedFlag&) = delete;
  KeepModifiedFlag& operator=(const KeepModifiedFlag&) = delete;

 private:
  RichEdit& rich_;
  bool modified_;
};

}  // namespace varnock
