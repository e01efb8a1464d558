#pragma once
// Line geometry of an 8-bit text as the text control sees it: a line break counts the
// positions the control gives it, two for CR LF (the breaks a loaded text has), one for
// a lone CR or LF, which the control keeps as it is given.
#include <cstddef>
#include <string>
#include <vector>

namespace varnock {

struct TextLineSpan {
  std::size_t byteStart = 0;    // index of the line's first byte in the string
  std::size_t length = 0;       // bytes in the line, without its line break
  std::size_t offset = 0;       // the line's start in the control: sum of (length + break) before it
  std::size_t breakLength = 0;  // 2 for CR LF, 1 for a lone CR or LF, 0 for the last line
};

// The lines of `text`, split at CR LF, a lone CR or a lone LF. There is always at least
// one line; a text ending with a line break ends with an empty line, as in the control.
std::vector<TextLineSpan> LocateTextLines(const std::string& text);

// The first line (line 0) without its line break.
std::string FirstTextLine(const std::string& text);

// Number of positions the text occupies in the control.
std::size_t ControlTextLength(const std::string& text);

}  // namespace varnock
