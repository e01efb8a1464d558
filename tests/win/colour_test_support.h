#pragma once
// Helpers of the colouring tests: documents put into the window, and the colours of
// characters read back from the real control.
#include "tests/win/harness.h"

#include <richedit.h>

#include <string>

#include "core/colour/colour_scheme.h"
#include "win/app/form_pad.h"

namespace varnock::test {

// The format of [from, from + length) of a control, as EM_EXSETSEL and EM_GETCHARFORMAT
// give it (the selection is left there).
inline CHARFORMATA FormatOf(HWND rich, long from, long length) {
  CHARRANGE range{from, from + length};
  SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

// One letter per character as the golden files write them: "." the text colour,
// C comment, X error, S section, E entry, "?" any other colour. A stretch in one colour
// is read at once, a mixed one halved. The caller keeps the selection.
inline void AppendLetters(HWND rich, const ColourScheme& scheme, COLORREF text, long from, long length,
                          std::string& letters) {
  if (length <= 0) return;
  const CHARFORMATA format = FormatOf(rich, from, length);
  if (length == 1 || (format.dwMask & CFM_COLOR)) {
    const COLORREF c = format.crTextColor;
    const char letter = c == text             ? '.'
                        : c == scheme.comment ? 'C'
                        : c == scheme.error   ? 'X'
                        : c == scheme.section ? 'S'
                        : c == scheme.entry   ? 'E'
                                              : '?';
    letters.append(static_cast<size_t>(length), letter);
    return;
  }
  AppendLetters(rich, scheme, text, from, length / 2, letters);
  AppendLetters(rich, scheme, text, from + length / 2, length - length / 2, letters);
}

class ColourTest : public FormTest {
 protected:
  // The document `name` holding `text`, as opening it leaves the control (uncoloured).
  void Load(const std::string& name, const std::string& text) {
    pad().Rich1.tag = 0;
    pad().saveDialogFileName = name;
    pad().Rich1.SetText(text);
    pad().Rich1.Select(0, 0);
    pad().Rich1.SetModified(false);
    pad().Rich1.tag = 1;
  }
  void Mode(const char* entry) {
    MenuItem* item = pad().Item(entry);
    ASSERT_NE(item, nullptr);
    item->CheckRadio();
  }
  void Click(const char* entry) {
    MenuItem* item = pad().Item(entry);
    ASSERT_NE(item, nullptr) << entry;
    ASSERT_TRUE(item->onClick) << entry;
    item->onClick(*item);
  }
  ColourScheme Scheme() {
    return ColourScheme{pad().commentColour, pad().errorColour, pad().sectionColour, pad().entryColour};
  }
  // Letters of the document's characters (see AppendLetters); the selection, the
  // notifications and the modified flag are put back.
  std::string Letters(long from, long length) {
    RichEdit& rich = pad().Rich1;
    const bool modified = rich.Modified();
    const long start = rich.SelStart();
    const long selected = rich.SelLength();
    const LPARAM mask = SendMessageA(rich.hwnd(), EM_SETEVENTMASK, 0, 0);
    std::string letters;
    AppendLetters(rich.hwnd(), Scheme(), GetSysColor(COLOR_WINDOWTEXT), from, length, letters);
    rich.Select(start, selected);
    SendMessageA(rich.hwnd(), EM_SETEVENTMASK, 0, mask);
    rich.SetModified(modified);
    return letters;
  }
  std::string AllLetters() { return Letters(0, pad().Rich1.TextLength()); }
  // The colour new typing takes: the insertion point's.
  COLORREF TypingColour() {
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(pad().Rich1.hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format.crTextColor;
  }
};

// A file of tests/data/colour, read from the source tree.
inline std::string ColourSample(const std::string& name) {
  std::string folder = __FILE__;
  folder = folder.substr(0, folder.find_last_of("/\\") + 1) + "../data/colour/";
  if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
  return ReadTextFile(folder + name);
}

}  // namespace varnock::test
