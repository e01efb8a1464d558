// The document kind, the four colouring modes and Refresh.
#include "win/colour/colour_paint.h"

namespace varnock {

namespace {

enum class Recolour { IfKindAllows, Colour, BlackAndWhite };

// The four mode commands: check the entry, recolour, and never mark the document
// modified on the way.
void ChooseColouringMode(TFormPad& pad, const char* entry, Recolour recolour) {
  pad.Rich1.tag = 0;
  const bool modified = pad.Rich1.Modified();
  if (MenuItem* item = pad.Item(entry)) item->CheckRadio();
  if (recolour == Recolour::IfKindAllows)
    recolour = pad.fGetDocKind() != 0 ? Recolour::Colour : Recolour::BlackAndWhite;
  if (recolour == Recolour::Colour) pad.SetColour();
  else pad.SetBW();
  pad.Rich1.SetModified(modified);
  pad.SetTitle();
  pad.Rich1.tag = 1;
}

}  // namespace

int TFormPad::fGetDocKind() { return static_cast<int>(CurrentDocKind(*this, Rich1.Text())); }

void TFormPad::fColorINF() { ChooseColouringMode(*this, "AffColorINF", Recolour::IfKindAllows); }
void TFormPad::fColorIRI() { ChooseColouringMode(*this, "AffColorIRI", Recolour::IfKindAllows); }
void TFormPad::fColorALL() { ChooseColouringMode(*this, "AffColorALL", Recolour::Colour); }
void TFormPad::fColorNO() { ChooseColouringMode(*this, "AffColorNO", Recolour::BlackAndWhite); }

void TFormPad::EditF5Click() {
  Rich1.tag = 0;
  SetColour();
  Rich1.tag = 1;
}

}  // namespace varnock
