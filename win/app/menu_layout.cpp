// The built-in menus of the main window, as data. Texts are Windows-1252; characters
// outside ASCII are written as escapes. Captions and hints may be replaced later by the
// language file; the entries' names are the keys through which the rest of the program
// finds them.
#include "win/app/menu_layout.h"

#include <cstddef>
#include <iterator>
#include <string>

namespace varnock {

namespace {

struct Entry {
  const char* name;
  const char* caption;
  const char* hint;
};

// Hints that other entries copy (the toolbar customisation entries take them as captions).
constexpr const char* kHintFileNew = "Create a new file";
constexpr const char* kHintFileOpen = "Open an existing file";
constexpr const char* kHintFileSave = "Save the current file";
constexpr const char* kHintEditUndo = "Undo the last change";
constexpr const char* kHintEditCut = "Cut the selection and put it on the clipboard";
constexpr const char* kHintEditCopy = "Copy the selection to the clipboard";
constexpr const char* kHintEditPaste = "Insert the clipboard's text at the cursor's position";
constexpr const char* kHintEditDelete = "Delete the selection";
constexpr const char* kHintEditWrap = "Wrap text to fit the window";
constexpr const char* kHintEditF5 = "Refresh text & colours, if applicable";
constexpr const char* kHintFind = "Find the specified text";
constexpr const char* kHintReplace = "Replace with the specified text";
constexpr const char* kHintWizard = "INF file generator";
constexpr const char* kHintImportReg = "Translate a REG file into INF file entry";
constexpr const char* kHintTest = "Test the INF file's  [DefaultInstall]  entry";
constexpr const char* kHintHelpContents = "Open the Varnock help window";
constexpr const char* kHintHelpAbout = "Display program information and copyright notice";
constexpr const char* kHintToolbar = "Show or hide the toolbar";
constexpr const char* kHintSmallIcons = "Show the toolbar with small icons";
constexpr const char* kHintNewCopy = "Run another Varnock instance";

// Captions shared by an entry and its twin.
constexpr const char* kCaptionUndo = "&Undo";
constexpr const char* kCaptionCut = "Cu&t";
constexpr const char* kCaptionCopy = "&Copy";
constexpr const char* kCaptionPaste = "&Paste";
constexpr const char* kCaptionDelete = "&Delete";
constexpr const char* kCaptionWrap = "&Word wrap";
constexpr const char* kCaptionRefresh = "Refres&h";
constexpr const char* kCaptionToolbar = "&Toolbar";
constexpr const char* kCaptionSmallIcons = "Small &icons";
constexpr const char* kCaptionNewCopy = "New &Varnock";

constexpr const char* kNotFor9x = "Not for Win9x";

// Sub-menu "Current User" of the LDID menu.
const Entry kLdidCurrentUser[] = {
    {"LDID53B", "%53% Current user Profile directory", kNotFor9x},
    {"LDID16384", "%16384% Desktop", kNotFor9x},
    {"LDID16395", "%16395% Start Menu", kNotFor9x},
    {"LDID16386", "%16386% Start Menu\\Programs", kNotFor9x},
    {"LDID16391", "%16391% Start Menu\\Programs\\Startup", kNotFor9x},
    {"LDID16432", "%16432% Start Menu\\Programs\\Administrative Tools", kNotFor9x},
    {"LDID16389", "%16389% My Documents", kNotFor9x},
    {"LDID16397", "%16397% My Documents\\My Music", kNotFor9x},
    {"LDID16398", "%16398% My Documents\\My Videos", kNotFor9x},
    {"LDID16423", "%16423% My Documents\\My Pictures", kNotFor9x},
    {"LDID16405", "%16405% Templates", kNotFor9x},
    {"LDID16390", "%16390% Favorites", kNotFor9x},
    {"N16392Recent1", "%16392% Recent", kNotFor9x},
    {"N16393SendTo1", "%16393% SendTo", kNotFor9x},
    {"LDID16403", "%16403% NetHood", kNotFor9x},
    {"LDID16410", "%16410% Application Data", kNotFor9x},
    {"LDID16411", "%16411% PrintHood", kNotFor9x},
    {"LDID16416", "%16416% Local Settings\\Temporary Internet Files", kNotFor9x},
    {"LDID16418", "%16418% Local Settings\\History", kNotFor9x},
    {"LDID16412", "%16412% Local Settings\\Application Data", kNotFor9x},
    {"LDID16443", "%16443% Local Settings\\Application Data\\Microsoft\\CD Burning", kNotFor9x},
    {"LDID16417", "%16417% Cookies", kNotFor9x},
};

// Sub-menu "All users" of the LDID menu.
const Entry kLdidAllUsers[] = {
    {"LDID16409", "%16409% Desktop", kNotFor9x},
    {"LDID16406", "%16406% Start Menu ", kNotFor9x},
    {"LDID16407", "%16407% Start Menu\\Programs ", kNotFor9x},
    {"LDID16408", "%16408% Start Menu\\Programs\\Startup", kNotFor9x},
    {"LDID16431", "%16431% Start Menu\\Programs\\Administrative Tools", kNotFor9x},
    {"LDID16430", "%16430% Shared Documents", kNotFor9x},
    {"LDID16437", "%16437% Shared My Music", kNotFor9x},
    {"LDID16438", "%16438% Shared My Pictures", kNotFor9x},
    {"LDID16439", "%16439% Shared My Videos", kNotFor9x},
    {"LDID16415", "%16415% Favorites", kNotFor9x},
    {"LDID16429", "%16429% Templates", kNotFor9x},
    {"LDID16419", "%16419% Application Data", kNotFor9x},
};

// Entries of the LDID menu after its two sub-menus. The hints of LDID10 ... LDID30 are
// replaced by the looked-up folders when the window is localised.
const Entry kLdidCommon[] = {
    {"LDID01", "%01% SRCPATH", "INF file current dir"},
    {"N1Absolutepath1", "%-1% Absolute path", "Absolute path"},
    {"LDID10", "%10% WIN", "Windows directory"},
    {"LDID11", "%11% SYS", "System directory"},
    {"LDID13", "%13% CMD", "Command directory"},
    {"LDID17", "%17% INF", "INF directory"},
    {"LDID18", "%18% HELP", "Help directory"},
    {"LDID20", "%20% FONTS", "Fonts directory"},
    {"LDID24", "%24% WIN DRIVE", "Root of the Windows drive"},
    {"LDID25", "%25% WIN", "Shared Windows directory"},
    {"LDID30", "%30% BOOT DRIVE", "Root of the boot drive"},
    {"LDID53", "%53% Current User profile directory", kNotFor9x},
    {"LDID16422", "%16422% Program Files", kNotFor9x},
    {"LDID16427", "%16427% Program Files\\Common", kNotFor9x},
};

const char* const kLdidWithoutAction[] = {
    "LDID16431", "LDID16437", "LDID16438", "LDID16439", "N1Absolutepath1",
};

// Shell folder entries; their hints become the folders' paths when the window is localised.
constexpr const char* kHintShellFolder = "Insert this folder's path at the cursor's position";
const Entry kShellFolders[] = {
    {"sfBureau", "Common Desktop", kHintShellFolder},  {"sfSM", "Common Start menu", kHintShellFolder},
    {"sfSMP", "Common Programs", kHintShellFolder},    {"sfSMST", "Common Startup", kHintShellFolder},
    {"sfDocs", "Shared Documents", kHintShellFolder},  {"sfApData", "Applications Data", kHintShellFolder},
    {"sfBureauU", "User's Desktop", kHintShellFolder}, {"sfSMU", "User's Start menu", kHintShellFolder},
    {"sfSMPU", "User's Programs", kHintShellFolder},   {"sfSMSTU", "User's Startup ", kHintShellFolder},
    {"sfDocsU", "User's Documents", kHintShellFolder}, {"sfApDataU", "User's Applications Data", kHintShellFolder},
    {"sfPF", "Program Files", kHintShellFolder},       {"sfCommonF", "Common Files", kHintShellFolder},
    {"sfTEMP", "Temp folder", kHintShellFolder},       {"sfSourcePath", "Source Path", kHintShellFolder},
};

// Toolbar customisation entries: name, the entry whose hint is the caption, that hint.
struct ToolbarEntry {
  const char* name;
  const char* source;
  const char* caption;
};
const ToolbarEntry kToolbarEntries[] = {
    {"TB1", "FileNewItem", kHintFileNew},
    {"TB2", "FileOpenItem", kHintFileOpen},
    {"TB3", "FileSaveItem", kHintFileSave},
    {"TB4", "EditCutItem", kHintEditCut},
    {"TB5", "EditCopyItem", kHintEditCopy},
    {"TB6", "EditPasteItem", kHintEditPaste},
    {"TB7", "EditUndoItem", kHintEditUndo},
    {"TB8", "EditWrapItem", kHintEditWrap},
    {"TB9", "FindItem", kHintFind},
    {"TB10", "ReplaceItem", kHintReplace},
    {"TB11", "AffWizardItem", kHintWizard},
    {"TB12", "HelpAboutItem", kHintHelpAbout},
    {"TB13", "HelpContentsItem", kHintHelpContents},
    {"TB14", "AffRegItem", kHintImportReg},
    {"TB15", "AffTestItem", kHintTest},
};

MenuItem& Separator(MenuModel& menu, MenuItem* parent, const std::string& name) { return menu.Add(parent, name, "-"); }

void AddEntries(MenuModel& menu, MenuItem* parent, const Entry* first, const Entry* last) {
  for (const Entry* e = first; e != last; ++e) menu.Add(parent, e->name, e->caption, e->hint);
}

template <std::size_t N>
void AddEntries(MenuModel& menu, MenuItem* parent, const Entry (&entries)[N]) {
  AddEntries(menu, parent, entries, entries + N);
}

void BuildFileMenu(MenuModel& menu) {
  MenuItem& file = menu.Add(nullptr, "FileMenu", "&File");
  MenuItem* m = &file;
  menu.Add(m, "FileNewVarnock", kCaptionNewCopy, kHintNewCopy);
  Separator(menu, m, "Sep_File1");
  menu.Add(m, "FileNewItem", "&New", kHintFileNew, "Ctrl+N");
  menu.Add(m, "FileOpenItem", "&Open...", kHintFileOpen, "Ctrl+O");
  menu.Add(m, "FileSaveItem", "&Save", kHintFileSave, "Ctrl+S");
  menu.Add(m, "FileSaveAsItem", "Save &As...", "Save the current file under a new name");
  Separator(menu, m, "Sep_File2");
  menu.Add(m, "FilePrintItem", "&Print...", "Print the current file", "Ctrl+P");
  menu.Add(m, "FilePrintSetupItem", "P&rint Setup...", "Choose a printer and its settings");
  Separator(menu, m, "Sep_File3");
  // Recent files: shown and captioned when the File menu opens.
  const char* const recent[] = {"&1 - ", "&2 - ", "&3 - ", "&4 - "};
  for (int i = 0; i < 4; ++i) menu.Add(m, "Old" + std::to_string(i + 1), recent[i]).visible = false;
  Separator(menu, m, "OldN").visible = false;
  menu.Add(m, "FileExitItem", "E&xit", "Quit Varnock", "Ctrl+Q");
}

void BuildEditMenu(MenuModel& menu) {
  MenuItem* m = &menu.Add(nullptr, "EditMenu", "&Edit");
  menu.Add(m, "EditUndoItem", kCaptionUndo, kHintEditUndo, "Ctrl+Z");
  Separator(menu, m, "Sep_Edit1");
  menu.Add(m, "EditCutItem", kCaptionCut, kHintEditCut, "Ctrl+X");
  menu.Add(m, "EditCopyItem", kCaptionCopy, kHintEditCopy, "Ctrl+C");
  menu.Add(m, "EditPasteItem", kCaptionPaste, kHintEditPaste, "Ctrl+V");
  menu.Add(m, "EditDeleteItem", kCaptionDelete, kHintEditDelete);
  Separator(menu, m, "Sep_Edit2");
  menu.Add(m, "EditSort1", "Sort A..Z", "Sort selected lines in alphabetic order", "Ctrl+Alt+A");
  menu.Add(m, "EditSort2", "Sort Z..A", "Sort selected lines in reverse order", "Ctrl+Alt+Z");
  menu.Add(m, "EditJoin", "Join lines", "Join selected lines", "Ctrl+Alt+J");
  menu.Add(m, "EditSplit", "Split line(s)", "Split selected lines to match Varnock's width", "Ctrl+Alt+S");
  menu.Add(m, "EditIndent1", "Indent lines", "Add two spaces in front of selected lines", "Ctrl+Alt+I");
  menu.Add(m, "EditIndent2", "Unindent lines", "Remove spaces in front of selected lines", "Ctrl+Alt+U");
  Separator(menu, m, "Sep_Edit3");
  menu.Add(m, "EditWrapItem", kCaptionWrap, kHintEditWrap);
  menu.Add(m, "EditF5", kCaptionRefresh, kHintEditF5, "F5");
}

void BuildSearchMenu(MenuModel& menu) {
  MenuItem* m = &menu.Add(nullptr, "FindMenu", "&Search");
  menu.Add(m, "FindItem", "&Find entry...", kHintFind, "Ctrl+F");
  menu.Add(m, "FindNextItem", "Find &Next", "Repeat the search", "F3");
  menu.Add(m, "ReplaceItem", "Find and &Replace", kHintReplace, "Ctrl+R");
}

void BuildToolsMenu(MenuModel& menu) {
  MenuItem* m = &menu.Add(nullptr, "AffMenu", "T&ools");
  menu.Add(m, "AffWizardItem", "INF file Wi&zard", kHintWizard);
  menu.Add(m, "AffRegItem", "Import &REG file", kHintImportReg);

  MenuItem* ldid = &menu.Add(m, "AffLDID", "&LDID", "Insert a common LDID at the cursor's position");
  MenuItem* currentUser = &menu.Add(ldid, "LDID_CU", "Current User", kNotFor9x);
  AddEntries(menu, currentUser, kLdidCurrentUser);
  MenuItem* allUsers = &menu.Add(ldid, "LDID_AllU", "All users", kNotFor9x);
  AddEntries(menu, allUsers, kLdidAllUsers);
  AddEntries(menu, ldid, kLdidCommon);

  MenuItem* strings =
      &menu.Add(m, "AffStrings", "[&Strings]", "Insert a previouslly defined %String% at the cursor's position");
  menu.Add(strings, "AffStringsEmpty", "- empty -");  // placeholder, rebuilt with the document

  Separator(menu, m, "Sep_Tools1");
  MenuItem* special = &menu.Add(m, "EditSpecialChar", "Insert..", "Insert special characters");
  menu.Add(special, "ToolInsert_1", "Underline ( \xAF\xAF\xAF )",
           "Adds \xAF\xAF\xAF\xAF\xAF\xAF\xAF\xAF"
           " below current line");
  menu.Add(special, "ToolInsert_2", "REG file intro line", "Windows Registry Editor Version 5.00");

  MenuItem* folders =
      &menu.Add(m, "HelpFolders", "Shell &Folders", "Have a look on your current computer shell folders");
  // Captioned with the Windows version text at start-up.
  menu.Add(folders, "sfWinVer", "Windows version", "Current Window's version").enabled = false;
  AddEntries(menu, folders, kShellFolders);

  Separator(menu, m, "Sep_Tools2");
  menu.Add(m, "AffTestItem", "&Test the INF file", kHintTest);
  menu.Add(m, "AffExeItem", "&Generate launcher", "Creates a RunInf.exe to setup automatically your INF");
  menu.Add(m, "AffRegFus", "&Merge REG file", "Merge the current REG file in registry");
}

void BuildOptionsMenu(MenuModel& menu) {
  MenuItem* m = &menu.Add(nullptr, "OptionsMenu", "O&ptions");

  MenuItem* font = &menu.Add(m, "AffFont", "&Font", "Change Varnock's font");
  MenuItem& subDef = menu.Add(font, "SubDef", "&Default", "Default Varnock OEM font");
  subDef.radioGroup = kRadioFontMode;
  subDef.checked = true;
  menu.Add(font, "SubANSI", "&ANSI", "ANSI font (unsuitable for printing)").radioGroup = kRadioFontMode;
  menu.Add(font, "SubAuto", "A&uto Font", "OEM or ANSI, according to the text content").radioGroup = kRadioFontMode;
  Separator(menu, font, "Sep_Font1");
  menu.Add(font, "SubFont", "&Choose", "Choose from windows's fonts").radioGroup = kRadioFontMode;

  menu.Add(m, "AffChoose", "C&hoose colours", "Select best colours to display and print");
  menu.Add(m, "AffToolBarItem", kCaptionToolbar, kHintToolbar).checked = true;
  menu.Add(m, "AffSmallItem", kCaptionSmallIcons, kHintSmallIcons);
  MenuItem* customize = &menu.Add(m, "AffCustomize", "Customize ToolBar", "Choose the buttons shown on the toolbar");
  for (const ToolbarEntry& tb : kToolbarEntries) menu.Add(customize, tb.name, tb.caption).checked = true;

  // Language menu: shown when the language file offers a language besides English.
  Separator(menu, m, "N13").visible = false;
  MenuItem& languages = menu.Add(m, "AffLNG", "Language", "Choose the language of Varnock's menus and messages");
  languages.visible = false;
  MenuItem& english = menu.Add(&languages, "English", "Default (English)",
                               "You need to restart Varnock to revert to default english !");
  english.radioGroup = kRadioLanguage;
  english.checked = true;
  english.enabled = false;

  Separator(menu, m, "Sep_Options1");
  MenuItem& colourInf = menu.Add(m, "AffColorINF", "&Colour INF files", "Use colours to improve reading of INF files");
  colourInf.radioGroup = kRadioColourMode;
  colourInf.checked = true;
  menu.Add(m, "AffColorIRI", "Colour INF, INI && RE&G files", "Use colours to improve reading of INF, INI & REG files")
      .radioGroup = kRadioColourMode;
  menu.Add(m, "AffColorALL", "Colour &all", "Use colours to see all files as INF files").radioGroup = kRadioColourMode;
  menu.Add(m, "AffColorNO", "Blac&k && White", "Use standard colours").radioGroup = kRadioColourMode;

  Separator(menu, m, "Sep_Options2");
  MenuItem* test = &menu.Add(m, "AffOptTest", "Te&sting with ...", "Select which DLL to test with");
  MenuItem& byDefault = menu.Add(test, "DLLdefault", "OS Default", "Use OS registered shell extention");
  byDefault.radioGroup = kRadioTestLibrary;
  byDefault.checked = true;
  // The libraries found on the system are enabled at start-up.
  const Entry libraries[] = {
      {"DLLsetupx", "SetupX.dll", "SetupX.dll not found !"},
      {"DLLsetupapi", "Setupapi.dll", "SetupApi.dll not found !"},
      {"DLLadvpack", "AdvPack.dll", "AdvPack.dll not found !"},
  };
  for (const Entry& e : libraries) {
    MenuItem& item = menu.Add(test, e.name, e.caption, e.hint);
    item.radioGroup = kRadioTestLibrary;
    item.enabled = false;
  }
  menu.Add(m, "AffOptRunInf", "C&ustom RunInf.exe", "Select to create a RunInf.exe file specific to my INF file")
      .checked = true;

  Separator(menu, m, "Sep_Options3");
  menu.Add(m, "AffRegit", "Associate I&NF, INI && REG files",
           "Add a Varnock entry to the Explorer menu of INF, INI and REG files");
  menu.Add(m, "AffRegnfo", "Associate NF&O && DIZ files",
           "Add a Varnock entry to the Explorer menu of NFO and DIZ files");
  menu.Add(m, "AffUninst", "&Remove Varnock from registry", "Remove all Varnock keys from the registry");
}

void BuildWindowsMenu(MenuModel& menu) {
  // Shown only while two or more copies are registered.
  MenuItem& windows = menu.Add(nullptr, "WinMenu", "&Windows ");
  windows.visible = false;
  MenuItem* m = &windows;
  constexpr const char* kHintArrange = "Rearrange up to 4 Varnock instances";
  menu.Add(m, "WinVert", "Tile &Vertically", kHintArrange, "F7");
  menu.Add(m, "WinHori", "Tile &Horizontally", kHintArrange, "F4");
  menu.Add(m, "WinCasc", "&Cascade", kHintArrange, "F6");
  menu.Add(m, "WinBack", "Restore &Position", "Back to Varnock previous positions");
  Separator(menu, m, "N18");
  menu.Add(m, "WinNewW", kCaptionNewCopy, kHintNewCopy);
  menu.Add(m, "WinClos", "&Close all", "Close all Varnock instances", "Ctrl+Shift+Q");
  // Its hint is given to every copy entry appended after it.
  Separator(menu, m, "N17").hint = "Jump to this Varnock's instance";
}

void BuildHelpMenu(MenuModel& menu) {
  MenuItem* m = &menu.Add(nullptr, "HelpMenu", "&?");
  menu.Add(m, "HelpContentsItem", "&Contents", kHintHelpContents, "F1");
  menu.Add(m, "HelpINFItem", "&INF files info", "Documentation about INF file creation");
  Separator(menu, m, "Sep_Help1");
  menu.Add(m, "HelpAboutItem", "&About Varnock", kHintHelpAbout);
}

}  // namespace

void BuildMainMenu(MenuModel& menu) {
  BuildFileMenu(menu);
  BuildEditMenu(menu);
  BuildSearchMenu(menu);
  BuildToolsMenu(menu);
  BuildOptionsMenu(menu);
  BuildWindowsMenu(menu);
  BuildHelpMenu(menu);
}

void BuildTextPopupMenu(MenuModel& menu) {
  // The same texts as the Edit menu entries they repeat.
  menu.Add(nullptr, "PopUndo", kCaptionUndo, kHintEditUndo);
  Separator(menu, nullptr, "Sep_Popup1");
  menu.Add(nullptr, "PopCut", kCaptionCut, kHintEditCut);
  menu.Add(nullptr, "PopCopy", kCaptionCopy, kHintEditCopy);
  menu.Add(nullptr, "PopPaste", kCaptionPaste, kHintEditPaste);
  menu.Add(nullptr, "PopDel", kCaptionDelete, kHintEditDelete);
  Separator(menu, nullptr, "Sep_Popup2");
  menu.Add(nullptr, "PopWrap", kCaptionWrap, kHintEditWrap);
  menu.Add(nullptr, "PopF5", kCaptionRefresh, kHintEditF5);
}

void BuildToolbarPopupMenu(MenuModel& menu) {
  menu.Add(nullptr, "Toolbar1", kCaptionToolbar, kHintToolbar).checked = true;
  menu.Add(nullptr, "Smallicons1", kCaptionSmallIcons, kHintSmallIcons);
}

const std::vector<std::string>& LdidInsertEntryNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> result;
    auto addAll = [&](const Entry* first, const Entry* last) {
      for (const Entry* e = first; e != last; ++e) {
        bool inert = false;
        for (const char* n : kLdidWithoutAction) inert = inert || std::string(n) == e->name;
        if (!inert) result.push_back(e->name);
      }
    };
    addAll(std::begin(kLdidCurrentUser), std::end(kLdidCurrentUser));
    addAll(std::begin(kLdidAllUsers), std::end(kLdidAllUsers));
    addAll(std::begin(kLdidCommon), std::end(kLdidCommon));
    return result;
  }();
  return names;
}

const std::vector<std::string>& LdidEntriesWithoutAction() {
  static const std::vector<std::string> names(std::begin(kLdidWithoutAction), std::end(kLdidWithoutAction));
  return names;
}

const std::vector<std::string>& ShellFolderEntryNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> result;
    for (const Entry& e : kShellFolders) result.push_back(e.name);
    return result;
  }();
  return names;
}

const std::vector<std::string>& ToolbarEntryCaptionSources() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> result;
    for (const ToolbarEntry& tb : kToolbarEntries) result.push_back(tb.source);
    return result;
  }();
  return names;
}

}  // namespace varnock
