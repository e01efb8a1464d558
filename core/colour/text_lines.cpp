#include "core/colour/text_lines.h"

namespace varnock {

std::vector<TextLineSpan> LocateTextLines(const std::string& text) {
  std::vector<TextLineSpan> lines;
  std::size_t start = 0;
  std::size_t offset = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    const std::size_t breakLength = crlf ? 2 : 1;
    lines.push_back({start, i - start, offset, breakLength});
    offset += (i - start) + breakLength;
    if (crlf) ++i;
    start = i + 1;
  }
  lines.push_back({start, text.size() - start, offset, 0});
  return lines;
}

std::string FirstTextLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

std::size_t ControlTextLength(const std::string& text) {
  const TextLineSpan last = LocateTextLines(text).back();
  return last.offset + last.length;
}

}  // namespace varnock
