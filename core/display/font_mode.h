#pragma once
// The four font modes and what each makes of the display font, the print entry and the
// font panel of the status bar.
#include <string>

#include "core/display/font_spec.h"

namespace varnock {

enum class FontMode : int { Default = 1, Ansi = 2, Auto = 3, User = 4 };

// The stored value as a mode; anything outside 1..4 behaves as Default.
FontMode FontModeFromValue(int value);
// A click on the font panel advances 1, 2, 3, 4, 1, ...
FontMode NextFontMode(FontMode mode);

struct DisplayFontChoice {
  FontSpec font;
  bool printEnabled = true;
  const char* panelText = "";  // status panel 3
  bool panelRaised = false;    // its bevel: raised, else lowered
  bool ansiArt = false;        // the OEM font was chosen
};

// What `mode` makes of the display. `ansiArtText` is IsAnsiArtText of the document
// (read in the Auto mode only); `userFont` is the font dialog's font (User mode), whose
// character set is forced to the default one. The preset modes use a plain font in the
// system's window-text colour.
DisplayFontChoice ChooseDisplayFont(FontMode mode, bool ansiArtText, const FontSpec& userFont);

// The text as it comes back after a font change has passed it through a line list:
// every line followed by CR LF, so it ends with a line break unless it is empty.
std::string TextThroughLineList(const std::string& text);

}  // namespace varnock
