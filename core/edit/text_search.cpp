#include "core/edit/text_search.h"

namespace varnock {

namespace {

std::string UpperCased(const std::string& text, const UpperCaseTable& upper) {
  std::string result(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    result[i] = static_cast<char>(upper[static_cast<unsigned char>(text[i])]);
  }
  return result;
}

bool IsDelimiterOrNone(int neighbour) {
  return neighbour == kNoNeighbour || IsWordDelimiter(static_cast<char>(neighbour));
}

int ByteAt(const std::string& text, std::size_t index) { return static_cast<unsigned char>(text[index]); }

}  // namespace

UpperCaseTable AsciiUpperCaseTable() {
  UpperCaseTable table{};
  for (std::size_t b = 0; b < table.size(); ++b) {
    table[b] = static_cast<unsigned char>((b >= 'a' && b <= 'z') ? b - 'a' + 'A' : b);
  }
  return table;
}

bool IsWordDelimiter(char c) {
  switch (c) {
    case '/':
    case '\\':
    case ',':
    case '.':
    case ';':
    case ' ':
    case '!':
    case '?':
    case '\f':
    case '\n':
    case '\r':
    case '\t':
    case '"':
    case '\'': return true;
    default: return false;
  }
}

TextSearcher::TextSearcher(const std::string& text, const std::string& what, SearchOptions options,
                           const UpperCaseTable& upper)
    : text_(text),
      options_(options),
      haystack_(options.matchCase ? text : UpperCased(text, upper)),
      needle_(options.matchCase ? what : UpperCased(what, upper)) {}

bool TextSearcher::IsWholeWord(std::size_t match, std::size_t origin, int before) const {
  const int left = match == origin ? before : ByteAt(text_, match - 1);
  const std::size_t after = match + needle_.size();
  const int right = after < text_.size() ? ByteAt(text_, after) : kNoNeighbour;
  return IsDelimiterOrNone(left) && IsDelimiterOrNone(right);
}

std::size_t TextSearcher::FindFrom(std::size_t origin, int before) const {
  if (needle_.empty() || origin > haystack_.size()) return std::string::npos;
  std::size_t from = origin;
  for (;;) {
    const std::size_t match = haystack_.find(needle_, from);
    if (match == std::string::npos) return match;
    if (!options_.wholeWord || IsWholeWord(match, origin, before)) return match;
    // A rejected match: look again one character after its start.
    from = match + 1;
  }
}

std::size_t TextSearcher::FindFrom(std::size_t origin) const {
  const int before = origin > 0 && origin <= text_.size() ? ByteAt(text_, origin - 1) : kNoNeighbour;
  return FindFrom(origin, before);
}

std::size_t FindForward(const std::string& text, const std::string& what, std::size_t origin, SearchOptions options,
                        const UpperCaseTable& upper) {
  return TextSearcher(text, what, options, upper).FindFrom(origin);
}

}  // namespace varnock
