#pragma once
// A font as the display needs it described, independent of any Windows font object.
#include <cstdint>
#include <string>

namespace varnock {

inline constexpr int kDefaultCharset = 1;  // DEFAULT_CHARSET
inline constexpr int kOemCharset = 255;    // OEM_CHARSET: the DOS glyphs of ANSI art

struct FontSpec {
  std::string face;
  int pointSize = 10;
  int charset = kDefaultCharset;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  // The font's colour (0x00BBGGRR); ignored while `systemTextColour` is set, in which
  // case the caller uses the system's window-text colour.
  std::uint32_t colour = 0;
  bool systemTextColour = true;

  bool operator==(const FontSpec& o) const {
    return face == o.face && pointSize == o.pointSize && charset == o.charset && bold == o.bold && italic == o.italic &&
           underline == o.underline && strikeOut == o.strikeOut && colour == o.colour &&
           systemTextColour == o.systemTextColour;
  }
};

}  // namespace varnock
