#include "win/platform/code_page.h"

#include <windows.h>

namespace varnock {

namespace {

const wchar_t* WideData(const std::u16string& wide) { return reinterpret_cast<const wchar_t*>(wide.data()); }

}  // namespace

bool WideFromAnsi(const std::string& text, std::u16string* wide) {
  wide->clear();
  if (text.empty()) return true;
  const int length = static_cast<int>(text.size());
  bool exact = true;
  DWORD flags = MB_ERR_INVALID_CHARS;
  int count = MultiByteToWideChar(CP_ACP, flags, text.data(), length, nullptr, 0);
  if (count == 0) {
    exact = false;
    flags = 0;
    count = MultiByteToWideChar(CP_ACP, flags, text.data(), length, nullptr, 0);
  }
  std::wstring buffer(static_cast<size_t>(count), L'\0');
  count = MultiByteToWideChar(CP_ACP, flags, text.data(), length, &buffer[0], count);
  wide->assign(buffer.begin(), buffer.begin() + count);
  return exact && count > 0;
}

bool AnsiFromWide(const std::u16string& wide, std::string* text) {
  text->clear();
  if (wide.empty()) return true;
  const int length = static_cast<int>(wide.size());
  // A UTF-8 system code page holds every character and refuses both the flag and the
  // default-character report.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  int count = WideCharToMultiByte(CP_ACP, flags, WideData(wide), length, nullptr, 0, nullptr, nullptr);
  text->assign(static_cast<size_t>(count), '\0');
  count = WideCharToMultiByte(CP_ACP, flags, WideData(wide), length, &(*text)[0], count, nullptr,
                              utf8 ? nullptr : &usedDefault);
  text->resize(static_cast<size_t>(count > 0 ? count : 0));
  return count > 0 && !usedDefault;
}

}  // namespace varnock
