// The hints of the LDID and Shell Folders menus: the folders of this computer.
#include <string>

#include "core/inftools/shell_folders.h"
#include "win/app/form_pad.h"
#include "win/app/menu_layout.h"
#include "win/inftools/system_folders.h"

namespace varnock {

namespace {

struct ShellFolderEntry {
  const char* entry;
  const char* folder;
  bool common;
};

const ShellFolderEntry kShellFolderEntries[] = {
    {"sfBureau", "Desktop", true},         {"sfSM", "Start Menu", true},           {"sfSMP", "Programs", true},
    {"sfSMST", "Startup", true},           {"sfDocs", "Documents", true},          {"sfApData", "AppData", true},
    {"sfBureauU", "Desktop", false},       {"sfSMU", "Start Menu", false},         {"sfSMPU", "Programs", false},
    {"sfSMSTU", "Startup", false},         {"sfDocsU", "Documents", false},        {"sfApDataU", "AppData", false},
    {"sfPF", "ProgramFilesDir", false},    {"sfCommonF", "CommonFilesDir", false}, {"sfTEMP", "TEMP", false},
    {"sfSourcePath", "SourcePath", false},
};

}  // namespace

void TFormPad::fRefreshFolderMenus() {
  for (const auto& [name, folder] : LdidFolderHints(fSystemFolders())) {
    if (MenuItem* item = Item(name)) item->hint = folder;
  }
  for (const ShellFolderEntry& e : kShellFolderEntries) {
    MenuItem* item = Item(e.entry);
    if (!item) continue;
    item->hint = fGetShellFolder(e.folder, e.common);
    item->visible = !item->hint.empty();
  }
  // The callers rebuild the menu bar once, after all their changes.
}

}  // namespace varnock
