#include "core/i18n/interface_keys.h"

namespace varnock {

namespace {

using F = LocForm;
using T = LocTarget;

void Pair(std::vector<InterfaceKey>& keys, const std::string& key, const std::string& control, F form = F::Pad) {
  keys.push_back({key, form, control, T::Caption});
  keys.push_back({key + "H", form, control, T::Hint});
}

// Main-window entries whose keys are their own names, caption then hint.
void Pairs(std::vector<InterfaceKey>& keys, std::initializer_list<const char*> names) {
  for (const char* name : names) Pair(keys, name, name);
}

void Captions(std::vector<InterfaceKey>& keys, std::initializer_list<std::pair<const char*, const char*>> list,
              F form = F::Pad) {
  for (const auto& [key, control] : list) keys.push_back({key, form, control, T::Caption});
}

void Hints(std::vector<InterfaceKey>& keys, std::initializer_list<std::pair<const char*, const char*>> list,
           F form = F::Pad) {
  for (const auto& [key, control] : list) keys.push_back({key, form, control, T::Hint});
}

void MainWindowKeys(std::vector<InterfaceKey>& k) {
  k.push_back({"SHELL_CTX", F::Pad, "", T::ShellVerb});
  k.push_back({"SaveDiag_Filter", F::Pad, "SaveDialog", T::Filter});
  k.push_back({"OpenDiag_Filter", F::Pad, "OpenDialog", T::Filter});
  k.push_back({"OpenReg_Filter", F::Pad, "OpenDiagReg", T::Filter});
  k.push_back({"OpenDialog", F::Pad, "OpenDialog", T::DialogTitle});
  Captions(k, {{"MainMenu0", "FileMenu"},
               {"MainMenu1", "EditMenu"},
               {"MainMenu2", "FindMenu"},
               {"MainMenu3", "AffMenu"},
               {"MainMenu4", "OptionsMenu"}});
  k.push_back({"MainMenu5", F::Pad, "WinMenu", T::CaptionWithBlank});
  Pairs(k, {"FileNewItem", "FileOpenItem", "FileSaveItem", "FileSaveAsItem", "FilePrintItem", "FilePrintSetupItem",
            "FileExitItem", "EditUndoItem", "EditCutItem", "EditCopyItem", "EditPasteItem", "EditDeleteItem",
            "EditWrapItem", "EditF5"});
  Pair(k, "EditAZ", "EditSort1");
  Pair(k, "EditZA", "EditSort2");
  Pairs(k, {"EditJoin", "EditSplit", "EditIndent1", "EditIndent2", "FindItem", "FindNextItem", "ReplaceItem",
            "AffWizardItem", "AffRegItem", "AffTestItem", "AffExeItem", "AffRegFus"});
  Hints(k, {{"LDID01H", "LDID01"}, {"LDID30H", "LDID30"}, {"AffLDIDH", "AffLDID"}, {"AffStringsH", "AffStrings"}});
  Pair(k, "EditSpecial", "EditSpecialChar");
  Hints(k, {{"AffWinVerH", "sfWinVer"}});
  Pair(k, "Tool_1", "ToolInsert_1");
  Pair(k, "Tool_2", "ToolInsert_2");
  Pairs(k, {"AffFont", "SubDef", "SubANSI", "SubAuto", "SubFont", "AffChoose", "AffToolBarItem", "AffSmallItem",
            "AffCustomize", "AffLNG", "AffColorINF", "AffColorIRI", "AffColorALL", "AffColorNO"});
  Pair(k, "AffDLLdefault", "DLLdefault");
  Pairs(k, {"AffOptTest", "AffOptRunInf", "AffRegit", "AffRegnfo", "AffUninst"});
  Captions(k, {{"WinVert", "WinVert"},
               {"WinHori", "WinHori"},
               {"WinCasc", "WinCasc"},
               {"WinBack", "WinBack"},
               {"WinNewW", "WinNewW"},
               {"WinClos", "WinClos"}});
  Hints(k, {{"WinBackH", "WinBack"},
            {"WinVertH", "WinVert"},
            {"WinNewWH", "WinNewW"},
            {"WinClosH", "WinClos"},
            {"WinJumpH", "N17"}});
  Pairs(k, {"HelpContentsItem", "HelpINFItem", "HelpFolders", "HelpAboutItem"});
  for (const char* folder : {"Bureau", "SM", "SMP", "SMST", "Docs", "ApData", "BureauU", "SMU", "SMPU", "SMSTU",
                             "DocsU", "ApDataU", "PF", "CommonF", "TEMP", "SourcePath"})
    k.push_back({std::string("Helpsf") + folder, F::Pad, std::string("sf") + folder, T::Caption});
}

void DialogKeys(std::vector<InterfaceKey>& k) {
  k.push_back({"AboutHint", F::About, "ProgramIcon", T::Hint});
  k.push_back({"AboutBox", F::About, "", T::CaptionBeforeTitle});
  k.push_back({"InfWiz", F::Wizard, "", T::Caption});
  Captions(k,
           {{"InfWizLab1", "Label1"}, {"InfWizLab2", "Label2"}, {"InfWizLab10", "Label10"}, {"InfWizLab11", "Label11"}},
           F::Wizard);
  Hints(k, {{"InfWizLab1H", "EditNomLong"}, {"InfWizLab2H", "EditNomCourt"}}, F::Wizard);
  k.push_back({"InfWizHelp", F::Wizard, "BitBtnHelp", T::Caption});
  Pair(k, "InfWizCNL", "BitBtnCNL", F::Wizard);
  k.push_back({"InfWizOKH", F::Wizard, "BitBtnOK", T::Hint});
  for (const char* n : {"05", "10", "20", "25", "30", "40", "50"})
    k.push_back({std::string("InfWiz") + n, F::Wizard, std::string("CheckBox") + n, T::Caption});
  Pair(k, "infWIZ_9X", "LabelNotCompatible", F::Wizard);
  k.push_back({"InfWizCust", F::Wizard, "RadioButton0", T::Caption});
  for (int n : {1, 2, 3, 4})
    k.push_back({"infTB" + std::to_string(n), F::Wizard, "RadioButton" + std::to_string(n), T::Caption});
  for (int n = 11; n <= 16; ++n)
    k.push_back({"infTB" + std::to_string(n), F::Wizard, "RadioButton" + std::to_string(n + 10), T::Caption});
  k.push_back({"infCUH", F::Wizard, "LabelCU", T::Hint});
  k.push_back({"Color", F::Colour, "", T::Caption});
  k.push_back({"ColorLab1", F::Colour, "Label1", T::Caption});
  Hints(k, {{"ColorCNLH", "BitBtnCNL"}, {"ColorExH", "RichEx"}, {"Color1H", "BitBtn1"}}, F::Colour);
  for (int n = 2; n <= 5; ++n) Pair(k, "Color" + std::to_string(n), "BitBtn" + std::to_string(n), F::Colour);
}

int CountPairs(const std::string& filter) {
  if (filter.empty()) return 0;
  int parts = 0;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type bar = filter.find('|', start);
    const std::string::size_type end = bar == std::string::npos ? filter.size() : bar;
    if (end == start) return 0;  // an empty description or pattern
    ++parts;
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return parts % 2 == 0 ? parts / 2 : 0;
}

}  // namespace

const std::vector<InterfaceKey>& InterfaceKeys() {
  static const std::vector<InterfaceKey> keys = [] {
    std::vector<InterfaceKey> k;
    MainWindowKeys(k);
    DialogKeys(k);
    return k;
  }();
  return keys;
}

const std::vector<LocCopy>& LocalisationCopies() {
  static const std::vector<LocCopy> copies = [] {
    std::vector<LocCopy> c;
    const char* const tbSources[] = {"FileNewItem",      "FileOpenItem",  "FileSaveItem",  "EditCutItem",
                                     "EditCopyItem",     "EditPasteItem", "EditUndoItem",  "EditWrapItem",
                                     "FindItem",         "ReplaceItem",   "AffWizardItem", "HelpAboutItem",
                                     "HelpContentsItem", "AffRegItem",    "AffTestItem"};
    for (int i = 0; i < 15; ++i)
      c.push_back({F::Pad, "TB" + std::to_string(i + 1), T::Caption, F::Pad, tbSources[i], T::Hint});
    const std::pair<const char*, const char*> mirrors[] = {
        {"PopUndo", "EditUndoItem"},   {"PopCut", "EditCutItem"},      {"PopCopy", "EditCopyItem"},
        {"PopPaste", "EditPasteItem"}, {"PopDel", "EditDeleteItem"},   {"PopWrap", "EditWrapItem"},
        {"PopF5", "EditF5"},           {"Toolbar1", "AffToolBarItem"}, {"Smallicons1", "AffSmallItem"}};
    for (const auto& [to, from] : mirrors) {
      c.push_back({F::Pad, to, T::Caption, F::Pad, from, T::Caption});
      c.push_back({F::Pad, to, T::Hint, F::Pad, from, T::Hint});
    }
    c.push_back({F::Pad, "WinHori", T::Hint, F::Pad, "WinVert", T::Hint});
    c.push_back({F::Pad, "WinCasc", T::Hint, F::Pad, "WinVert", T::Hint});
    c.push_back({F::Pad, "FileNewVarnock", T::Caption, F::Pad, "WinNewW", T::Caption});
    c.push_back({F::Pad, "FileNewVarnock", T::Hint, F::Pad, "WinNewW", T::Hint});
    c.push_back({F::Wizard, "BitBtnHelp", T::Hint, F::Pad, "HelpContentsItem", T::Hint});
    c.push_back({F::Wizard, "CheckBox45", T::Caption, F::Wizard, "CheckBox25", T::Caption});
    c.push_back({F::Colour, "BitBtnOK", T::Hint, F::Wizard, "BitBtnOK", T::Hint});
    c.push_back({F::Colour, "BitBtnHelp", T::Caption, F::Wizard, "BitBtnHelp", T::Caption});
    c.push_back({F::Colour, "BitBtnHelp", T::Hint, F::Pad, "HelpContentsItem", T::Hint});
    c.push_back({F::Colour, "BitBtnCNL", T::Caption, F::Wizard, "BitBtnCNL", T::Caption});
    return c;
  }();
  return copies;
}

const std::vector<FolderChoice>& WizardFolderChoices() {
  static const std::vector<FolderChoice> choices = {
      {"RadioButton1", "sfPF"},         {"RadioButton2", "sfCommonF"},  {"RadioButton3", "sfTEMP"},
      {"RadioButton4", "sfSourcePath"}, {"RadioButton11", "sfBureau"},  {"RadioButton12", "sfDocs"},
      {"RadioButton13", "sfApData"},    {"RadioButton14", "sfSM"},      {"RadioButton15", "sfSMP"},
      {"RadioButton16", "sfSMST"},      {"RadioButton21", "sfBureauU"}, {"RadioButton22", "sfDocsU"},
      {"RadioButton23", "sfApDataU"},   {"RadioButton24", "sfSMU"},     {"RadioButton25", "sfSMPU"},
      {"RadioButton26", "sfSMSTU"},
  };
  return choices;
}

int FilterPairs(const std::string& filter) { return CountPairs(filter); }

bool IsUsableFilter(const std::string& filter, int requiredPairs) {
  const int pairs = CountPairs(filter);
  return pairs > 0 && (requiredPairs == 0 || pairs == requiredPairs);
}

}  // namespace varnock
