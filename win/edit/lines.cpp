// Join, split, indent and unindent of the selected lines.
#include "core/display/font_mode.h"
#include "core/edit/line_commands.h"
#include "core/edit/line_transforms.h"
#include "win/app/form_pad.h"
#include "win/edit/line_edit.h"

namespace varnock {

namespace {

// The font mode is the checked entry of the font menu.
FontMode CheckedFontMode(TFormPad& pad) {
  const struct {
    const char* name;
    FontMode mode;
  } entries[] = {{"SubANSI", FontMode::Ansi}, {"SubAuto", FontMode::Auto}, {"SubFont", FontMode::User}};
  for (const auto& entry : entries) {
    const MenuItem* item = pad.Item(entry.name);
    if (item && item->checked) return entry.mode;
  }
  return FontMode::Default;
}

std::string FontFaceName(HFONT font) {
  LOGFONTA face{};
  if (!font || !GetObjectA(font, sizeof face, &face)) return "";
  return face.lfFaceName;
}

int ControlWidth(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return r.right - r.left;
}

}  // namespace

void TFormPad::EditJoinClick() { ApplyLineEdit(*this, PlanJoin(Rich1.Text(), CurrentSelection(Rich1))); }

void TFormPad::EditSplitClick() {
  const int width = SplitWidth(CheckedFontMode(*this), FontFaceName(displayFont), ControlWidth(Rich1.hwnd()));
  ApplyLineEdit(*this, PlanSplit(Rich1.Text(), CurrentSelection(Rich1), static_cast<std::size_t>(width)));
}

void TFormPad::EditIndent1Click() { ApplyLineEdit(*this, PlanIndent(Rich1.Text(), CurrentSelection(Rich1))); }

void TFormPad::EditIndent2Click() { ApplyLineEdit(*this, PlanUnindent(Rich1.Text(), CurrentSelection(Rich1))); }

}  // namespace varnock
