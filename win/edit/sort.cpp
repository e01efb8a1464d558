// Sort A..Z and Z..A of the selected lines.
#include "core/edit/line_commands.h"
#include "win/app/form_pad.h"
#include "win/edit/line_edit.h"
#include "win/edit/locale_text.h"

namespace varnock {

void TFormPad::EditSort1Click() {
  ApplyLineEdit(*this, PlanSortAscending(Rich1.Text(), CurrentSelection(Rich1), LocaleCompareNoCase));
}

void TFormPad::EditSort2Click() { ApplyLineEdit(*this, PlanSortDescending(Rich1.Text(), CurrentSelection(Rich1))); }

}  // namespace varnock
