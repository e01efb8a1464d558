#pragma once
// Whether a text is ANSI art: DOS block and line-drawing glyphs that need the OEM font.
#include <string>

namespace varnock {

// True when the text holds any of the glyphs art is drawn with: a full block (0xDB),
// dark or medium shade (0xB2, 0xB1), two double or two single horizontal lines in a row
// (0xCD 0xCD, 0xC4 0xC4), a lower or upper half block (0xDC, 0xDF). One is enough;
// the light shade and a lone line character are common in ordinary ANSI text.
bool ContainsAnsiArtBytes(const std::string& text);

// The Auto font mode's test: never for an unnamed document; always for ".NFO" and
// ".DIZ" (any case); otherwise by the text's bytes.
bool IsAnsiArtText(const std::string& fileName, const std::string& text);

}  // namespace varnock
