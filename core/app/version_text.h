#pragma once
// Texts made from version numbers: the Windows version line and a file's version.
#include <cstdint>
#include <string>

namespace varnock {

struct OsVersion {
  unsigned long platform = 0;  // 1 = Windows 95/98/Me, 2 = NT family
  unsigned long major = 0;
  unsigned long minor = 0;
  unsigned long build = 0;  // only the low 16 bits are shown
};

// "Windows 98 4.10 (Build 2222)" and so on; the last matching rule wins. A platform
// that matches no rule gives the empty text.
std::string WindowsVersionText(const OsVersion& v);

// True when the version text names the 95/98/Me family.
bool IsWindows9xText(const std::string& versionText);

// The version text of a file: cut just before its last '.', '\\' or ':' unless whole.
std::string ShortenVersion(const std::string& fileVersion, bool whole);

// Eight capital hex digits naming the string table of a version resource, from the
// first four bytes of its translation value: language, then code page.
std::string TranslationBlockName(const unsigned char bytes[4]);

}  // namespace varnock
