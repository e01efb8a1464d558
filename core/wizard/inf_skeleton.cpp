#include "core/wizard/inf_skeleton.h"

namespace varnock {

namespace {

using Lines = std::vector<std::string>;

const std::string kStars = "; *****************************************";
const std::string kRunOnce = "HKLM,%KEY_RUNONCE%\\setup,\"";
const std::string kFolders = "\"%KEY_FOLDERS%\", ";

struct DestinationRow {
  int code;
  const char* key;
  const char* value;
  const char* folder;  // the shell folder's name
  bool common;
};

const DestinationRow kDestinations[] = {
    {1, "\"%KEY_CURRENT%\", ", "\"ProgramFilesDir\", ", "ProgramFilesDir", true},
    {2, "\"%KEY_CURRENT%\", ", "\"CommonFilesDir\", ", "CommonFilesDir", true},
    {3, "\"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment\", ", "\"TEMP\", ", "TEMP", true},
    {4, "\"%KEY_CURRENT%\\Setup\", ", "\"SourcePath\", ", "SourcePath", true},
    {11, "\"%KEY_FOLDERS%\", ", "\"Common Desktop\", ", "Desktop", true},
    {12, "\"%KEY_FOLDERS%\", ", "\"Common Documents\", ", "Common Documents", true},
    {13, "\"%KEY_FOLDERS%\", ", "\"Common AppData\", ", "AppData", true},
    {14, "\"%KEY_FOLDERS%\", ", "\"Common Start Menu\", ", "Start Menu", true},
    {15, "\"%KEY_FOLDERS%\", ", "\"Common Programs\", ", "Programs", true},
    {16, "\"%KEY_FOLDERS%\", ", "\"Common Startup\", ", "Startup", true},
    {21, "\"%KEY_FOLDERS%\", ", "\"Desktop\", ", "Desktop", false},
    {22, "\"%KEY_FOLDERS%\", ", "\"Personal\", ", "Personal", false},
    {23, "\"%KEY_FOLDERS%\", ", "\"AppData\", ", "AppData", false},
    {24, "\"%KEY_FOLDERS%\", ", "\"Start Menu\", ", "Start Menu", false},
    {25, "\"%KEY_FOLDERS%\", ", "\"Programs\", ", "Programs", false},
    {26, "\"%KEY_FOLDERS%\", ", "\"Startup\", ", "Startup", false},
};

// Text inside the shortcut line's doubly nested quotes: each `"` is written four times.
std::string NestedQuotedText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '"') out += "\"\"\"\"";
    else if (c == '%') out += "%%";
    else out += c;
  }
  return out;
}

class Writer {
 public:
  Writer(const SkeletonAnswers& a, const SkeletonLookups& l)
      : a_(a), l_(l), o_(a.options), s_(a.shortName), long_(QuotedFieldText(a.longName)) {}

  Lines Write() {
    Header();
    if (o_.advPack.checked) AdvPack();
    InstallEntries();
    Add("");
    if (AnyCustom()) CustomDirs();
    if (o_.registry.checked) Registry();
    if (o_.shortcuts.checked) Shortcuts();
    if (o_.uninstall.checked) Uninstall();
    Strings();
    return std::move(lines_);
  }

 private:
  void Add(const std::string& line) { lines_.push_back(line); }
  std::string M(const char* key) const { return l_.message(key); }
  bool AnyCustom() const { return o_.customCopy.checked || o_.customShortcut.checked; }

  void Header() {
    Add(kStars);
    Add("; ****   " + a_.longName + "   ****");
    Add(kStars);
    Add(M("WIZ_CRE1"));
    Add(M("WIZ_CRE2"));
    Add("");
    Add("[version]");
    Add("signature=\"$CHICAGO$\"");
    Add("");
    Add("[DefaultInstall]");
  }

