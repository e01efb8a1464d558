#pragma once
// The four colours of the syntax colouring, as Windows colour values (0x00BBGGRR).
#include <cstdint>

namespace varnock {

inline constexpr std::uint32_t kDefaultCommentColour = 0xFF0000;  // blue
inline constexpr std::uint32_t kDefaultErrorColour = 0x0000FF;    // red
inline constexpr std::uint32_t kDefaultSectionColour = 0x008000;  // green
inline constexpr std::uint32_t kDefaultEntryColour = 0x800080;    // purple

struct ColourScheme {
  std::uint32_t comment = kDefaultCommentColour;
  std::uint32_t error = kDefaultErrorColour;
  std::uint32_t section = kDefaultSectionColour;
  std::uint32_t entry = kDefaultEntryColour;

  bool operator==(const ColourScheme& o) const {
    return comment == o.comment && error == o.error && section == o.section && entry == o.entry;
  }
};

}  // namespace varnock
