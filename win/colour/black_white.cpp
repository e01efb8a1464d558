// SetBW: all text in the display font's colour, nothing else changed.
#include "win/colour/colour_paint.h"
#include "win/platform/rich_format.h"

namespace varnock {

void TFormPad::SetBW() {
  const bool modified = Rich1.Modified();
  {
    QuietNotifications quiet(Rich1);
    const long start = Rich1.SelStart();
    const long length = Rich1.SelLength();
    const long topLine = FirstVisibleLine(Rich1);
    Rich1.Select(0, 0);
    Rich1.EmptyUndo();
    PaintDisplayFont(*this);
    Rich1.Select(start, length);
    ScrollToFirstLine(Rich1, topLine);
    StatusLine.SetText(kPanelHint, "");
    Rich1.SetModified(modified);
    SetTitle();
  }
  // The control records a format change as an edit: it is no step to undo.
  Rich1.EmptyUndo();
  DisableUndoEntry(*this);
}

}  // namespace varnock
