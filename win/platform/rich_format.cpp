#include "win/platform/rich_format.h"

namespace varnock {

void SetCharFormat(RichEdit& rich, const CHARFORMATA& format, WPARAM which) {
  CHARFORMATA copy = format;
  copy.cbSize = sizeof copy;
  SendMessageA(rich.hwnd(), EM_SETCHARFORMAT, which, reinterpret_cast<LPARAM>(&copy));
}

void SetSelectionColour(RichEdit& rich, COLORREF colour) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  SendMessageA(rich.hwnd(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

CHARFORMATA SelectionCharFormat(const RichEdit& rich) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(rich.hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

COLORREF CharColourAt(RichEdit& rich, long position) {
  rich.Select(position, 1);
  return SelectionCharFormat(rich).crTextColor;
}

namespace {

struct RtfSource {
  const std::string* rtf;
  size_t done;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<RtfSource*>(cookie);
  const size_t left = source->rtf->size() - source->done;
  const size_t n = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
  source->rtf->copy(reinterpret_cast<char*>(buffer), n, source->done);
  source->done += n;
  *given = static_cast<LONG>(n);
  return 0;
}

}  // namespace

bool StreamInRtf(RichEdit& rich, const std::string& rtf) {
  RtfSource source{&rtf, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadRtf;
  rich.Clear();
  SendMessageA(rich.hwnd(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0 && source.done == rtf.size();
}

QuietNotifications::QuietNotifications(RichEdit& rich)
    : rich_(rich), mask_(SendMessageA(rich.hwnd(), EM_GETEVENTMASK, 0, 0)) {
  SendMessageA(rich_.hwnd(), EM_SETEVENTMASK, 0, 0);
}

QuietNotifications::~QuietNotifications() { SendMessageA(rich_.hwnd(), EM_SETEVENTMASK, 0, mask_); }

RedrawOff::RedrawOff(RichEdit& rich) : rich_(rich) {
  if (GetUpdateRect(rich_.hwnd(), nullptr, FALSE)) {
    pending_ = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(rich_.hwnd(), pending_, FALSE);
  }
  SendMessageA(rich_.hwnd(), WM_SETREDRAW, FALSE, 0);
}

RedrawOff::~RedrawOff() {
  SendMessageA(rich_.hwnd(), WM_SETREDRAW, TRUE, 0);
  if (!pending_) return;
  InvalidateRgn(rich_.hwnd(), pending_, TRUE);
  DeleteObject(pending_);
}

namespace {
// The control's own default undo limit.
constexpr WPARAM kUndoLimit = 100;
}  // namespace

// With a limit of 0 the control records no step and keeps the steps it has.
FormatOutsideUndo::FormatOutsideUndo(RichEdit& rich) : rich_(rich) { SendMessageA(rich_.hwnd(), EM_SETUNDOLIMIT, 0, 0); }

FormatOutsideUndo::~FormatOutsideUndo() { SendMessageA(rich_.hwnd(), EM_SETUNDOLIMIT, kUndoLimit, 0); }

namespace {

// Top of the line holding `position`, in client coordinates (rich edit 1.0 form).
LONG LineTop(const RichEdit& rich, long position) {
  POINTL point{};
  SendMessageA(rich.hwnd(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), position);
  return point.y;
}

}  // namespace

void RepaintTextRange(RichEdit& rich, long start, long end) {
  RECT client{};
  GetClientRect(rich.hwnd(), &client);
  RECT band = client;
  band.top = LineTop(rich, start);
  // The next line starts two positions after the range's end (CR LF); past the text
  // the control gives the last line's place, and the band reaches the bottom.
  const LONG next = LineTop(rich, end + 2);
  band.bottom = next > band.top ? next : client.bottom;
  if (band.top < client.top) band.top = client.top;
  if (band.bottom > client.bottom) band.bottom = client.bottom;
  if (band.bottom > band.top) InvalidateRect(rich.hwnd(), &band, TRUE);
}

long FirstVisibleLine(const RichEdit& rich) {
  return static_cast<long>(SendMessageA(rich.hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

void ScrollToFirstLine(RichEdit& rich, long line) {
  const long now = FirstVisibleLine(rich);
  if (now != line) SendMessageA(rich.hwnd(), EM_LINESCROLL, 0, line - now);
}

long LineCount(const RichEdit& rich) {
  return static_cast<long>(SendMessageA(rich.hwnd(), EM_GETLINECOUNT, 0, 0));
}

bool ReadLine(const RichEdit& rich, long line, long* start, std::string* text) {
  *start = static_cast<long>(SendMessageA(rich.hwnd(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  text->clear();
  if (*start < 0) return false;
  const long length = static_cast<long>(SendMessageA(rich.hwnd(), EM_LINELENGTH, static_cast<WPARAM>(*start), 0));
  if (length <= 0) return true;
  // EM_GETLINE takes the buffer size in its first word; the last line may come with a
  // line-end mark, which the length leaves out.
  std::wstring wide(static_cast<size_t>(length) + 2, L'\0');
  *reinterpret_cast<WORD*>(&wide[0]) = static_cast<WORD>(wide.size());
  const LRESULT got = SendMessageW(rich.hwnd(), EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&wide[0]));
  wide.resize(static_cast<size_t>(got <= 0 ? 0 : got < length ? got : length));
  if (wide.empty()) return true;
  text->assign(wide.size() * 2, '\0');
  const int n = WideCharToMultiByte(rich.CodePage(), 0, wide.data(), static_cast<int>(wide.size()), &(*text)[0],
                                    static_cast<int>(text->size()), nullptr, nullptr);
  text->resize(n > 0 ? static_cast<size_t>(n) : 0);
  return true;
}

RichSelection SelectionOf(const RichEdit& rich) {
  CHARRANGE range{};
  SendMessageA(rich.hwnd(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {range.cpMin, range.cpMax - range.cpMin};
}

}  // namespace varnock
