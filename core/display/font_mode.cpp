#include "core/display/font_mode.h"

#include "core/colour/text_lines.h"

namespace varnock {

namespace {

FontSpec PresetFont(const char* face, int pointSize, int charset) {
  FontSpec font;
  font.face = face;
  font.pointSize = pointSize;
  font.charset = charset;
  return font;
}

DisplayFontChoice TextFontChoice() {
  DisplayFontChoice c;
  c.font = PresetFont("Lucida Console", 10, kDefaultCharset);
  return c;
}

DisplayFontChoice AnsiFontChoice() {
  DisplayFontChoice c;
  c.font = PresetFont("Terminal", 9, kOemCharset);
  // The OEM glyphs do not print as they show.
  c.printEnabled = false;
  c.ansiArt = true;
  return c;
}

}  // namespace

FontMode FontModeFromValue(int value) {
  return (value >= 1 && value <= 4) ? static_cast<FontMode>(value) : FontMode::Default;
}

FontMode NextFontMode(FontMode mode) { return FontModeFromValue(static_cast<int>(mode) % 4 + 1); }

DisplayFontChoice ChooseDisplayFont(FontMode mode, bool ansiArtText, const FontSpec& userFont) {
  DisplayFontChoice c;
  switch (mode) {
    case FontMode::Ansi:
      c = AnsiFontChoice();
      c.panelText = "ANSI";
      c.panelRaised = true;
      return c;
    case FontMode::Auto:
      c = ansiArtText ? AnsiFontChoice() : TextFontChoice();
      c.panelText = "Auto";
      return c;
    case FontMode::User:
      c.font = userFont;
      c.font.charset = kDefaultCharset;
      c.font.systemTextColour = false;
      c.panelText = "User";
      c.panelRaised = true;
      return c;
    case FontMode::Default: break;
  }
  c = TextFontChoice();
  c.panelText = "Def";
  return c;
}

std::string TextThroughLineList(const std::string& text) {
  if (text.empty()) return text;
  const std::vector<TextLineSpan> lines = LocateTextLines(text);
  // A text ending with a line break gives no empty last item to a line list.
  const std::size_t count = lines.back().length == 0 ? lines.size() - 1 : lines.size();
  std::string out;
  out.reserve(text.size() + 2);
  for (std::size_t i = 0; i < count; ++i) {
    out.append(text, lines[i].byteStart, lines[i].length);
    out += "\r\n";
  }
  return out;
}

}  // namespace varnock
