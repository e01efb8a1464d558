#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::BindColourCommands() {
  Bind("AffColorINF", &TFormPad::fColorINF);
  Bind("AffColorIRI", &TFormPad::fColorIRI);
  Bind("AffColorALL", &TFormPad::fColorALL);
  Bind("AffColorNO", &TFormPad::fColorNO);
  Bind("EditF5", &TFormPad::EditF5Click);
  Bind("PopF5", &TFormPad::EditF5Click);
  Bind("SubDef", &TFormPad::SubDefClick);
  Bind("SubANSI", &TFormPad::SubANSIClick);
  Bind("SubAuto", &TFormPad::SubAutoClick);
  Bind("SubFont", &TFormPad::AffFontClick);
  Bind("AffChoose", &TFormPad::AffChooseClick);
}

}  // namespace varnock
