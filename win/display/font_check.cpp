// FontCheck: the display font of the current font mode, and the text shown in it.
#include "core/display/ansi_art.h"
#include "core/display/font_mode.h"
#include "win/app/form_pad.h"
#include "win/platform/gdi_font.h"
#include "win/platform/rich_format.h"

namespace varnock {

namespace {

const char* const kFontModeEntries[] = {"SubDef", "SubANSI", "SubAuto", "SubFont"};

void ReplaceDisplayFont(TFormPad& pad, const FontSpec& font) {
  HFONT old = pad.displayFont;
  pad.displayFontSpec = font;
  pad.displayFont = CreateFontOf(font, pad.dpi);
  if (old && old != pad.labelVideFont) DeleteObject(old);
}

void ShowFontChoice(TFormPad& pad, FontMode mode, const DisplayFontChoice& choice) {
  if (MenuItem* item = pad.Item(kFontModeEntries[static_cast<int>(mode) - 1])) item->CheckRadio();
  if (MenuItem* print = pad.Item("FilePrintItem")) print->enabled = choice.printEnabled;
  pad.StatusLine.SetText(kPanelFont, choice.panelText);
  pad.StatusLine.SetBevel(kPanelFont, choice.panelRaised ? Bevel::Raised : Bevel::Lowered);
}

}  // namespace

bool TFormPad::fisAnsiText(const std::string& text) { return IsAnsiArtText(saveDialogFileName, text); }

// The text leaves the control and comes back in the new font through the new code
// page, coloured in the same load.
void TFormPad::FontCheck() {
  Rich1.tag = 0;
  const bool modified = Rich1.Modified();
  const long start = Rich1.SelStart();
  const long length = Rich1.SelLength();
  std::string text;
  {
    QuietNotifications quiet(Rich1);
    text = TextThroughLineList(Rich1.Text());
    Rich1.SetText("");
    const FontMode mode = FontModeFromValue(fontMode);
    const DisplayFontChoice choice = ChooseDisplayFont(mode, mode == FontMode::Auto && fisAnsiText(text), fontDiagFont);
    ReplaceDisplayFont(*this, choice.font);
    ShowFontChoice(*this, mode, choice);
    // The control converts text with a code page, not with the font's character set:
    // the OEM font's text goes in and out through the OEM code page of ANSI art.
    Rich1.SetCodePage(choice.font.charset == kOemCharset ? 437 : CP_ACP);
    // Cheap on the empty control; on a full one it would lay the text out again.
    SetCharFormat(Rich1, CharFormatOf(displayFontSpec), SCF_DEFAULT);
    Rich1.SetFont(displayFont);
  }
  fLoadColouredText(text);
  Rich1.Select(start, length);
  Rich1.SetModified(modified);
  SetTitle();
  Rich1.tag = 1;
}

}  // namespace varnock
