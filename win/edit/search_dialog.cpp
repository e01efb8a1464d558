// The system's modeless find and replace dialogs, wrapped so that their texts and
// options live on between openings.
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include "win/app/form_pad.h"

namespace varnock {

namespace {
// Room for a search or replace text, its terminator included.
constexpr WORD kTextRoom = 1024;

std::string DialogItemText(HWND dialog, int id) {
  char text[kTextRoom] = "";
  GetDlgItemTextA(dialog, id, text, kTextRoom);
  return text;
}

void CopyInto(char* buffer, const std::string& text) { lstrcpynA(buffer, text.c_str(), kTextRoom); }
}  // namespace

// The block the system dialog reads and fills: it must stay at one address while the
// dialog lives.
struct TFormPad::SearchDialog::Request {
  FINDREPLACEA block{};
  char findWhat[kTextRoom] = "";
  char replaceWith[kTextRoom] = "";
  bool replace = false;
};

TFormPad::SearchDialog::SearchDialog(bool replace) : request_(std::make_unique<Request>()) {
  request_->replace = replace;
  request_->block.lStructSize = sizeof(FINDREPLACEA);
  // The search always runs forward, so the direction buttons are hidden.
  request_->block.Flags = FR_HIDEUPDOWN | FR_DOWN;
}

TFormPad::SearchDialog::~SearchDialog() {
  // The block goes away with this object: the window must not outlive it.
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool TFormPad::SearchDialog::Show(HWND owner, int x, int y) {
  const bool opening = !IsOpen();
  if (opening) {
    FINDREPLACEA& block = request_->block;
    block.hwndOwner = owner;
    block.hInstance = GetModuleHandleA(nullptr);
    block.Flags &= FR_MATCHCASE | FR_WHOLEWORD;
    block.Flags |= FR_HIDEUPDOWN | FR_DOWN;
    block.lpstrFindWhat = request_->findWhat;
    block.wFindWhatLen = kTextRoom;
    block.lpstrReplaceWith = request_->replace ? request_->replaceWith : nullptr;
    block.wReplaceWithLen = request_->replace ? kTextRoom : 0;
    hwnd_ = request_->replace ? ::ReplaceTextA(&block) : ::FindTextA(&block);
    if (!hwnd_) return false;
  }
  SetWindowPos(hwnd_, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
  ShowWindow(hwnd_, SW_SHOW);
  SetActiveWindow(hwnd_);
  return opening;
}

std::string TFormPad::SearchDialog::SearchText() const {
  return IsOpen() ? DialogItemText(hwnd_, edt1) : request_->findWhat;
}

void TFormPad::SearchDialog::SetSearchText(const std::string& text) {
  CopyInto(request_->findWhat, text);
  if (IsOpen()) SetDlgItemTextA(hwnd_, edt1, request_->findWhat);
}

std::string TFormPad::SearchDialog::ReplaceWith() const {
  if (!request_->replace) return "";
  return IsOpen() ? DialogItemText(hwnd_, edt2) : request_->replaceWith;
}

void TFormPad::SearchDialog::SetReplaceWith(const std::string& text) {
  if (!request_->replace) return;
  CopyInto(request_->replaceWith, text);
  if (IsOpen()) SetDlgItemTextA(hwnd_, edt2, request_->replaceWith);
}

bool TFormPad::SearchDialog::MatchCase() const {
  if (IsOpen()) return IsDlgButtonChecked(hwnd_, chx2) == BST_CHECKED;
  return (request_->block.Flags & FR_MATCHCASE) != 0;
}

bool TFormPad::SearchDialog::WholeWord() const {
  if (IsOpen()) return IsDlgButtonChecked(hwnd_, chx1) == BST_CHECKED;
  return (request_->block.Flags & FR_WHOLEWORD) != 0;
}

bool TFormPad::SearchDialog::ReplaceAllPressed() const { return (request_->block.Flags & FR_REPLACEALL) != 0; }

bool TFormPad::SearchDialog::Sent(LPARAM request) const {
  return reinterpret_cast<const FINDREPLACEA*>(request) == &request_->block;
}

void TFormPad::SearchDialog::Closing() {
  if (hwnd_ && IsWindow(hwnd_)) {
    // Keep what the user typed and checked, whether or not a button took it.
    CopyInto(request_->findWhat, DialogItemText(hwnd_, edt1));
    if (request_->replace) CopyInto(request_->replaceWith, DialogItemText(hwnd_, edt2));
    DWORD& flags = request_->block.Flags;
    flags &= ~static_cast<DWORD>(FR_MATCHCASE | FR_WHOLEWORD);
    if (IsDlgButtonChecked(hwnd_, chx2) == BST_CHECKED) flags |= FR_MATCHCASE;
    if (IsDlgButtonChecked(hwnd_, chx1) == BST_CHECKED) flags |= FR_WHOLEWORD;
  }
  hwnd_ = nullptr;
}

}  // namespace varnock
