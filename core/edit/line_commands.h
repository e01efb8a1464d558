#pragma once
// The line commands of the edit menu and the two inserts of the tools menu, decided
// on the text and selection alone. The Windows layer applies a LineEdit in this order:
//   1. select `selectFirst` (a line command widens the selection to whole lines even
//      when it then finds too few lines to work on);
//   2. stop unless `changes`;
//   3. set the recolour-pending flag if `recolour`;
//   4. select the range of `replacement` and replace it by its text, in one replacement;
//   5. select `selectAfter` (positions in the text after the replacement).
#include <cstddef>
#include <string>

#include "core/edit/line_transforms.h"
#include "core/edit/selection.h"

namespace varnock {

struct LineEdit {
  Selection selectFirst;
  bool changes = false;
  TextReplacement replacement;
  Selection selectAfter;
  bool recolour = false;
};

// The text the REG file header inserts at the top of the document.
inline constexpr const char* kRegFileHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
// The byte the underline is drawn with (a macron in the ANSI code page).
inline constexpr char kUnderlineByte = '\xAF';

// Sort A..Z: needs two touched lines. `compare` is the locale's case-insensitive order.
LineEdit PlanSortAscending(const std::string& text, Selection selection, const LineCompare& compare);
// Sort Z..A: needs two touched lines. Empty lines sort last and are dropped.
LineEdit PlanSortDescending(const std::string& text, Selection selection);
// Split to `width` characters (see SplitWidth): needs one touched line.
LineEdit PlanSplit(const std::string& text, Selection selection, std::size_t width);
// Indent and unindent: need one touched line.
LineEdit PlanIndent(const std::string& text, Selection selection);
LineEdit PlanUnindent(const std::string& text, Selection selection);
// Join: needs two touched lines; they become one line, selected afterwards.
LineEdit PlanJoin(const std::string& text, Selection selection);

// Underline the line holding the selection's end (a caret at the very start of a line
// belongs to the line above, except on the first line): as many underline bytes as the
// line is long, then a line break, inserted at the start of the next line. On a last
// line without a line break, the line is ended first so the underline gets its own line.
LineEdit PlanUnderline(const std::string& text, Selection selection);

// The REG file header at offset 0; it does not ask for recolouring.
LineEdit PlanRegHeader();

}  // namespace varnock
