// SetColour: the whole document coloured in one load of the control.
//
// The rules give every line's ranges from the text alone (core/colour), so the control
// is touched once: the text and its colours go in as one RTF stream, instead of one
// selection per range, which takes seconds on a full-size INF file. Since no position
// is taken from the control's lines, word wrap stays as it is: switching it off and on
// would lay the whole document out twice more.
//
// Replacing a full control's text is what costs most under Wine (its rich edit deletes
// text in time that grows with the square of the line count), so a text that is about
// to go into the control anyway (opening a file, a font change) goes in coloured at
// once through fLoadColouredText instead of plain first and coloured after.
#include <windows.h>

#include "core/colour/marker_shift.h"
#include "core/colour/text_colouring.h"
#include "win/colour/colour_paint.h"
#include "win/colour/escape_key.h"
#include "win/i18n/message.h"
#include "win/platform/prompter.h"
#include "win/platform/rich_format.h"

namespace varnock {

namespace {

// What the pass changes on its way and puts back at its end.
struct UserView {
  bool modified;
  long start;
  long length;
  long topLine;
};

std::vector<size_t> MarkerOffsets(const TextColouring& colouring) {
  std::vector<size_t> offsets;
  for (const LongLineFix& fix : colouring.fixes) offsets.push_back(fix.offset);
  return offsets;
}

// A selection request costs the control a caret update even when nothing moves.
void SelectUnlessThere(RichEdit& rich, long start, long length) {
  const RichSelection now = SelectionOf(rich);
  if (now.start != start || now.length != length) rich.Select(start, length);
}

void TellOverLongLines(TFormPad& pad, const TextColouring& colouring) {
  for (size_t i = 0; i < colouring.fixes.size(); ++i)
    ShowMessage(pad.hwnd(), fMessage("REG_512_WARN"), MB_OK | MB_ICONERROR);
}

// Colours `text` as `kind` and makes it the control's text; Esc during the rules leaves
// it black and white. Selection, scroll position and modified flag stay as they were.
void LoadColoured(TFormPad& pad, const std::string& text, DocKind kind) {
  RichEdit& rich = pad.Rich1;
  // Keys typed during the pass must not reach the text; the focus comes back at the end.
  HWND focus = GetFocus();
  SetFocus(pad.StatusLine.hwnd());
  pad.StatusLine.SetText(kPanelHint, fMessage("COLOR_ESC"));
  UpdateWindow(pad.StatusLine.hwnd());
  {
    QuietNotifications quiet(rich);
    const UserView view{rich.Modified(), rich.SelStart(), rich.SelLength(), FirstVisibleLine(rich)};
    HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    SelectUnlessThere(rich, 0, 0);
    rich.EmptyUndo();

    ForgetEarlierEscape();
    const std::string marker = LongLineMarkerText();
    const TextColouring colouring = ColourWholeText(text, kind, marker, EscapePressed);
    TellOverLongLines(pad, colouring);
    // Cancelled: the text (with the markers inserted so far) in the text colour only.
    LoadColouredText(pad, colouring.text, colouring.ranges);

    SelectUnlessThere(rich, 0, 0);
    SetCursor(cursor);
    const TextSelection selection = SelectionAfterMarkers(
        {static_cast<size_t>(view.start), static_cast<size_t>(view.length)}, MarkerOffsets(colouring), marker.size());
    SelectUnlessThere(rich, static_cast<long>(selection.start), static_cast<long>(selection.length));
    ScrollToFirstLine(rich, view.topLine);
    rich.SetModified(view.modified);
    pad.StatusLine.SetText(kPanelHint, "");
    pad.SetTitle();
  }
  rich.EmptyUndo();
  DisableUndoEntry(pad);
  SetFocus(focus && focus != pad.StatusLine.hwnd() && IsWindow(focus) ? focus : rich.hwnd());
}

}  // namespace

void TFormPad::SetColour() {
  const std::string text = Rich1.Text();
  const DocKind kind = CurrentDocKind(*this, text);
  if (kind == DocKind::None) {
    SetBW();
    return;
  }
  LoadColoured(*this, text, kind);
}

void TFormPad::fLoadColouredText(const std::string& text) { LoadColoured(*this, text, CurrentDocKind(*this, text)); }

}  // namespace varnock
