#include "win/print/control_colours.h"

#include <richedit.h>

#include "win/platform/rich_format.h"

namespace varnock {

namespace {

DWORD CALLBACK CollectRtf(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
  *done = count;
  return 0;
}

std::string StreamOutRtf(RichEdit& rich) {
  std::string rtf;
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
  stream.pfnCallback = CollectRtf;
  SendMessageA(rich.hwnd(), EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0 ? rtf : std::string();
}

// The slow way, one selection per character, merged into runs.
std::vector<ColourRun> ColoursByCharacter(RichEdit& rich, const std::string& text) {
  std::vector<ColourRun> runs;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') continue;
    const COLORREF colour = CharColourAt(rich, static_cast<long>(i));
    if (!runs.empty() && runs.back().colour == colour && runs.back().start + runs.back().length == i) {
      ++runs.back().length;
    } else {
      runs.push_back({i, 1, colour, false});
    }
  }
  return runs;
}

}  // namespace

std::vector<ColourRun> ReadControlColours(RichEdit& rich, const std::string& text) {
  if (auto read = ReadRtfColours(StreamOutRtf(rich))) {
    // The last paragraph may be written with a mark of its own.
    if (read->text.size() == text.size() + 2 && read->text.compare(text.size(), 2, "\r\n") == 0)
      read->text.resize(text.size());
    if (read->text == text) return read->runs;
  }
  return ColoursByCharacter(rich, text);
}

}  // namespace varnock
