// The window title and the commands that follow the document's extension.
#include "core/app/status_text.h"
#include "core/colour/file_extension.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/prompter.h"

namespace varnock {

void TFormPad::SetTitle() {
  const long length = Rich1.TextLength();
  StatusLine.SetText(kPanelMessage, SizeText(static_cast<size_t>(length)));
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
  SetWindowTextA(hwnd_, TitleText(parts).c_str());
  if (parts.modified) {
    Item("EditUndoItem")->enabled = true;
    if (static_cast<size_t>(length) > kBigTextWarning)
      ShowMessage(hwnd_, fMessage("FILE_BIG") + std::to_string(length), MB_OK | MB_ICONWARNING);
  }
  if (IsWindowVisible(Rich1.hwnd())) SetFocus(Rich1.hwnd());
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
