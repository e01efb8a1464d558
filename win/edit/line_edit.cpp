#include "win/edit/line_edit.h"

#include "win/app/form_pad.h"
#include "win/edit/whole_text.h"

namespace varnock {

Selection CurrentSelection(const RichEdit& rich) {
  return {static_cast<std::size_t>(rich.SelStart()), static_cast<std::size_t>(rich.SelLength())};
}

void SelectRange(RichEdit& rich, Selection selection) {
  rich.Select(static_cast<long>(selection.start), static_cast<long>(selection.length));
}

void ApplyLineEdit(TFormPad& pad, const LineEdit& edit) {
  RichEdit& rich = pad.Rich1;
  SelectRange(rich, edit.selectFirst);
  SetFocus(rich.hwnd());
  if (!edit.changes) return;
  const TextReplacement& change = edit.replacement;
  if (ReplacementTooSlow(pad, change)) {
    // The whole text goes in coloured: nothing is left to recolour.
    LoadReplacedText(pad, change, false);
  } else {
    const Selection range{change.start, change.length};
    if (range != edit.selectFirst) SelectRange(rich, range);
    // Raised only now: the selection change of the replacement itself is the one that
    // recolours, after the new lines are in. Raised before selecting the range, a
    // recolouring would run on the old lines and the new ones would stay uncoloured.
    if (edit.recolour) pad.recolourPending = true;
    rich.ReplaceSelection(change.text);
  }
  SelectRange(rich, edit.selectAfter);
}

}  // namespace varnock
