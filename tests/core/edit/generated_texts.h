#pragma once
// Texts made of every kind of line a document may hold, for the tests that compare a
// fast way of finding lines with the slow one: CR LF, a lone CR, a lone LF, CR CR LF,
// empty lines, long lines that wrap, and a last line with or without a break.
#include <string>
#include <vector>

namespace varnock::test {

inline std::vector<std::string> GeneratedTexts(int count, unsigned seed = 1) {
  static const char* const pieces[] = {
      "abc",
      "x",
      "[Section]",
      "Key = value ; note",
      "a rather long line that wraps in a narrow window, word after word",
      "\r\n",
      "\r\n",
      "\r\n",
      "\r",
      "\n",
      "\r\r\n",
      "\r\n\r\n",
      " ",
  };
  constexpr unsigned kPieces = sizeof pieces / sizeof pieces[0];
  std::vector<std::string> texts = {"", "\r\n", "a", "a\r\n", "\r", "\n", "a\rb\r", "a\nb\n", "\r\n\r\n\r\n"};
  unsigned state = seed;
  for (int n = 0; n < count; ++n) {
    std::string text;
    state = state * 1103515245u + 12345u;
    const unsigned length = 1 + (state >> 16) % 14;
    for (unsigned i = 0; i < length; ++i) {
      state = state * 1103515245u + 12345u;
      text += pieces[(state >> 16) % kPieces];
    }
    texts.push_back(text);
  }
  return texts;
}

}  // namespace varnock::test
