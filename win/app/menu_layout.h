#pragma once
// The built-in layout of the main window's menus: every entry with its name, caption, hint,
// shortcut and initial state. Click handlers are bound by name elsewhere.
#include <string>
#include <vector>

#include "win/platform/menu_model.h"

namespace varnock {

// Radio groups used by the layout (MenuItem::radioGroup).
constexpr int kRadioColourMode = 1;   // AffColorINF, AffColorIRI, AffColorALL, AffColorNO
constexpr int kRadioFontMode = 2;     // SubDef, SubANSI, SubAuto, SubFont
constexpr int kRadioTestLibrary = 3;  // DLLdefault, DLLsetupx, DLLsetupapi, DLLadvpack
constexpr int kRadioLanguage = 5;     // English and the entries added per language section

// The menu bar `MainMenu`: File, Edit, Search, Tools, Options, Windows and Help.
void BuildMainMenu(MenuModel& menu);
// `PopupMenu`, the pop-up menu of the text control.
void BuildTextPopupMenu(MenuModel& menu);
// `PopupMenuTB`, the pop-up menu of both toolbars.
void BuildToolbarPopupMenu(MenuModel& menu);

// Entries of the LDID menu (and its two sub-menus) that insert their identifier when
// clicked, in menu order. The sub-menus themselves and the entries without action are
// not listed.
const std::vector<std::string>& LdidInsertEntryNames();
// Entries of the LDID menu that have no click action.
const std::vector<std::string>& LdidEntriesWithoutAction();
// The sixteen shell folder entries of `HelpFolders` (without `sfWinVer`), in menu order.
const std::vector<std::string>& ShellFolderEntryNames();
// For TB1 ... TB15 in order: the entry whose hint is that toolbar entry's caption.
const std::vector<std::string>& ToolbarEntryCaptionSources();

}  // namespace varnock
