#include "win/platform/rich_edit.h"

#include <richedit.h>

#include <unordered_map>
#include <unordered_set>

#include "core/colour/text_lines.h"
#include "core/edit/row_index.h"
#include "win/platform/rich_format.h"
#include "win/platform/subclass.h"

namespace varnock {

namespace {
// Well above every document limit, so the size warnings can be seen.
constexpr LPARAM kTextLimit = 16 * 1024 * 1024;
constexpr UINT_PTR kBusySubclass = 0x52454E57;

// How many messages each control window is in the middle of.
std::unordered_map<HWND, int>& MessagesInProgress() {
  static std::unordered_map<HWND, int> counts;
  return counts;
}

class InProgress {
 public:
  explicit InProgress(HWND hwnd) : hwnd_(hwnd) { ++MessagesInProgress()[hwnd_]; }
  ~InProgress() {
    auto found = MessagesInProgress().find(hwnd_);
    if (found != MessagesInProgress().end() && --found->second <= 0) MessagesInProgress().erase(found);
  }
  InProgress(const InProgress&) = delete;
  InProgress& operator=(const InProgress&) = delete;

 private:
  HWND hwnd_;
};

UINT RetireMessage() {
  static const UINT message = RegisterWindowMessageA("VarnockRetireTextControl");
  return message;
}

// Controls replaced while inside one of their own messages, still waiting to go.
std::unordered_set<HWND>& RetiredControls() {
  static std::unordered_set<HWND> retired;
  return retired;
}

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Ctrl+V and Shift+Insert paste inside the control, without a WM_PASTE.
bool IsPasteKey(UINT msg, WPARAM key) {
  if (msg != WM_KEYDOWN) return false;
  return (key == 'V' && Down(VK_CONTROL) && !Down(VK_MENU)) ||
         (key == VK_INSERT && Down(VK_SHIFT) && !Down(VK_CONTROL));
}

// The clipboard's text as the control would paste it, when it offers nothing richer.
bool ClipboardTextKeepsLines(HWND owner) {
  static const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
  if (IsClipboardFormatAvailable(rtf)) return false;
  if (!OpenClipboard(owner)) return false;
  bool kept = true;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* text = static_cast<const char*>(GlobalLock(data))) {
      kept = InsertionKeepsTextLines(text);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return kept;
}

bool IsKeyInput(UINT msg) {
  return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP ||
         msg == WM_SYSCHAR || msg == WM_IME_CHAR;
}

// Counts the messages the control is in the middle of, and ends a retired control once
// its own messages are done. A character the system had already addressed to a retired
// control (translated from a key it received) goes to its successor.
LRESULT CALLBACK TrackMessages(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (msg == RetireMessage()) {
    DestroyWindow(hwnd);
    return 0;
  }
  if (msg == WM_NCDESTROY) RetiredControls().erase(hwnd);
  const HWND successor = reinterpret_cast<const RichEdit*>(data)->hwnd();
  if (IsKeyInput(msg) && successor != hwnd && RetiredControls().count(hwnd) != 0)
    return SendMessageA(successor, msg, wp, lp);
  auto* rich = const_cast<RichEdit*>(reinterpret_cast<const RichEdit*>(data));
  if (msg == WM_PASTE || IsPasteKey(msg, wp)) rich->NotePaste();
  if ((msg == WM_SETFOCUS || msg == WM_KILLFOCUS) && hwnd == successor) rich->NoteFocus(msg == WM_SETFOCUS);
  const InProgress inProgress(hwnd);
  return NextSubclassProc(hwnd, msg, wp, lp);
}

bool InOwnMessage(HWND hwnd) { return MessagesInProgress().count(hwnd) != 0; }

// A control that is inside one of its own messages (a notification it sent led to its
// replacement) must not be destroyed under its feet: it is hidden, silenced and put last
// now, and destroyed once the messages it is in are done.
void Retire(HWND old) {
  RetiredControls().insert(old);
  SendMessageA(old, EM_SETEVENTMASK, 0, 0);
  SetWindowLongPtrA(old, GWLP_ID, 0);
  SetWindowPos(old, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  PostMessageA(old, RetireMessage(), 0, 0);
}
}  // namespace

long RichEdit::messagesSent = 0;
long RichEdit::wholeTextReads = 0;

LRESULT RichEdit::Send(UINT message, WPARAM wParam, LPARAM lParam, bool wide) const {
  ++messagesSent;
  const InProgress inProgress(hwnd_);
  if (wide)
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd_, GCLP_WNDPROC)), hwnd_, message, wParam,
                           lParam);
  return CallWindowProcA(reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd_, GCLP_WNDPROC)), hwnd_, message, wParam,
                         lParam);
}

void RichEdit::TrackMessagesOf(HWND hwnd) const {
  InstallSubclass(hwnd, TrackMessages, kBusySubclass, reinterpret_cast<DWORD_PTR>(this));
}

bool RichEdit::Create(HWND parent, int id, DWORD extraStyle, DWORD withoutStyle) {
  static HMODULE library = LoadLibraryA("riched32.dll");
  if (!library) return false;
  const DWORD style = (WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                       ES_AUTOHSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL | ES_WANTRETURN | extraStyle) &
                      ~withoutStyle;
  style_ = style;
  hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, "RICHEDIT", "", style, 0, 0, 100, 100, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) return false;
  TrackMessagesOf(hwnd_);
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
  const LRESULT got = Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(&buffer[0]));
  buffer.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return buffer;
}

std::string RichEdit::Text() const {
  ++wholeTextReads;
  return GetTextEx(GT_DEFAULT, TextLength());
}

