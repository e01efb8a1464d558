#pragma once
// Where the lines of the text control's text lie. Line i starts at S(i), the sum of
// (length + 2) over the lines before it, and its range ends at E(i) = S(i) + length + 2,
// the start of the next line. The control hands out CR LF breaks, so these are also
// indexes into the string; a lone CR or LF, should one get in, counts its one byte so
// that positions and string indexes never drift apart.
#include <cstddef>
#include <string>
#include <vector>

#include "core/edit/selection.h"

namespace varnock {

class LineGeometry {
 public:
  // The lines are the control's: a line break at the very end starts no further
  // line, and the empty text has no line at all.
  explicit LineGeometry(const std::string& text);

  std::size_t count() const { return starts_.size(); }
  std::size_t textLength() const { return textLength_; }
  // S(i), the line's length without its break, and E(i). A last line without a
  // break still ends 2 positions after its last character, past the end of the text.
  std::size_t start(std::size_t line) const { return starts_[line]; }
  std::size_t length(std::size_t line) const { return lengths_[line]; }
  std::size_t end(std::size_t line) const { return ends_[line]; }

  // First line i (0-based) with position < E(i); count() when there is none.
  std::size_t lineHolding(std::size_t position) const;

 private:
  std::vector<std::size_t> starts_;
  std::vector<std::size_t> lengths_;
  std::vector<std::size_t> ends_;
  std::size_t textLength_ = 0;
};

// The caret's place for the status bar: the line from 1, the column from 0. A caret
// at the end of a line belongs to that line; a caret after a final line break is on
// line count + 1, column 0. The empty text reads line 1, column 1: that odd column is
// the one the status bar has always shown there, and the Tab key's blank count is
// computed from it.
struct CaretPlace {
  std::size_t line = 1;
  std::size_t column = 1;
};
CaretPlace LocateCaret(const LineGeometry& geometry, std::size_t position);

// The whole lines a selection touches. The first is the line with
// S(i) <= start < E(i), the last the line with S(i) < end <= E(i); a caret in column 1
// with nothing selected touches none, and a selection that ends exactly at the start
// of a line leaves that line out. A selection of the whole text touches every line.
struct TouchedLines {
  std::size_t count = 0;  // 0 when no line is touched; first and last are then meaningless
  std::size_t first = 0;
  std::size_t last = 0;
  bool wholeText = false;
  // The selection to set before a line command works: from the first touched line's
  // start to the end of the last one's characters, so the break after it is kept.
  // The selection as it was when no line is touched or the whole text is selected.
  Selection widened;
};
TouchedLines FindTouchedLines(const LineGeometry& geometry, Selection selection);

// Sort and join need a non-empty selection over two lines or more.
bool SortAndJoinEnabled(const std::string& text, Selection selection);

}  // namespace varnock
