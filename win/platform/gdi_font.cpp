#include "win/platform/gdi_font.h"

namespace varnock {

namespace {

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

COLORREF FontTextColour(const FontSpec& font) {
  return font.systemTextColour ? GetSysColor(COLOR_WINDOWTEXT) : static_cast<COLORREF>(font.colour & 0xFFFFFF);
}

LOGFONTA LogFontOf(const FontSpec& font, int dpi) {
  LOGFONTA lf{};
  lf.lfHeight = -MulDiv(font.pointSize, dpi > 0 ? dpi : ScreenPixelsPerInch(), 72);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strikeOut;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(lf.lfFaceName, font.face.c_str(), LF_FACESIZE);
  return lf;
}

FontSpec FontSpecOf(const LOGFONTA& logFont, COLORREF colour) {
  FontSpec font;
  font.face = logFont.lfFaceName;
  const int pixels = logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight;
  font.pointSize = MulDiv(pixels, 72, ScreenPixelsPerInch());
  font.charset = logFont.lfCharSet;
  font.bold = logFont.lfWeight >= FW_BOLD;
  font.italic = logFont.lfItalic != 0;
  font.underline = logFont.lfUnderline != 0;
  font.strikeOut = logFont.lfStrikeOut != 0;
  font.colour = colour & 0xFFFFFF;
  font.systemTextColour = false;
  return font;
}

HFONT CreateFontOf(const FontSpec& font, int dpi) {
  const LOGFONTA lf = LogFontOf(font, dpi);
  return CreateFontIndirectA(&lf);
}

CHARFORMATA CharFormatOf(const FontSpec& font) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
  format.dwEffects = (font.bold ? CFE_BOLD : 0) | (font.italic ? CFE_ITALIC : 0) |
                     (font.underline ? CFE_UNDERLINE : 0) | (font.strikeOut ? CFE_STRIKEOUT : 0);
  format.yHeight = font.pointSize * 20;  // twips
  format.crTextColor = FontTextColour(font);
  format.bCharSet = static_cast<BYTE>(font.charset);
  format.bPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(format.szFaceName, font.face.c_str(), LF_FACESIZE);
  return format;
}

}  // namespace varnock
