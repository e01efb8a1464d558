#pragma once
// What the colouring passes do to the text control, shared by SetColour,
// SetColourThisLine and SetBW.
#include <string>
#include <vector>

#include "core/colour/colour_range.h"
#include "core/colour/doc_kind.h"
#include "win/app/form_pad.h"

namespace varnock {

// The colouring mode the menu's four checks select.
ColourMode CheckedColourMode(TFormPad& pad);
// fGetDocKind for a text already read from the control.
DocKind CurrentDocKind(TFormPad& pad, const std::string& text);

// Colour of plain text: the display font's.
COLORREF TextColour(const TFormPad& pad);
// The over-long-line marker of the current language.
std::string LongLineMarkerText();

// All text in the display font and the text colour. (The display font is the default
// format already: FontCheck makes it so on the emptied control, where it costs nothing;
// on a full control it lays the whole document out once more.)
void PaintDisplayFont(TFormPad& pad);
// Replaces the control's text by `text` in the display font, painted with `ranges`.
// The bytes come back unchanged through the control's code page: in one RTF stream
// (true), or, for a text the stream would change (a lone CR or LF), loaded plain and
// painted range by range (false).
bool LoadColouredText(TFormPad& pad, const std::string& text, const std::vector<ColourRange>& ranges);
// Paints runs that already hold their net colours, one selection each (redraw is the
// caller's business).
void PaintRuns(TFormPad& pad, const std::vector<ColourRange>& runs);
// The same without touching the selection, runs already in their colour left alone,
// and the control repainting what changed; false when the control cannot do it.
bool PaintRunsInPlace(TFormPad& pad, const std::vector<ColourRange>& runs);

// Word wrap as the Edit menu shows it.
bool WordWrapChecked(TFormPad& pad);
// Colouring empties or breaks the undo history: the Undo entry goes grey.
void DisableUndoEntry(TFormPad& pad);

}  // namespace varnock
