// The Options menu's Explorer integration commands and the uninstall.
#include "core/settings/associations.h"
#include "win/app/application.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/prompter.h"
#include "win/settings/associations_registry.h"

namespace varnock {

namespace {

// A failed write or deletion names its key instead of confirming; the check mark
// keeps its state then.
bool ReportOutcome(HWND owner, const std::string& failedKey, const char* confirmation) {
  if (!failedKey.empty()) {
    ShowMessage(owner, fMessage("MAJ_REG_FAILED") + failedKey, MB_OK | MB_ICONERROR);
    return false;
  }
  ShowMessage(owner, fMessage(confirmation), MB_OK | MB_ICONINFORMATION);
  return true;
}

}  // namespace

void TFormPad::BindAssociationCommands() {
  Bind("AffRegit", &TFormPad::AffRegitClick);
  Bind("AffRegnfo", &TFormPad::AffRegnfoClick);
  Bind("AffUninst", &TFormPad::AffUninstClick);
}

std::string TFormPad::VerbCaption() const { return shellVerbCaption.empty() ? kDefaultShellVerb : shellVerbCaption; }

std::string TFormPad::fRegInfIniReg() {
  const std::string failed = ApplyRegistryPlan(PlanRegInfIniReg(ProgramFile(), VerbCaption()));
  if (failed.empty()) Item("AffRegit")->checked = true;
  return failed;
}

std::string TFormPad::fUnregInfIniReg() {
  return ApplyRegistryPlan(PlanUnregInfIniReg(ProgramKeyValue("IntegrNfoDiz") == "1"));
}

std::string TFormPad::fRegNfoDiz() {
  const std::string failed = ApplyRegistryPlan(
      PlanRegNfoDiz(ProgramFile(), VerbCaption(), ExtensionFileType(".NFO"), ExtensionFileType(".DIZ")));
  if (failed.empty()) Item("AffRegnfo")->checked = true;
  return failed;
}

std::string TFormPad::fUnregNfoDiz() {
  return ApplyRegistryPlan(
      PlanUnregNfoDiz(ExtensionFileType(".NFO"), ExtensionFileType(".DIZ"), ProgramKeyValue("Integration") == "1"));
}

void TFormPad::AffRegitClick() {
  MenuItem* item = Item("AffRegit");
  if (item->checked) {
    if (ReportOutcome(hwnd_, fUnregInfIniReg(), "MAJ_UNREGED")) item->checked = false;
  } else {
    ReportOutcome(hwnd_, fRegInfIniReg(), "MAJ_REGED");
  }
}

void TFormPad::AffRegnfoClick() {
  MenuItem* item = Item("AffRegnfo");
  if (item->checked) {
    if (ReportOutcome(hwnd_, fUnregNfoDiz(), "MAJ_UNREGED1")) item->checked = false;
  } else {
    ReportOutcome(hwnd_, fRegNfoDiz(), "MAJ_REGED1");
  }
}

void TFormPad::AffUninstClick() {
  if (ShowMessage(hwnd_, fMessage("DELET_VARNOCK"), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  const std::string failed = fUninstall();
  if (!failed.empty()) {
    ShowMessage(hwnd_, fMessage("MAJ_REG_FAILED") + failed, MB_OK | MB_ICONERROR);
    return;
  }
  Item("AffUninst")->checked = true;
  Item("AffUninst")->enabled = false;
  for (const char* name : {"AffRegit", "AffRegnfo"}) {
    Item(name)->checked = false;
    Item(name)->enabled = false;
  }
}

}  // namespace varnock
