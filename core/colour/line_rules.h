#pragma once
// The line rules of the syntax colouring: which ranges of one line take which colour.
// They never touch a control; the caller paints the ranges in the order given, a later
// range overriding an earlier one where they overlap.
#include <cstddef>
#include <string>
#include <vector>

#include "core/colour/colour_range.h"
#include "core/colour/doc_kind.h"

namespace varnock {

// Characters that may not stand before the "=" of an entry key. The one-line pass
// (keystrokes) also refuses a colon, the whole-document pass does not.
enum class EntryDelimiters { WholeDocument, OneLine };
const char* EntryDelimiterSet(EntryDelimiters which);

// Setup refuses INF lines longer than this.
inline constexpr std::size_t kInfLineLimit = 511;

struct LineColouring {
  // The line as the rules read it: lengthened by `marker` when it was over-long.
  std::string line;
  // Over-long INF line: tell the user (error box "REG_512_WARN", OK only), then insert
  // `marker` at offset `markerOffset` (the line start), then paint `ranges`.
  bool overLong = false;
  std::string marker;
  std::size_t markerOffset = 0;
  // In painting order, in the offsets of the text after the insertion. The first
  // range puts the whole line in the text colour. Empty for an empty line and for
  // kind None.
  std::vector<ColourRange> ranges;
};

// Colours `line` (without its line break) starting at control offset `lineOffset`.
// `longLineMarker` is the catalogue text of "REG_512_FIX"; see LongLineMarker.
LineColouring ColourLine(const std::string& line, std::size_t lineOffset, DocKind kind, EntryDelimiters delimiters,
                         const std::string& longLineMarker);

// The text inserted before an over-long INF line. It must begin with a colon: that is
// what makes the line an error and keeps the next pass from inserting it again, so a
// translation that does not begin with one gets one in front.
std::string LongLineMarker(const std::string& catalogueText);

// 0-based index where the comment starts: the first ";", or, when a double quote comes
// before it, the first ";" outside double quotes. npos when there is no comment.
std::size_t CommentStart(const std::string& line);

// 0-based index from which an INF line is an error because of a colon: the first ":"
// when it comes before the first ";"; when a double quote comes before that colon, the
// first colon outside double quotes and before the comment. npos when there is none.
std::size_t InfColonErrorStart(const std::string& line);

}  // namespace varnock
