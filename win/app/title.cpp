// The window title and the commands that follow the document's extension.
#include "core/app/status_text.h"
#include "core/colour/file_extension.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/prompter.h"
#include "win/platform/window_base.h"

namespace varnock {

void TFormPad::SetTitle() {
  const long length = Rich1.TextLength();
  if (!timedStatusShowing_ || length != timedStatusLength_) {
    StatusLine.SetText(kPanelMessage, SizeText(static_cast<size_t>(length)));
  }
  fTakeInstanceNumber();
  MenuItem* windowsMenu = Item("WinMenu");
  TitleParts parts;
  parts.prefix = fMessage("SH_TITRE_VARNOCK");
  parts.instanceNumber = instanceNumber;
  parts.windowsMenuVisible = windowsMenu && windowsMenu->visible;
  parts.fileName = saveDialogFileName;
  parts.modified = Rich1.Modified();
  if (parts.modified) {
    parts.notSavedText = fMessage("IS_NOT_SAVED");
    parts.modifiedText = fMessage("IS_MODIFIED");
  }
  // Setting the same title again costs a millisecond under Wine (the window manager is
  // told), and this runs at every recoloured keystroke.
  const std::string title = TitleText(parts);
  if (WindowText(hwnd_) != title) SetWindowTextA(hwnd_, title.c_str());
  if (takenNumber_) takenNumber_->title = title;  // a title of our own is no renumbering by another copy
  if (parts.modified) {
    Item("EditUndoItem")->enabled = true;
    if (static_cast<size_t>(length) > kBigTextWarning)
      ShowMessage(hwnd_, fMessage("FILE_BIG") + std::to_string(length), MB_OK | MB_ICONWARNING);
  }
  if (IsWindowVisible(Rich1.hwnd()) && !Rich1.HasFocus()) SetFocus(Rich1.hwnd());
  EnableCommandsByExtension();
}

void TFormPad::EnableCommandsByExtension() {
  const std::string ext = UpperCaseExtension(saveDialogFileName);
  Item("AffRegFus")->enabled = ext == ".REG";
  Item("AffTestItem")->enabled = ext == ".INF";
  Item("AffStrings")->enabled = ext == ".INF";
  Item("AffExeItem")->enabled = !Item("AffOptRunInf")->checked || ext == ".INF";
  SetExtensionButtonsEnabled(Item("AffStrings")->enabled);
}

}  // namespace varnock
