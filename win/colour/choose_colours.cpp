// Options > Choose colours: the colour scheme dialog on the window's four colours.
#include "win/app/form_pad.h"
#include "win/colour/form_color.h"

namespace varnock {

void TFormPad::AffChooseClick() {
  TFormColor* dialog = TFormColor::Instance();
  if (!dialog) return;
  const ColourScheme current{commentColour, errorColour, sectionColour, entryColour};
  const std::optional<ColourScheme> chosen = dialog->Execute(current, displayFontSpec);
  if (!chosen) return;
  commentColour = chosen->comment;
  errorColour = chosen->error;
  sectionColour = chosen->section;
  entryColour = chosen->entry;
  EditF5Click();
}

}  // namespace varnock
