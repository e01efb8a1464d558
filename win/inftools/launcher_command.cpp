// Generating RunInf.exe beside the document from the launcher image the program carries.
#include <windows.h>

#include "core/colour/file_extension.h"
#include "core/document/save_rules.h"
#include "core/launcher/runinf_patch.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/inftools/launcher_image.h"
#include "win/platform/code_page.h"
#include "win/platform/file_io.h"
#include "win/platform/process.h"
#include "win/platform/prompter.h"

namespace varnock {

namespace {

constexpr size_t kCustomNameMax = 12;

std::string NameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

}  // namespace

void TFormPad::AffOptRunInfClick() {
  MenuItem* option = Item("AffOptRunInf");
  option->checked = !option->checked;
  EnableCommandsByExtension();
  RefreshMenuBar();
}

void TFormPad::AffExeItemClick() { fMakeRunInf(); }

void TFormPad::fMakeRunInf() {
  const bool custom = Item("AffOptRunInf")->checked;
  std::string name = NameOf(saveDialogFileName);
  // The launcher goes beside the document; an untitled one has only the document folder,
  // and without any folder known the document must be saved first (never the process's
  // current directory).
  if (saveDialogFileName.empty() && (custom || documentFolder.empty())) {
    if (ShowMessage(hwnd_, fMessage("RUNINF_NONAME"), MB_YESNO | MB_ICONWARNING) != IDYES) return;
    FileSave();
    if (saveDialogFileName.empty()) return;
    name = NameOf(ShortPathOrFull(saveDialogFileName));
  }
  if (custom && UpperCaseExtension(name) != ".INF") {
    ShowMessage(hwnd_, fMessage("RUN_NOT_INF"), MB_OK | MB_ICONERROR);
    return;
  }
  if (custom && name.size() > kCustomNameMax) {
    ShowMessage(hwnd_, fMessage("RUN_LONG_INF"), MB_OK | MB_ICONERROR);
    return;
  }
  const std::string folder = saveDialogFileName.empty() ? documentFolder : FolderOf(saveDialogFileName);
  const std::string target = folder + "RunInf.exe";
  if (FileExists(target)) {
    if (!CanOpenReadWrite(target)) {
      ShowMessage(hwnd_, folder + fMessage("RUNINF_FILE_RO"), MB_OK | MB_ICONERROR);
      return;
    }
    if (ShowMessage(hwnd_, folder + fMessage("RUNINF_FILE_HERE"), MB_YESNO | MB_ICONWARNING) != IDYES) return;
  }
  LauncherVariant variant;
  variant.french = languageName == "Francais";
  variant.custom = custom;
  if (custom) {
    variant.name = name;
    if (!WideFromAnsi(name, &variant.wideName)) variant.wideName = std::u16string(name.begin(), name.end());
  }
  std::string image = LauncherImage();
  std::string error;
  if (image.empty() || !PatchLauncher(image, variant, &error)) {
    ShowMessage(hwnd_, fMessage("ERROR_STRING") + " : " + (image.empty() ? "RunInf image" : error),
                MB_OK | MB_ICONERROR);
    return;
  }
  if (!WriteFileSafely(target, image, &error)) {
    ShowMessage(hwnd_, target + "\r" + error, MB_OK | MB_ICONERROR);
    return;
  }
  if (custom) ShowMessage(hwnd_, folder + fMessage("RUNINF_DONE") + name, MB_OK | MB_ICONINFORMATION);
  else ShowMessage(hwnd_, folder + fMessage("RUNINF_DON2"), MB_OK | MB_ICONINFORMATION);
}

}  // namespace varnock
