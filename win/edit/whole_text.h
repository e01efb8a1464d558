#pragma once
// Replacements too big for the text control to delete in good time.
//
// Under Wine the control deletes text in time that grows with the number of line breaks
// removed times the number of lines (a 5,000-line sort took seconds), while loading a
// whole text into a new control takes a fraction of a second. Such a replacement
// builds the new whole text and loads it, coloured, instead.
#include <optional>
#include <string>

#include "core/edit/selection.h"

namespace varnock {

class TFormPad;

// Whether replacing `change` in the control would be slower than loading the whole text
// again. Reads the control's text only for a long range.
bool ReplacementTooSlow(TFormPad& pad, const TextReplacement& change);

// Loads the control's text with `change` applied, in colour, and marks it modified.
// The control's undo history is emptied; an `undoable` load can be taken back by
// UndoWholeTextLoad. The selection is the caller's.
void LoadReplacedText(TFormPad& pad, const TextReplacement& change, bool undoable);

// The text before and after a whole-text load (replace all), so Undo can take it back.
struct WholeTextUndo {
  std::string before;
  std::string after;
  Selection selection;  // to select again in `before`
};

// Undoes the last whole-text load when the control holds the text it left (nothing
// typed since, or all of it undone); false when there is none to undo.
bool UndoWholeTextLoad(TFormPad& pad);

}  // namespace varnock
