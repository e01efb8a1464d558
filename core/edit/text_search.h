#pragma once
// The forward search over the 8-bit text, with the match-case and whole-word options.
#include <array>
#include <cstddef>
#include <string>

namespace varnock {

struct SearchOptions {
  bool matchCase = false;
  bool wholeWord = false;
};

// Upper-case form of every byte. The Windows layer fills it from the locale's
// upper-casing once; one byte per byte keeps match positions valid in the real text.
using UpperCaseTable = std::array<unsigned char, 256>;
UpperCaseTable AsciiUpperCaseTable();

// The 14 characters that may stand next to a whole word: / \ , . ; blank ! ? form feed,
// line feed, carriage return, tab, double quote and apostrophe.
bool IsWordDelimiter(char c);

// The neighbour before a search origin that is the start of the text.
inline constexpr int kNoNeighbour = -1;

// Searches one text for one search text. Keeps a reference to `text`, which must
// outlive it; the case folding is done once, however many searches follow.
class TextSearcher {
 public:
  TextSearcher(const std::string& text, const std::string& what, SearchOptions options, const UpperCaseTable& upper);

  // Start of the first match at or after `origin`, or std::string::npos. An empty
  // search text never matches. With the whole-word option, a match needs a delimiter
  // or the start/end of the text on both sides. `before` is the byte in front of
  // `origin` in the text as it now stands (kNoNeighbour at the start of the text):
  // replace-all passes the last inserted byte, which the original text does not hold.
  std::size_t FindFrom(std::size_t origin, int before) const;
  // Same, with the neighbour taken from the text.
  std::size_t FindFrom(std::size_t origin) const;

  std::size_t patternLength() const { return needle_.size(); }

 private:
  bool IsWholeWord(std::size_t match, std::size_t origin, int before) const;

  const std::string& text_;
  SearchOptions options_;
  std::string haystack_;  // the text, upper-cased unless the case must match
  std::string needle_;
};

// One search: the start of the first match at or after `origin`, or std::string::npos.
std::size_t FindForward(const std::string& text, const std::string& what, std::size_t origin, SearchOptions options,
                        const UpperCaseTable& upper);

}  // namespace varnock
