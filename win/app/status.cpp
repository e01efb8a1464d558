// The status bar: the timed message panel, panel clicks, and the caret's place.
#include <richedit.h>

#include <optional>

#include "core/app/status_text.h"
#include "core/edit/line_geometry.h"
#include "core/edit/row_index.h"
#include "core/edit/selection.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/rich_format.h"

namespace varnock {

namespace {
constexpr UINT_PTR kStatusTimer = 1;
constexpr UINT kStatusDelay = 3000;

// From the control's line index while its lines are the text's: the rows give the
// line and column (word wrap off), or the line's start, and the line breaks before it
// are counted in the text up to there (word wrap on). Otherwise from the whole text.
CaretPlace CaretOf(RichEdit& rich, size_t position) {
  if (rich.LinesMatchText()) {
    const ControlRows rows(rich);
    if (!rich.WordWrap()) return LocateCaretByRows(rows, position);
    if (const std::optional<TextLineRange> line = TextLineNear(rows, position, 0))
      return LocateCaretAfter(ReadTextBefore(rich, static_cast<long>(line->start)), line->start, position,
                              rows.textLength());
  }
  const std::string text = rich.Text();
  rich.CheckLines(text);
  return LocateCaret(LineGeometry(text), position);
}

CaretPlace CaretOf(RichEdit& rich) { return CaretOf(rich, static_cast<size_t>(rich.SelStart())); }
}  // namespace

void TFormPad::Timer1Timer() {
  timedStatusShowing_ = false;
  StatusLine.SetText(kPanelMessage, SizeText(static_cast<size_t>(Rich1.TextLength())));
  KillTimer(hwnd_, kStatusTimer);
}

void TFormPad::ShowTimedStatus(const std::string& text) {
  SetTimer(hwnd_, kStatusTimer, kStatusDelay, nullptr);
  timedStatusShowing_ = true;
  timedStatusLength_ = Rich1.TextLength();
  StatusLine.SetText(kPanelMessage, text);
}

void TFormPad::StatusLineMouseDown(int x) {
  const int b1 = StatusLine.Panel(0).width;
  const int b2 = b1 + StatusLine.Panel(1).width;
  const int b3 = b2 + StatusLine.Panel(2).width;
  const int b4 = b3 + StatusLine.Panel(3).width;
  if (b1 < x && x < b2) {
    PostMessageA(Rich1.hwnd(), WM_KEYDOWN, VK_INSERT, 0x01520001);
  } else if (b2 < x && x < b3) {
    if (MenuItem* wrap = Item("EditWrapItem"); wrap && wrap->onClick) wrap->onClick(*wrap);
  } else if (b3 < x && x < b4) {
    fontMode = fontMode >= 4 ? 1 : fontMode + 1;
    FontCheck();
  }
}

int TFormPad::fGetLineNB() { return static_cast<int>(CaretOf(Rich1).line); }

int TFormPad::fGetColNB() { return static_cast<int>(CaretOf(Rich1).column); }

int TFormPad::fGetMultiLine(int mode) {
  const TouchedLines touched =
      FindTouchedLines(LineGeometry(Rich1.Text()),
                       Selection{static_cast<size_t>(Rich1.SelStart()), static_cast<size_t>(Rich1.SelLength())});
  if (mode == 1 && touched.count > 0 && !touched.wholeText)
    Rich1.Select(static_cast<long>(touched.widened.start), static_cast<long>(touched.widened.length));
  SetFocus(Rich1.hwnd());
  return static_cast<int>(touched.count);
}

void TFormPad::Rich1SelectionChange() {
  const RichSelection now = SelectionOf(Rich1);
  const Selection selection{static_cast<size_t>(now.start), static_cast<size_t>(now.length)};
  const CaretPlace caret = CaretOf(Rich1, selection.start);
  StatusLine.SetText(kPanelCaret, CaretText(fMessage("IS_LINE"), caret.line, fMessage("IS_COL"), caret.column));
  // Sort and join need a selection: a caret alone (typing) reads no text for them.
  const bool enabled = selection.length > 0 && SortAndJoinEnabled(Rich1.Text(), selection);
  for (const char* name : {"EditSort1", "EditSort2", "EditJoin"})
    if (MenuItem* item = Item(name)) item->enabled = enabled;
  if (recolourPending) {
    recolourPending = false;
    SetColour();
  }
}

void TFormPad::SetExtensionButtonsEnabled(bool enabled) {
  for (const char* name : {"ToolButtonTest", "ToolButtonTestSmall", "ToolButtonReg", "ToolButtonRegSmall"})
    SetToolbarButtonEnabled(name, enabled);
}

}  // namespace varnock
