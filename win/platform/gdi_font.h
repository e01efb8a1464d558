#pragma once
// A font description (core's FontSpec) as the Windows objects that show it.
#include <windows.h>

#include <richedit.h>

#include "core/display/font_spec.h"

namespace varnock {

// The colour text in this font takes: the system's window-text colour unless the font
// carries its own.
COLORREF FontTextColour(const FontSpec& font);

// The font's pixel height is worked out at `dpi` (at the screen's DPI when 0).
LOGFONTA LogFontOf(const FontSpec& font, int dpi = 0);
// The font description (FontSpec) of a chosen LOGFONT and colour; the size is rounded to whole points.
FontSpec FontSpecOf(const LOGFONTA& logFont, COLORREF colour);
HFONT CreateFontOf(const FontSpec& font, int dpi = 0);

// The character format of text in this font: face, size, character set, style and
// colour, all set.
CHARFORMATA CharFormatOf(const FontSpec& font);

}  // namespace varnock
