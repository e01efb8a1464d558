// TInfWizard: the event handlers (opening, name rule, options, panel, OK).
#include <cstring>

#include "core/colour/file_extension.h"
#include "core/wizard/wizard_names.h"
#include "win/about/help.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/inftools/browse_folder.h"
#include "win/inftools/inf_wizard.h"
#include "win/inftools/inf_wizard_layout.h"
#include "win/inftools/system_folders.h"
#include "win/platform/file_io.h"
#include "win/platform/prompter.h"

namespace varnock {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

struct BoxBinding {
  const char* name;
  OptionBox WizardOptions::*box;
};

const BoxBinding kBoxes[] = {
    {"CheckBox05", &WizardOptions::advPack},        {"CheckBox10", &WizardOptions::setupDialog},
    {"CheckBox20", &WizardOptions::copyFiles},      {"CheckBox25", &WizardOptions::customCopy},
    {"CheckBox30", &WizardOptions::registry},       {"CheckBox40", &WizardOptions::shortcuts},
    {"CheckBox45", &WizardOptions::customShortcut}, {"CheckBox50", &WizardOptions::uninstall},
};

}  // namespace

bool TInfWizard::Checked(const char* name) const {
  return SendMessageA(controls.Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TInfWizard::SetChecked(const char* name, bool checked) {
  SendMessageA(controls.Control(name), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TInfWizard::ReadOptions() {
  for (const BoxBinding& b : kBoxes) (options_.*b.box).checked = Checked(b.name);
}

void TInfWizard::ShowOptions() {
  for (const BoxBinding& b : kBoxes) {
    EnableWindow(controls.Control(b.name), (options_.*b.box).enabled);
    SetChecked(b.name, (options_.*b.box).checked);
  }
  EnableWindow(controls.Control("ButtonPath"), options_.pathEnabled);
  EnableWindow(controls.Control("EditPath"), options_.pathEnabled);
  EnableWindow(controls.Control("BitBtnOK"), options_.okEnabled);
}

void TInfWizard::FormShow() {
  showing_ = true;
  controls.SetText("EditNomLong", "");
  controls.SetText("EditNomCourt", "");
  newFileName.clear();
  options_ = WizardOptions{};
  ApplyNameState(options_, false);
  ShowOptions();
  KillTimer(hwnd_, kTimer1);
  slideStep_ = 0;
  boundBox_ = nullptr;
  SetWindowPos(panel_, nullptr, 0, Scaled(kPanelOut), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  code25_ = code45_ = 0;
  for (const DestinationChoice& choice : DestinationChoices()) SetChecked(choice.radio, choice.code == 0);
  if (controls.Text("EditPath").empty()) controls.SetText("EditPath", fGetProgramFilesDir());
  showing_ = false;

  const std::string base = WizardBaseName(previousFileName);
  const bool infFile = !base.empty() && UpperCaseExtension(previousFileName) == ".INF";
  if (!infFile) {
    pad_->Rich1.SetModified(true);
    return;
  }
  if (const auto proposed = ShortNameFromFile(previousFileName)) {
    showing_ = true;
    controls.SetText("EditNomCourt", *proposed);
    showing_ = false;
    NameModified(true);
    newFileName = previousFileName;
  } else {
    pad_->Rich1.SetModified(true);
  }
  pad_->saveDialogFileName = newFileName;
  pad_->SetTitle();
}

void TInfWizard::NameModified(bool shortName) {
  if (showing_ || !pad_) return;
  HWND focus = GetFocus();
  if (shortName) {
    HWND edit = controls.Control("EditNomCourt");
    DWORD caret = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    const CutName cut = CutShortName(controls.Text("EditNomCourt"), caret);
    if (cut.changed) {
      controls.SetText("EditNomCourt", cut.text);  // comes back here with the cut text
      SendMessageA(edit, EM_SETSEL, cut.caret, cut.caret);
      return;
    }
  }
  const std::string shortText = controls.Text("EditNomCourt");
  newFileName = WizardNewFileName(previousFileName, pad_->documentFolder, shortText);
  pad_->saveDialogFileName = newFileName;
  pad_->SetTitle();
  // The title refresh hands the focus to the text control; typing goes on here.
  if (focus) SetFocus(focus);
  ReadOptions();
  ApplyNameState(options_, !shortText.empty() && !controls.Text("EditNomLong").empty());
  ShowOptions();
}

void TInfWizard::CheckBox05Click() {
  ReadOptions();
  const bool had25 = options_.customCopy.checked, had45 = options_.customShortcut.checked;
  ApplyOptionDependencies(options_);
  ShowOptions();
  // A special destination that its masters unchecked is unchecked like a click would.
  if (had25 && !options_.customCopy.checked) CheckBox25Click();
  if (had45 && !options_.customShortcut.checked) CheckBox45Click();
}

void TInfWizard::CustomBoxClicked(const char* name, int& code) {
  ReadOptions();
  code = 0;
  if (Checked(name)) {
    for (const DestinationChoice& choice : DestinationChoices()) SetChecked(choice.radio, choice.code == 0);
    boundBox_ = name;
    SlidePanel(true);
  } else {
    SlidePanel(false);
  }
}

void TInfWizard::CheckBox25Click() { CustomBoxClicked("CheckBox25", code25_); }
void TInfWizard::CheckBox45Click() { CustomBoxClicked("CheckBox45", code45_); }

void TInfWizard::RadioButtonClick() {
  if (!boundBox_) return;
  int& code = std::strcmp(boundBox_, "CheckBox45") == 0 ? code45_ : code25_;
  for (const DestinationChoice& choice : DestinationChoices())
    if (Checked(choice.radio)) code = choice.code;
}

void TInfWizard::SpeedButton1Click() {
  SlidePanel(false);
  boundBox_ = nullptr;
}

void TInfWizard::SlidePanel(bool in) {
  slideStep_ = in ? -Scaled(kPanelStep) : Scaled(kPanelStep);
  if (in) SetWindowPos(panel_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetTimer(hwnd_, kTimer1, kPanelInterval, nullptr);
}

void TInfWizard::Timer1Timer() {
  const int target = Scaled(slideStep_ < 0 ? kPanelIn : kPanelOut);
  int top = PanelTop() + slideStep_;
  if ((slideStep_ < 0 && top <= target) || (slideStep_ > 0 && top >= target) || slideStep_ == 0) {
    top = target;
    KillTimer(hwnd_, kTimer1);
    slideStep_ = 0;
  }
  SetWindowPos(panel_, nullptr, 0, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TInfWizard::ButtonPathClick() {
  std::string folder;
  if (fBrowseFolder(hwnd_, fMessage("WIZ_LOADPATH"), &folder)) controls.SetText("EditPath", folder);
}

void TInfWizard::BitBtnHelpClick() { ShowHelp(hwnd_, kHelpInfGuide); }

SkeletonAnswers TInfWizard::Answers() const {
  SkeletonAnswers a;
  a.longName = controls.Text("EditNomLong");
  a.shortName = controls.Text("EditNomCourt");
  a.dest = controls.Text("EditPath");
  a.destLdid = fPathToLDID(a.dest);
  a.destDirId = fPathToDirID(a.dest);
  a.options = options_;
  a.customCopyCode = code25_;
  a.customShortcutCode = code45_;
  return a;
}

void TInfWizard::BitBtnOKClick() {
  if (!options_.okEnabled || !pad_) return;
  // Another file of that name would be overwritten by the next save without a word.
  if (!SameIgnoringCase(newFileName, previousFileName) && FileExists(newFileName) &&
      ShowMessage(hwnd_, fMessage("FILE_OVR"), MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  ReadOptions();
  SkeletonLookups lookups;
  lookups.message = [](const std::string& key) { return fMessage(key); };
  lookups.shellFolder = [](const std::string& name, bool common) { return fGetShellFolder(name, common); };
  lookups.programFilesDir = fGetProgramFilesDir();
  std::string text;
  for (const std::string& line : InfSkeleton(Answers(), lookups)) text += line + "\r\n";
  pad_->Rich1.Select(0, 0);
  pad_->Rich1.ReplaceSelection(text);
  Finish(true);
}

void TInfWizard::OnCommand(int id, int code) {
  if (code == EN_CHANGE) {
    if (id == kIdEditNomLong || id == kIdEditNomCourt) NameModified(id == kIdEditNomCourt);
    return;
  }
  if (code != BN_CLICKED) return;
  if (id >= kIdRadioBase || id == kIdPanel) return RadioButtonClick();
  switch (id) {
    case kIdCheckBox05:
    case kIdCheckBox20:
    case kIdCheckBox40: CheckBox05Click(); break;
    case kIdCheckBox25: CheckBox25Click(); break;
    case kIdCheckBox45: CheckBox45Click(); break;
    case kIdCheckBox10:
    case kIdCheckBox30:
    case kIdCheckBox50: ReadOptions(); break;
    case kIdSpeedButton1: SpeedButton1Click(); break;
    case kIdButtonPath: ButtonPathClick(); break;
    case kIdBitBtnHelp: BitBtnHelpClick(); break;
    case IDOK: BitBtnOKClick(); break;
    case IDCANCEL: Finish(false); break;
  }
}

}  // namespace varnock
