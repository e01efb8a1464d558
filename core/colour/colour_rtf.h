#pragma once
// The whole coloured document as one RTF stream, so that the control takes the text and
// its colours in a single load instead of one selection per range.
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour/colour_range.h"
#include "core/colour/colour_scheme.h"
#include "core/display/font_spec.h"

namespace varnock {

// The RTF colour table. Plain 0x00BBGGRR values: system colours are resolved by the
// caller (the high byte is ignored).
struct RtfColours {
  std::uint32_t text = 0;
  ColourScheme scheme;
};

// RTF that loads `text` (8-bit; each line break, CR LF or lone CR or LF, becomes \par)
// in `font`, every position in the text colour except where `ranges` paint it, painted
// in order as the control would (offsets as LocateTextLines counts them). The control
// reads \par back as CR LF: a text with a lone CR or LF does not come back the same
// and is for the caller to load otherwise (HasLoneLineBreak).
// "\", "{" and "}" are escaped, a tab is \tab, other control bytes and bytes from 0x80
// up are \'hh, which the control maps through the code page of the font's character
// set. The font's style is applied; its own colour is not (that is `colours.text`).
//
// `highBytes`, when given, holds the character (UTF-16) of each byte 0x80..0xFF in the
// code page the caller reads the control's text with: such bytes are then written as
// \uN, so they come back as the same bytes through that code page whatever code page
// the control would pick for the font's character set (the system's OEM code page
// need not be the one ANSI art is read with).
std::string BuildColourRtf(const std::string& text, const std::vector<ColourRange>& ranges, const RtfColours& colours,
                           const FontSpec& font, const std::vector<char16_t>* highBytes = nullptr);

// True when some line break of `text` is a CR or LF alone rather than CR LF.
bool HasLoneLineBreak(const std::string& text);

// True when every byte of `text` is printable ASCII, a tab, or part of a CR LF pair.
// Such a text goes into the stream byte for byte but for "\", "{", "}", tabs and
// breaks, each one known escape, and nothing in it depends on a code page: the control
// can read it back shorter (a stop or its limit), not otherwise, so its length tells.
bool IsPrintableAsciiWithCrLf(const std::string& text);

}  // namespace varnock