  void AdvPack() {
    Add("AddReg = Titre.Reg");
    Add("");
    Add("[Titre.Reg]");
    Add(kRunOnce + "     " + long_ + " \"");
    Add(kRunOnce + "___________________________\"");
    Add(kRunOnce + QuotedFieldText(M("WIZ_DESCRIP1")) + "\"");
    Add(kRunOnce + " \"");
    Add(kRunOnce + QuotedFieldText(M("WIZ_DESCRIP2")) + "\",0,\"RunDll32.exe advpack.dll,LaunchINFSection " + s_ +
        ".inf, " + s_ + ".install\"");
    if (o_.setupDialog.checked || AnyCustom()) {
      Add("");
      Add("[Question]");
      Add("Title=\"" + long_ + "\"");
    }
    if (o_.setupDialog.checked) {
      Add("Prompt=" + M("WIZ_DESCRIP3") + long_ + M("WIZ_DESCRIP4"));
      Add("ButtonType=YESNO");
    }
    Add("");
    Add("[" + s_ + ".install]");
    Add("BeginPrompt = Question");
  }

  void InstallEntries() {
    const bool reg = o_.registry.checked;
    if (o_.uninstall.checked) Add(reg ? "AddReg = Remove.Keys.Reg," + s_ + ".reg" : "AddReg = Remove.Keys.Reg");
    else if (reg) Add("AddReg = " + s_ + ".reg");
    if (o_.shortcuts.checked) Add("UpdateInis = " + s_ + ".Shorcut");
    if (AnyCustom()) Add("CustomDestination = CustomDirs");
    if (o_.copyFiles.checked) CopyFiles();
  }

  // A folder no directory identifier covers is given as -1,PATH: a bare path is no
  // identifier, and the setup library would copy into the system folder instead.
  std::string DestinationDirsValue() const {
    if (a_.destDirId == a_.dest) return "-1," + a_.dest;
    return a_.destDirId;
  }

  void CopyFiles() {
    Add("CopyFiles = " + s_ + ".Copy");
    Add("");
    Add("[" + s_ + ".Copy]");
    Add(s_ + ".exe");
    Add(s_ + ".hlp");
    Add(s_ + ".inf");
    Add("");
    Add("[DestinationDirs]");
    Add(M("WIZ_DESCRIP5"));
    Add(s_ + ".Copy   = " + (o_.customCopy.checked ? std::string("49083") : DestinationDirsValue()));
    Add("");
    Add("[SourceDisksNames]");
    Add("81=\"" + long_ + "\",\"\",1");
    Add(M("WIZ_DESCRIP6"));
    Add("");
    Add("[SourceDisksFiles]");
    Add(s_ + ".exe = 81");
    Add(s_ + ".hlp = 81");
    Add(s_ + ".inf = 81");
  }

  void CustomDirs() {
    const bool copy = o_.customCopy.checked;
    const bool shortcut = o_.customShortcut.checked;
    Add("[CustomDirs]");
    Add(";<oemSFN>,<ansiLFN>,<ansiSFN>,<oemLFN>");
    if (copy) Add(std::string("49081,49082,49083,49084=MyCustomDest.4908x,") + (a_.customCopyCode == 0 ? "1" : "5"));
    if (shortcut)
      Add(std::string("49091,49092,49093,49094=MyShorcutDest.4909x,") + (a_.customShortcutCode == 0 ? "1" : "5"));
    if (copy) {
      Add("");
      Add("[MyCustomDest.4908x]");
      Add(fCustomDestLine(a_.customCopyCode, s_, l_));
    }
    if (shortcut) {
      Add("");
      Add("[MyShorcutDest.4909x]");
      Add(fCustomDestLine(a_.customShortcutCode, s_, l_));
    }
    Add("");
  }

  void Registry() {
    Add("[" + s_ + ".Reg]");
    Add("HKLM,\"Software\\" + s_ + "\",\"Version\",,\"1.0\"");
    Add("HKLM,\"Software\\" + s_ + "\",\"Path\",,\"" + a_.destLdid + "\\" + s_ + ".exe\"");
    Add("");
  }

