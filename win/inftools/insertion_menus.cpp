// The insertion menus of the Tools menu: directory identifiers, shell folder paths and
// the keys of the document's own [Strings] section. Each insertion replaces the
// selection as typing would.
#include <string>
#include <vector>

#include "core/inftools/insertion_menus.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"

namespace varnock {

namespace {

// Makes `menu` hold exactly `count` entries (at least one), reusing the entries it has
// so that reopening the menu does not use up command ids.
void ResizeEntries(MenuModel& model, MenuItem& menu, std::size_t count) {
  while (menu.items.size() > count) model.Remove(*menu.items.back());
  while (menu.items.size() < count) model.Add(&menu, "AffStringsEmpty", "");
}

void MakePlaceholder(MenuItem& entry) {
  entry.name = "AffStringsEmpty";
  entry.caption = fMessage("IS_VIDE");
  entry.hint.clear();
  entry.onClick = nullptr;
}

}  // namespace

void TFormPad::fmyLDID(MenuItem& sender) { Rich1.ReplaceSelection(LdidFromCaption(sender.caption)); }

void TFormPad::sfClick(MenuItem& sender) { Rich1.ReplaceSelection(sender.hint); }

void TFormPad::fmyItem(MenuItem& sender) { Rich1.ReplaceSelection(sender.hint); }

void TFormPad::fDelStrings() {
  MenuItem* strings = Item("AffStrings");
  if (!strings) return;
  ResizeEntries(MainMenu, *strings, 1);
  MakePlaceholder(*strings->items.front());
  if (StringsMenuEnabled(saveDialogFileName)) {
    strings->onClick = [this](MenuItem&) { fFetchStrings(); };
  } else {
    strings->onClick = nullptr;
  }
  RefreshMenuBar();
}

void TFormPad::fFetchStrings() {
  MenuItem* strings = Item("AffStrings");
  if (!strings) return;
  const std::vector<StringsMenuEntry> entries = FetchStrings(Rich1.Text());
  ResizeEntries(MainMenu, *strings, entries.empty() ? 1 : entries.size());
  if (entries.empty()) {
    MakePlaceholder(*strings->items.front());
    return;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    MenuItem& entry = *strings->items[i];
    entry.name = "AffStringsItem" + std::to_string(i + 1);
    entry.caption = entries[i].caption;
    entry.hint = entries[i].hint;
    entry.onClick = [this](MenuItem& sender) { fmyItem(sender); };
  }
}

}  // namespace varnock
