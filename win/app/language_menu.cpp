// The Language menu: one radio entry per section of the language file.
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/profile.h"

namespace varnock {

void TFormPad::BuildLanguageMenu() {
  MenuItem* menu = Item("AffLNG");
  MenuItem* english = Item("English");
  MenuItem* separator = Item("N13");
  if (!menu || !english || !separator) return;
  for (const std::string& section : ProfileSections(LanguageFile())) {
    if (section == "English") continue;
    english->enabled = true;
    separator->visible = true;
    menu->visible = true;
    MenuItem& entry = MainMenu.Add(menu, "", section);
    entry.radioGroup = 5;
    entry.onClick = [this](MenuItem& sender) { fLocalise(sender); };
    if (section == languageName) entry.CheckRadio();
  }
}

}  // namespace varnock
