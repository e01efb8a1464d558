#include "win/platform/rich_edit.h"

#include <richedit.h>

namespace varnock {

namespace {
// Well above every document limit, so the size warnings can be seen.
constexpr LPARAM kTextLimit = 16 * 1024 * 1024;
}  // namespace

bool RichEdit::Create(HWND parent, int id, DWORD extraStyle, DWORD withoutStyle) {
  static HMODULE library = LoadLibraryA("riched32.dll");
  if (!library) return false;
  const DWORD style = (WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
                       ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL | ES_WANTRETURN |
                       extraStyle) & ~withoutStyle;
  hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, "RICHEDIT", "", style, 0, 0, 100, 100, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) return false;
  SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, kTextLimit);
  SetWordWrap(false);
  return true;
}

std::string RichEdit::GetTextEx(DWORD flags, long chars) const {
  if (chars <= 0) return "";
  // A single-byte code page: one byte per character, plus the terminator.
  std::string buffer(static_cast<size_t>(chars) + 1, '\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(buffer.size());
  request.flags = flags;
  request.codepage = codePage_;
  const LRESULT got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                   reinterpret_cast<LPARAM>(&buffer[0]));
  buffer.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return buffer;
}

std::string RichEdit::Text() const { return GetTextEx(GT_DEFAULT, TextLength()); }

long RichEdit::TextLength() const {
  GETTEXTLENGTHEX request{GTL_PRECISE | GTL_NUMCHARS, codePage_};
  return static_cast<long>(SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

void RichEdit::SetText(const std::string& text) {
  SETTEXTEX request{ST_DEFAULT, codePage_};
  SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string RichEdit::SelectedText() const { return GetTextEx(GT_SELECTION, SelLength()); }

void RichEdit::ReplaceSelection(const std::string& text) {
  SETTEXTEX request{ST_SELECTION | ST_KEEPUNDO, codePage_};
  SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.c_str()));
}

long RichEdit::SelStart() const {
  CHARRANGE range{};
  SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMin;
}

long RichEdit::SelLength() const {
  CHARRANGE range{};
  SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMax - range.cpMin;
}

void RichEdit::Select(long start, long length) {
  CHARRANGE range{start, start + length};
  SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

bool RichEdit::Modified() const { return SendMessageA(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
void RichEdit::SetModified(bool modified) { SendMessageA(hwnd_, EM_SETMODIFY, modified ? TRUE : FALSE, 0); }
bool RichEdit::ReadOnly() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }
void RichEdit::SetReadOnly(bool readOnly) { SendMessageA(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }
bool RichEdit::CanUndo() const { return SendMessageA(hwnd_, EM_CANUNDO, 0, 0) != 0; }
void RichEdit::Undo() { SendMessageA(hwnd_, EM_UNDO, 0, 0); }
void RichEdit::EmptyUndo() { SendMessageA(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0); }
void RichEdit::SetWordWrap(bool wrap) { SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1); }
void RichEdit::SetRedraw(bool on) {
  SendMessageA(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace varnock