  void Shortcuts() {
    const std::string& ldid = a_.destLdid;
    Add("[" + s_ + ".Shorcut]");
    if (o_.customShortcut.checked) Add("setup.ini, progman.groups,, \"group81=%49093%\"");
    else Add("setup.ini, progman.groups,, \"group81=" + s_ + "\"");
    Add("setup.ini, group81,, \" \"\"" + NestedQuotedText(a_.longName) + "\"\", \"\"\"\"\"\"" + ldid + "\\" + s_ +
        ".exe\"\"\"\"\"\",,,, \"\"\"\"\"\"" + ldid + "\"\"\"\"\"\" \"");
    Add(M("WIZ_DESCRIP8"));
    Add("");
  }

  void Uninstall() {
    const std::string& ldid = a_.destLdid;
    const std::string remove = "HKLM,%KEY_REMOVE%\\" + s_;
    Add("[Remove.Keys.Reg]");
    Add(remove + ",DisplayName,,\"" + long_ + M("WIZ_DESCRIP9"));
    Add(remove + ",UninstallString,,\"RunDll setupx.dll,InstallHinfSection " + s_ + ".Remove 4 " + ldid + "\\" + s_ +
        ".inf\"");
    Add("; For WinNT 2K XP: " + remove + ",UninstallString,,\"RunDll32.exe setupapi.dll,InstallHinfSection " + s_ +
        ".Remove 4 " + ldid + "\\" + s_ + ".inf\"");
    Add("");
    Add("[" + s_ + ".Remove]");
    Add(o_.copyFiles.checked ? "DelFiles = " + s_ + ".Copy" : std::string("DelFiles = "));
    Add(o_.registry.checked ? "DelReg = Remove.Keys.Reg," + s_ + ".reg" : std::string("DelReg = Remove.Keys.Reg"));
    Add("");
  }

  void Strings() {
    Add("[STRINGS]");
    Add("KEY_REMOVE  = \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\"");
    Add("KEY_RUNONCE = \"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce\"");
    Add("KEY_CURRENT = \"Software\\Microsoft\\Windows\\CurrentVersion\"");
    if (o_.customCopy.enabled || o_.customShortcut.enabled)
      Add("KEY_FOLDERS = \"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\"");
    Add("; ");
    Add(M("WIZ_DESCRIP10"));
    Add("KEY_RENAME  = \"Software\\Microsoft\\Windows\\CurrentVersion\\RenameFiles\"");
    Add("KEY_RUN     = \"Software\\Microsoft\\Windows\\CurrentVersion\\Run\"");
    Add("");
  }

  const SkeletonAnswers& a_;
  const SkeletonLookups& l_;
  const WizardOptions& o_;
  const std::string& s_;
  const std::string long_;  // LONG as a quoted field holds it
  Lines lines_;
};

}  // namespace

std::string QuotedFieldText(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '"' || c == '%') out += c;
  }
  return out;
}

std::string fCustomDestLine(int code, const std::string& shortName, const SkeletonLookups& lookups) {
  const std::string root = code > 19 ? "HKCU, " : "HKLM, ";
  if (code == 0)
    return root + ", , \"" + lookups.message("WIZ_CUST_DIR") + "\",\"" + lookups.programFilesDir + "\\" + shortName +
           "\"";
  const std::string prompt = "\"" + lookups.message("WIZ_ERRROR") + "\", ";
  for (const DestinationRow& row : kDestinations) {
    if (row.code == code)
      return root + row.key + row.value + prompt + "\"" + lookups.shellFolder(row.folder, row.common) + "\"";
  }
  return root + kFolders + ", " + prompt;
}

std::vector<std::string> InfSkeleton(const SkeletonAnswers& answers, const SkeletonLookups& lookups) {
  return Writer(answers, lookups).Write();
}

}  // namespace varnock
