#include "win/platform/rich_format.h"

#include <richole.h>
#include <tom.h>

namespace varnock {

void SetCharFormat(RichEdit& rich, const CHARFORMATA& format, WPARAM which) {
  CHARFORMATA copy = format;
  copy.cbSize = sizeof copy;
  rich.Send(EM_SETCHARFORMAT, which, reinterpret_cast<LPARAM>(&copy));
}

void SetSelectionColour(RichEdit& rich, COLORREF colour) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour;
  rich.Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

namespace {

// The text object model's document interface (not declared by every SDK's headers).
const IID kTextDocument = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

template <typename T>
struct Released {
  T* p = nullptr;
  ~Released() {
    if (p) p->Release();
  }
};

}  // namespace

// One range object moved over the ranges, and the font bound to it.
bool SetRangeColoursInPlace(RichEdit& rich, const std::vector<RangeColour>& ranges) {
  Released<IRichEditOle> ole;
  if (!rich.Send(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole.p)) || !ole.p) return false;
  Released<ITextDocument> document;
  if (FAILED(ole.p->QueryInterface(kTextDocument, reinterpret_cast<void**>(&document.p))) || !document.p) return false;
  Released<ITextRange> range;
  Released<ITextFont> font;
  if (FAILED(document.p->Range(0, 0, &range.p)) || !range.p || FAILED(range.p->GetFont(&font.p)) || !font.p)
    return false;
  for (const RangeColour& each : ranges) {
    if (FAILED(range.p->SetRange(each.start, each.start + each.length))) return false;
    LONG now = 0;
    if (SUCCEEDED(font.p->GetForeColor(&now)) && now == static_cast<LONG>(each.colour)) continue;
    if (FAILED(font.p->SetForeColor(static_cast<LONG>(each.colour)))) return false;
  }
  return true;
}

