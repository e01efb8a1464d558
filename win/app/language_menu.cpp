// The Language menu: one radio entry per section of the language file.
#include "core/settings/settings_values.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/profile.h"

namespace varnock {

void TFormPad::BuildLanguageMenu() {
  // A click on the large toolbar beside its buttons reads the language file again.
  ToolBar.onEmptyClick = [this] { fLocaliseForm(); };
  MenuItem* menu = Item("AffLNG");
  MenuItem* english = Item("English");
  MenuItem* separator = Item("N13");
  if (!menu || !english || !separator) return;
  // The profile functions read only the first of two sections with one name.
  for (const std::string& section : UniqueNames(ProfileSections(LanguageFile()))) {
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
