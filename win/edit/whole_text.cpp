#include "win/edit/whole_text.h"

#include <algorithm>

#include "win/app/form_pad.h"
#include "win/edit/line_edit.h"

namespace varnock {

namespace {

// A range shorter than this cannot hold enough line breaks to matter.
constexpr std::size_t kLengthWorthCounting = 4096;
// Breaks removed times lines held: beyond this the control's deletion takes longer than
// a whole load of a full document (about 0.25 s under Wine).
constexpr std::size_t kSlowDeletionCost = 1000000;

std::size_t LineBreaks(const std::string& text, std::size_t start, std::size_t length) {
  const auto first = text.begin() + static_cast<std::ptrdiff_t>(std::min(start, text.size()));
  const auto last = text.begin() + static_cast<std::ptrdiff_t>(std::min(start + length, text.size()));
  return static_cast<std::size_t>(std::count(first, last, '\n'));
}

std::string Replaced(const std::string& text, const TextReplacement& change) {
  const std::size_t start = std::min(change.start, text.size());
  const std::size_t end = std::min(start + change.length, text.size());
  return text.substr(0, start) + change.text + text.substr(end);
}

// The load keeps the modified flag and ends with SetTitle: marked first, the title (and
// the size warning, once) follow the new text.
void LoadModifiedText(TFormPad& pad, const std::string& text) {
  pad.Rich1.SetModified(true);
  pad.fLoadColouredText(text);
}

}  // namespace

bool ReplacementTooSlow(TFormPad& pad, const TextReplacement& change) {
  if (change.length < kLengthWorthCounting) return false;
  const std::string text = pad.Rich1.Text();
  const std::size_t lines = LineBreaks(text, 0, text.size()) + 1;
  return LineBreaks(text, change.start, change.length) * lines > kSlowDeletionCost;
}

void LoadReplacedText(TFormPad& pad, const TextReplacement& change, bool undoable) {
  WholeTextUndo undo{pad.Rich1.Text(), "", CurrentSelection(pad.Rich1)};
  undo.after = Replaced(undo.before, change);
  LoadModifiedText(pad, undo.after);
  if (!undoable) {
    pad.wholeTextUndo.reset();
    return;
  }
  pad.wholeTextUndo = std::move(undo);
  // The load emptied the control's history; Undo still has this step.
  if (MenuItem* item = pad.Item("EditUndoItem")) item->enabled = true;
}

bool UndoWholeTextLoad(TFormPad& pad) {
  if (!pad.wholeTextUndo || pad.Rich1.Text() != pad.wholeTextUndo->after) return false;
  const WholeTextUndo undo = std::move(*pad.wholeTextUndo);
  pad.wholeTextUndo.reset();
  LoadModifiedText(pad, undo.before);
  SelectRange(pad.Rich1, undo.selection);
  return true;
}

}  // namespace varnock