CHARFORMATA SelectionCharFormat(const RichEdit& rich) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  rich.Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
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
  // The stream replaces the whole text: recorded, each run of it would be an undo step
  // (2 ms of a 64 KB INF's 4,000 colour runs) that no caller keeps.
  FormatOutsideUndo outsideUndo(rich);
  SendMessageA(rich.hwnd(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0 && source.done == rtf.size();
}

QuietNotifications::QuietNotifications(RichEdit& rich) : rich_(rich), mask_(rich.Send(EM_GETEVENTMASK, 0, 0)) {
  rich_.Send(EM_SETEVENTMASK, 0, 0);
}

QuietNotifications::~QuietNotifications() { rich_.Send(EM_SETEVENTMASK, 0, mask_); }

RedrawOff::RedrawOff(RichEdit& rich) : rich_(rich) {
  if (GetUpdateRect(rich_.hwnd(), nullptr, FALSE)) {
    pending_ = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(rich_.hwnd(), pending_, FALSE);
  }
  rich_.Send(WM_SETREDRAW, FALSE, 0);
}

RedrawOff::~RedrawOff() {
  rich_.Send(WM_SETREDRAW, TRUE, 0);
  if (!pending_) return;
  InvalidateRgn(rich_.hwnd(), pending_, TRUE);
  DeleteObject(pending_);
}

namespace {
// The control's own default undo limit.
constexpr WPARAM kUndoLimit = 100;
}  // namespace

// With a limit of 0 the control records no step and keeps the steps it has.
FormatOutsideUndo::FormatOutsideUndo(RichEdit& rich) : rich_(rich) { rich_.Send(EM_SETUNDOLIMIT, 0, 0); }

FormatOutsideUndo::~FormatOutsideUndo() { rich_.Send(EM_SETUNDOLIMIT, kUndoLimit, 0); }

namespace {

// Top of the line holding `position`, in client coordinates (rich edit 1.0 form).
LONG LineTop(const RichEdit& rich, long position) {
  POINTL point{};
  rich.Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), position);
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

long FirstVisibleLine(const RichEdit& rich) { return static_cast<long>(rich.Send(EM_GETFIRSTVISIBLELINE, 0, 0)); }

void ScrollToFirstLine(RichEdit& rich, long line) {
  const long now = FirstVisibleLine(rich);
  if (now != line) rich.Send(EM_LINESCROLL, 0, line - now);
}

long LineCount(const RichEdit& rich) { return static_cast<long>(rich.Send(EM_GETLINECOUNT, 0, 0)); }

namespace {

// Wide text from the control in its code page.
std::string AnsiOf(const RichEdit& rich, const std::wstring& wide) {
  if (wide.empty()) return "";
  std::string text(wide.size() * 2, '\0');
  const int n = WideCharToMultiByte(rich.CodePage(), 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                                    static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return text;
}

}  // namespace

bool ReadLine(const RichEdit& rich, long line, long* start, std::string* text) {
  *start = static_cast<long>(rich.Send(EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  text->clear();
  if (*start < 0) return false;
  const long length = static_cast<long>(rich.Send(EM_LINELENGTH, static_cast<WPARAM>(*start), 0));
  if (length <= 0) return true;
  // EM_GETLINE takes the buffer size in its first word; the last line may come with a
  // line-end mark, which the length leaves out.
  std::wstring wide(static_cast<size_t>(length) + 2, L'\0');
  *reinterpret_cast<WORD*>(&wide[0]) = static_cast<WORD>(wide.size());
  const LRESULT got = rich.Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&wide[0]), true);
  wide.resize(static_cast<size_t>(got <= 0 ? 0 : got < length ? got : length));
  *text = AnsiOf(rich, wide);
  return true;
}

ControlRows::ControlRows(const RichEdit& rich) : rich_(rich), length_(static_cast<size_t>(rich.TextLength())) {}

namespace {

template <typename Ask>
size_t Remembered(std::vector<std::pair<size_t, size_t>>& known, size_t key, Ask ask) {
  for (const auto& [k, value] : known)
    if (k == key) return value;
  const size_t value = ask();
  known.emplace_back(key, value);
  return value;
}

}  // namespace

// Wine's count leaves out the empty row after a final lone CR, where the caret can be.
size_t ControlRows::rowCount() const {
  if (rowCount_ == 0) {
    const size_t counted = static_cast<size_t>(rich_.Send(EM_GETLINECOUNT, 0, 0));
    const size_t last = rowOf(length_);
    rowCount_ = counted > last ? counted : last + 1;
  }
  return rowCount_;
}

size_t ControlRows::rowOf(size_t position) const {
  return static_cast<size_t>(rich_.Send(EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(position)));
}

size_t ControlRows::rowStart(size_t row) const {
  return Remembered(starts_, row, [&] {
    const LRESULT start = rich_.Send(EM_LINEINDEX, static_cast<WPARAM>(row), 0);
    return start < 0 ? length_ : static_cast<size_t>(start);
  });
}

size_t ControlRows::rowLength(size_t row) const {
  return Remembered(lengths_, row, [&] {
    return static_cast<size_t>(rich_.Send(EM_LINELENGTH, static_cast<WPARAM>(rowStart(row)), 0));
  });
}

std::string ReadRows(const RichEdit& rich, size_t first, size_t last) {
  std::string text;
  for (size_t row = first; row <= last; ++row) {
    long start = 0;
    std::string piece;
    if (!ReadLine(rich, static_cast<long>(row), &start, &piece)) break;
    text += piece;  // the rows of one text line follow each other without a gap
  }
  return text;
}

std::string ReadTextBefore(const RichEdit& rich, long end) {
  if (end <= 0) return "";
  // Twice the positions: room for any double-byte ANSI code page.
  std::string text(static_cast<size_t>(end) * 2 + 1, '\0');
  TEXTRANGEA range{{0, end}, &text[0]};
  const LRESULT got = rich.Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

RichSelection SelectionOf(const RichEdit& rich) {
  CHARRANGE range{};
  rich.Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {range.cpMin, range.cpMax - range.cpMin};
}

void SetSelection(RichEdit& rich, RichSelection selection) {
  CHARRANGE range{selection.start, selection.start + selection.length};
  rich.Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

KeepModifiedFlag::KeepModifiedFlag(RichEdit& rich) : rich_(rich), modified_(rich.Send(EM_GETMODIFY, 0, 0) != 0) {}

KeepModifiedFlag::~KeepModifiedFlag() {
  if (!modified_) rich_.Send(EM_SETMODIFY, FALSE, 0);
}

}  // namespace varnock
