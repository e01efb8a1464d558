#pragma once
// The common frame of the line commands and inserts on the text control.
#include "core/edit/line_commands.h"
#include "core/edit/selection.h"
#include "win/platform/rich_edit.h"

namespace varnock {

class TFormPad;

// The control's selection in the core's terms.
Selection CurrentSelection(const RichEdit& rich);
void SelectRange(RichEdit& rich, Selection selection);

// Applies a planned line edit: the widened selection, then (when it changes anything)
// one replacement of the lines and the new selection.
void ApplyLineEdit(TFormPad& pad, const LineEdit& edit);

}  // namespace varnock
