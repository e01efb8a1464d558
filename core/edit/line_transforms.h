#pragma once
// The transformations the line commands apply to the work list.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/display/font_mode.h"

namespace varnock {

// Three-way comparison: negative, zero or positive as a sorts before, with or after b.
using LineCompare = std::function<int(const std::string& a, const std::string& b)>;

// Bytes compared one by one after folding only a..z to upper case; a string that is a
// prefix of a longer one is the smaller, so the empty string is the smallest of all.
int CompareAsciiNoCase(const std::string& a, const std::string& b);

// Ascending under `compare` (the Windows layer passes the user locale's case-insensitive
// comparison; an empty function falls back to CompareAsciiNoCase). Empty lines come first.
void SortLinesAscending(std::vector<std::string>& lines, const LineCompare& compare);

// Greatest first under CompareAsciiNoCase; empty lines come last.
void SortLinesDescending(std::vector<std::string>& lines);

// Characters that fit the text control's width in pixels, from the font in use:
// the narrow "Terminal" face of the ANSI mode, the user's font, or the default face.
// Never below kMinSplitWidth.
inline constexpr int kMinSplitWidth = 40;
int SplitWidth(FontMode mode, const std::string& displayFontName, int controlWidthPixels);

// Cuts every line of `width` characters or more after the last blank or tab among its
// first `width` characters (the head trimmed right, the rest kept as it is), again and
// again along the rest. A line with no blank or tab there stays whole.
std::vector<std::string> SplitLinesToWidth(const std::vector<std::string>& lines, std::size_t width);

// Two blanks in front of every line.
void IndentLines(std::vector<std::string>& lines);

// Every leading byte with a code of 32 or less removed, not just two blanks.
void UnindentLines(std::vector<std::string>& lines);

// The trimmed lines joined by one blank. Leading blank lines add nothing; a blank line
// after the first text still adds its separating blank, so a, "", b gives "a  b".
std::string JoinLinesTrimmed(const std::vector<std::string>& lines);

}  // namespace varnock
