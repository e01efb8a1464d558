#pragma once
// The two colouring passes as computations: the whole document (for one batched update
// of the control) and the one line under the caret (as the user types).
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/colour/colour_range.h"
#include "core/colour/doc_kind.h"
#include "core/colour/line_rules.h"

namespace varnock {

struct LongLineFix {
  std::size_t line = 0;    // 0-based line index
  std::size_t offset = 0;  // where the marker starts, in the offsets of the fixed text
};

struct TextColouring {
  // The text after the over-long-line markers were inserted (the input when none).
  // Line breaks are kept as they were.
  std::string text;
  // In painting order, offsets in `text` as the control counts them.
  std::vector<ColourRange> ranges;
  // One per over-long INF line, in line order: one "REG_512_WARN" box each.
  std::vector<LongLineFix> fixes;
  // The cancel check said yes before the last line: the caller makes the text black
  // and white. `ranges` is then empty; `text` keeps the markers inserted so far.
  bool cancelled = false;
};

// Whole-document pass: every line with the whole-document delimiter set. `cancelled`
// is polled once before each line. Kind None colours nothing.
TextColouring ColourWholeText(const std::string& text, DocKind kind, const std::string& longLineMarker,
                              const std::function<bool()>& cancelled = {});

// One-line pass for the 1-based `lineNumber` of `text`: the line's ranges with the
// one-line delimiter set, at the line's offset in the control. Nothing (an empty
// `ranges`, `overLong` false) when the number is outside 1..line count or kind is None.
LineColouring ColourLineOfText(const std::string& text, std::size_t lineNumber, DocKind kind,
                               const std::string& longLineMarker);

// The net effect of painting `ranges` in order over a text of `controlLength`
// positions that starts in the text colour: the coloured runs, sorted, not overlapping,
// neighbours of the same role merged, text-colour stretches left out. Ranges reaching
// past the end are cut.
std::vector<ColourRange> PaintColourRanges(const std::vector<ColourRange>& ranges, std::size_t controlLength);

}  // namespace varnock
