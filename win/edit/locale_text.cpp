#include "win/edit/locale_text.h"

#include <windows.h>

namespace varnock {

int LocaleCompareNoCase(const std::string& a, const std::string& b) {
  const int order = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                                   static_cast<int>(b.size()));
  // 0 means the call failed; keep such lines in place rather than guess an order.
  return order == 0 ? 0 : order - CSTR_EQUAL;
}

const UpperCaseTable& LocaleUpperCaseTable() {
  static const UpperCaseTable table = [] {
    char bytes[256];
    for (int b = 0; b < 256; ++b) bytes[b] = static_cast<char>(b);
    CharUpperBuffA(bytes, 256);
    UpperCaseTable upper{};
    for (int b = 0; b < 256; ++b) upper[static_cast<std::size_t>(b)] = static_cast<unsigned char>(bytes[b]);
    return upper;
  }();
  return table;
}

}  // namespace varnock