long RichEdit::TextLength() const {
  GETTEXTLENGTHEX request{GTL_PRECISE | GTL_NUMCHARS, codePage_};
  return static_cast<long>(Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

void RichEdit::SetText(const std::string& text) {
  Clear();
  if (text.empty()) return;
  linesMatchText_ = ControlKeepsTextLines(text);
  SETTEXTEX request{ST_DEFAULT, codePage_};
  SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string RichEdit::SelectedText() const { return GetTextEx(GT_SELECTION, SelLength()); }

void RichEdit::ReplaceSelection(const std::string& text) {
  linesMatchText_ = linesMatchText_ && InsertionKeepsTextLines(text);
  SETTEXTEX request{ST_SELECTION | ST_KEEPUNDO, codePage_};
  SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.c_str()));
}

long RichEdit::SelStart() const {
  CHARRANGE range{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMin;
}

long RichEdit::SelLength() const {
  CHARRANGE range{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMax - range.cpMin;
}

void RichEdit::Select(long start, long length) {
  CHARRANGE range{start, start + length};
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

bool RichEdit::Modified() const { return Send(EM_GETMODIFY, 0, 0) != 0; }
void RichEdit::SetModified(bool modified) { Send(EM_SETMODIFY, modified ? TRUE : FALSE, 0); }
bool RichEdit::ReadOnly() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }
void RichEdit::SetReadOnly(bool readOnly) { SendMessageA(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }
bool RichEdit::CanUndo() const { return Send(EM_CANUNDO, 0, 0) != 0; }
void RichEdit::Undo() { SendMessageA(hwnd_, EM_UNDO, 0, 0); }
void RichEdit::EmptyUndo() { Send(EM_EMPTYUNDOBUFFER, 0, 0); }
void RichEdit::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
}

void RichEdit::SetRedraw(bool on) {
  redraw_ = on;
  SendMessageA(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(hwnd_, nullptr, TRUE);
}

void RichEdit::SetFont(HFONT font) {
  font_ = font;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void RichEdit::ShowHorizontalScrollBar(bool show) {
  horizontalBar_ = show;
  SendMessageA(hwnd_, EM_SHOWSCROLLBAR, SB_HORZ, show ? TRUE : FALSE);
}

void RichEdit::AddSubclass(SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  subclasses_.push_back({proc, id, data});
  InstallSubclass(hwnd_, proc, id, data);
}

void RichEdit::NoteLoadedText(const std::string& text) { linesMatchText_ = ControlKeepsTextLines(text); }

void RichEdit::CheckLines(const std::string& text) {
  if (wordWrap_) return;
  linesMatchText_ = ControlKeepsTextLines(text) && ControlRows(*this).rowCount() == LocateTextLines(text).size();
}

void RichEdit::NotePaste() { linesMatchText_ = linesMatchText_ && ClipboardTextKeepsLines(hwnd_); }

namespace {
// Deleting a text costs the control time that grows with the square of its rows under
// Wine; a new control window costs about what deleting 200 rows does (7 to 10 ms), and
// a text loaded into a new window goes in no faster than into the emptied one.
constexpr LRESULT kRenewAboveRows = 200;
}  // namespace

void RichEdit::Clear() {
  linesMatchText_ = true;
  if (TextLength() > 0 && Send(EM_GETLINECOUNT, 0, 0) > kRenewAboveRows && Renew()) return;
  SETTEXTEX request{ST_DEFAULT, codePage_};
  SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(""));
}

bool RichEdit::Renew() {
  HWND old = hwnd_;
  HWND parent = GetParent(old);
  RECT place{};
  GetWindowRect(old, &place);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  const DWORD now = static_cast<DWORD>(GetWindowLongA(old, GWL_STYLE));
  const DWORD style = (style_ & ~(WS_VISIBLE | ES_READONLY)) | (now & ES_READONLY);
  HWND fresh = CreateWindowExA(static_cast<DWORD>(GetWindowLongA(old, GWL_EXSTYLE)), "RICHEDIT", "", style, place.left,
                               place.top, place.right - place.left, place.bottom - place.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(old))),
                               GetModuleHandleA(nullptr), nullptr);
  if (!fresh) return false;
  CopySetUpTo(fresh);
  const bool focused = GetFocus() == old;
  hwnd_ = fresh;
  SetWindowPos(fresh, old, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | ((now & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
  if (focused) SetFocus(fresh);
  if (InOwnMessage(old)) Retire(old);
  else DestroyWindow(old);
  return true;
}

void RichEdit::CopySetUpTo(HWND fresh) const {
  TrackMessagesOf(fresh);
  SendMessageA(fresh, EM_EXLIMITTEXT, 0, SendMessageA(hwnd_, EM_GETLIMITTEXT, 0, 0));
  SendMessageA(fresh, EM_SETOPTIONS, ECOOP_SET, SendMessageA(hwnd_, EM_GETOPTIONS, 0, 0));
  if (font_) SendMessageA(fresh, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(hwnd_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageA(fresh, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageA(fresh, EM_SETTARGETDEVICE, 0, wordWrap_ ? 0 : 1);
  SendMessageA(fresh, EM_SHOWSCROLLBAR, SB_HORZ, horizontalBar_ ? TRUE : FALSE);
  if (!redraw_) SendMessageA(fresh, WM_SETREDRAW, FALSE, 0);
  SendMessageA(fresh, EM_SETMODIFY, Modified() ? TRUE : FALSE, 0);
  for (const Subclass& subclass : subclasses_) InstallSubclass(fresh, subclass.proc, subclass.id, subclass.data);
  // Last, so the set-up raises no notification.
  SendMessageA(fresh, EM_SETEVENTMASK, 0, SendMessageA(hwnd_, EM_GETEVENTMASK, 0, 0));
}

}  // namespace varnock
