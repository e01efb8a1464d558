#include "win/colour/colour_paint.h"

#include "core/colour/colour_rtf.h"
#include "core/colour/line_rules.h"
#include "core/colour/text_colouring.h"
#include "core/colour/text_lines.h"
#include "win/platform/gdi_font.h"
#include "win/i18n/message.h"
#include "win/platform/rich_format.h"
#include "win/platform/system_colour.h"

namespace varnock {

namespace {

bool Checked(TFormPad& pad, const char* name) {
  const MenuItem* item = pad.Item(name);
  return item && item->checked;
}

// A syntax colour as the text shows it: the user's choice, unless it is the colour of
// the text area's background (as in some high-contrast schemes), where it would hide
// the text.
COLORREF ShownColour(COLORREF stored) { return ReadableWindowTextColour(ScreenColour(stored)); }

ColourScheme SchemeOf(const TFormPad& pad) {
  return ColourScheme{ShownColour(pad.commentColour), ShownColour(pad.errorColour), ShownColour(pad.sectionColour),
                      ShownColour(pad.entryColour)};
}

COLORREF ColourOf(const TFormPad& pad, ColourRole role) {
  switch (role) {
    case ColourRole::Comment: return ShownColour(pad.commentColour);
    case ColourRole::Error: return ShownColour(pad.errorColour);
    case ColourRole::Section: return ShownColour(pad.sectionColour);
    case ColourRole::Entry: return ShownColour(pad.entryColour);
    case ColourRole::Text: break;
  }
  return TextColour(pad);
}

// The character of every byte from 0x80 up in the control's code page; empty when the
// code page lacks one (the stream then lets the font's character set decide).
std::vector<char16_t> HighBytesOf(UINT codePage) {
  std::vector<char16_t> table(0x80);
  for (int b = 0x80; b <= 0xFF; ++b) {
    const char byte = static_cast<char>(b);
    wchar_t wide = 0;
    if (MultiByteToWideChar(codePage, 0, &byte, 1, &wide, 1) != 1) return {};
    table[static_cast<size_t>(b - 0x80)] = static_cast<char16_t>(wide);
  }
  return table;
}

// Whether the control holds `text` after a stream of it. A text whose length alone tells
// (IsPrintableAsciiWithCrLf) spares the whole read, which right after a stream costs
// about as much as the rules and the RTF together.
bool StreamedTextIs(const RichEdit& rich, const std::string& text) {
  if (IsPrintableAsciiWithCrLf(text)) return rich.TextLength() == static_cast<long>(ControlTextLength(text));
  return rich.Text() == text;
}

}  // namespace

ColourMode CheckedColourMode(TFormPad& pad) {
  if (Checked(pad, "AffColorALL")) return ColourMode::All;
  if (Checked(pad, "AffColorNO")) return ColourMode::No;
  if (Checked(pad, "AffColorINF")) return ColourMode::Inf;
  if (Checked(pad, "AffColorIRI")) return ColourMode::Iri;
  return ColourMode::NoneChecked;
}

DocKind CurrentDocKind(TFormPad& pad, const std::string& text) {
  const DocKindDecision decision = DecideDocKind(pad.saveDialogFileName, text, CheckedColourMode(pad));
  if (decision.saveFilterIndex != 0) pad.saveDialogFilterIndex = decision.saveFilterIndex;
  return decision.kind;
}

COLORREF TextColour(const TFormPad& pad) { return ReadableWindowTextColour(FontTextColour(pad.displayFontSpec)); }

std::string LongLineMarkerText() { return LongLineMarker(fMessage("REG_512_FIX")); }

void PaintDisplayFont(TFormPad& pad) {
  SetCharFormat(pad.Rich1, CharFormatOf(pad.displayFontSpec), SCF_ALL);
  InvalidateRect(pad.Rich1.hwnd(), nullptr, TRUE);
}

bool LoadColouredText(TFormPad& pad, const std::string& text, const std::vector<ColourRange>& ranges) {
  // A lone CR or LF would come back from the stream as CR LF.
  if (!HasLoneLineBreak(text)) {
    const RtfColours colours{TextColour(pad), SchemeOf(pad)};
    const std::vector<char16_t> highBytes = HighBytesOf(pad.Rich1.CodePage());
    const std::string rtf = BuildColourRtf(text, ranges, colours, pad.displayFontSpec, &highBytes);
    if (StreamInRtf(pad.Rich1, rtf) && StreamedTextIs(pad.Rich1, text)) {
      pad.Rich1.NoteLoadedText(text);
      InvalidateRect(pad.Rich1.hwnd(), nullptr, TRUE);
      return true;
    }
  }
  // The text as it is, and its colours range by range: slower, but no byte changes.
  pad.Rich1.SetText(text);
  pad.Rich1.SetRedraw(false);
  PaintDisplayFont(pad);
  PaintRuns(pad, PaintColourRanges(ranges, ControlTextLength(text)));
  pad.Rich1.SetRedraw(true);
  return false;
}

void PaintRuns(TFormPad& pad, const std::vector<ColourRange>& runs) {
  for (const ColourRange& run : runs) {
    SetSelection(pad.Rich1, {static_cast<long>(run.start), static_cast<long>(run.length)});
    SetSelectionColour(pad.Rich1, ColourOf(pad, run.role));
  }
}

bool PaintRunsInPlace(TFormPad& pad, const std::vector<ColourRange>& runs) {
  std::vector<RangeColour> coloured;
  coloured.reserve(runs.size());
  for (const ColourRange& run : runs)
    coloured.push_back({static_cast<long>(run.start), static_cast<long>(run.length), ColourOf(pad, run.role)});
  return SetRangeColoursInPlace(pad.Rich1, coloured);
}

bool WordWrapChecked(TFormPad& pad) { return Checked(pad, "EditWrapItem"); }

void DisableUndoEntry(TFormPad& pad) {
  if (MenuItem* item = pad.Item("EditUndoItem")) item->enabled = false;
}

}  // namespace varnock
