#pragma once
// A range of the text control to paint in one of the colouring roles.
#include <cstddef>

namespace varnock {

// Which colour a range takes: the display font's colour or one of the four colours
// of the scheme.
enum class ColourRole : unsigned char { Text, Comment, Error, Section, Entry };

struct ColourRange {
  std::size_t start = 0;  // offset in the control (a CR LF break counts two positions)
  std::size_t length = 0;
  ColourRole role = ColourRole::Text;

  std::size_t end() const { return start + length; }
  bool operator==(const ColourRange& o) const { return start == o.start && length == o.length && role == o.role; }
};

}  // namespace varnock
