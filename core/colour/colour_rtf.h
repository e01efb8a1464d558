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
// in order as the control would (offsets count a line break as two positions).
// "\", "{" and "}" are escaped, a tab is \tab, other control bytes and bytes from 0x80
// up are \'hh, which the control maps through the code page of the font's character
// set. The font's style is applied; its own colour is not (that is `colours.text`).
std::string BuildColourRtf(const std::string& text, const std::vector<ColourRange>& ranges,
                           const RtfColours& colours, const FontSpec& font);

}  // namespace varnock
