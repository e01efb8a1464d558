// The two inserts of the tools menu: an underline below the current line and the REG
// file header at the top.
#include "core/edit/line_commands.h"
#include "win/app/form_pad.h"
#include "win/edit/line_edit.h"

namespace varnock {

void TFormPad::ToolInsert_1Click() { ApplyLineEdit(*this, PlanUnderline(Rich1.Text(), CurrentSelection(Rich1))); }

void TFormPad::ToolInsert_2Click() { ApplyLineEdit(*this, PlanRegHeader()); }

}  // namespace varnock
