#pragma once
// Positions in the text control's text, which are also indexes into the std::string the
// control hands out: the control counts a CR LF as two positions, the string holds two bytes.
#include <cstddef>
#include <string>

namespace varnock {

struct Selection {
  std::size_t start = 0;
  std::size_t length = 0;
  std::size_t end() const { return start + length; }
};

inline bool operator==(Selection a, Selection b) { return a.start == b.start && a.length == b.length; }
inline bool operator!=(Selection a, Selection b) { return !(a == b); }

// One change of the text: the `length` positions from `start` become `text`.
struct TextReplacement {
  std::size_t start = 0;
  std::size_t length = 0;
  std::string text;
};

// The selection cut down to a text of `textLength` positions, as the control would keep it.
Selection ClampSelection(Selection selection, std::size_t textLength);

// `text` after `change`; a range reaching past the end of the text stops at the end.
std::string ApplyReplacement(const std::string& text, const TextReplacement& change);

}  // namespace varnock
