#pragma once
// Lines found from the text control's own line index instead of its whole text.
//
// The control keeps its rows (visual lines while word wrap is on) and their starts; a
// keystroke must not read and split the whole document to learn where the caret's line
// is. A row starts a text line when a line break lies between it and the row before:
// the break is not part of the row's length, so the row before then ends short of it.
//
// The control parses line breaks as the text does (CR LF two positions, a lone CR or LF
// one) except for CR CR LF, which it keeps as one break, and it keeps each break it was
// given apart: a lone CR and a lone LF brought together by deleting what was between
// them stay two breaks where the text then holds one CR LF. `ControlKeepsTextLines`
// tells when neither can happen, so the rows give exactly the lines of the text.
#include <cstddef>
#include <optional>
#include <string>

#include "core/edit/line_geometry.h"

namespace varnock {

// What the control tells about its rows; positions as it counts them.
class RowIndex {
 public:
  virtual ~RowIndex() = default;
  virtual std::size_t textLength() const = 0;
  virtual std::size_t rowCount() const = 0;  // at least 1
  virtual std::size_t rowOf(std::size_t position) const = 0;
  virtual std::size_t rowStart(std::size_t row) const = 0;
  // Without the line break that may end the row.
  virtual std::size_t rowLength(std::size_t row) const = 0;
};

// True when the control's breaks are the text's: no CR CR LF, and not both a lone CR
// and a lone LF (which deletions could bring together into a split CR LF).
bool ControlKeepsTextLines(const std::string& text);
// True when `inserted` (typed, pasted or replaced) keeps a control that kept the
// text's lines doing so: every CR in it is followed by LF, every LF preceded by CR.
bool InsertionKeepsTextLines(const std::string& inserted);

// The caret's place for the status bar (as LocateCaret gives it from the text) when
// every row is a text line (word wrap off) and the control keeps the text's lines.
CaretPlace LocateCaretByRows(const RowIndex& rows, std::size_t position);

// The caret's place when the rows cannot give the line's number (word wrap on): from
// the text before the caret's line (up to `lineStart`, the line's start), whose line
// breaks are counted, and the text's length.
CaretPlace LocateCaretAfter(const std::string& textBefore, std::size_t lineStart, std::size_t position,
                            std::size_t textLength);

// A text line: where it starts and how many positions it holds, without its break,
// and the rows it covers.
struct TextLineRange {
  std::size_t start = 0;
  std::size_t length = 0;
  std::size_t firstRow = 0;
  std::size_t lastRow = 0;
};
inline bool operator==(TextLineRange a, TextLineRange b) { return a.start == b.start && a.length == b.length; }

// The text line `delta` lines after (negative: before) the one holding `position`,
// found from the rows, wrapped or not; nothing past the first or the last line.
std::optional<TextLineRange> TextLineNear(const RowIndex& rows, std::size_t position, int delta);

}  // namespace varnock
