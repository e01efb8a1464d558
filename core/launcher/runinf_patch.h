#pragma once
// The launcher patcher: adapts a copy of the pristine RunInf image to the language and
// to the INF file it must install. Each field is cleared before it is written; anything
// that would not fit is refused and the image is left as it was.
#include <cstddef>
#include <string>

namespace varnock {

struct LauncherFields {
  size_t question = 0;  // byte offsets in the image
  size_t pattern = 0;
  size_t notFound = 0;
  size_t description = 0;  // first byte of the first UTF-16 character
};

// Finds each field by its initial text (followed by zeros to the field's size), which
// must occur exactly once. False with a description of the first field missing,
// doubled or too small.
bool FindLauncherFields(const std::string& image, LauncherFields* fields, std::string* error);

struct LauncherVariant {
  bool french = false;      // the language "Francais"
  bool custom = false;      // only the INF file `name`; otherwise any "*.inf"
  std::string name;         // the INF file's name (ANSI), custom variant only
  std::u16string wideName;  // the same name in UTF-16, through the ANSI code page
};

// The texts the variant writes into each field.
std::string LauncherQuestion(const LauncherVariant& variant);
std::string LauncherPattern(const LauncherVariant& variant);
std::string LauncherNotFound(const LauncherVariant& variant);
std::u16string LauncherDescription(const LauncherVariant& variant);

// Patches `image` in place; false (image unchanged) with a description when a field is
// not found or a text does not fit.
bool PatchLauncher(std::string& image, const LauncherVariant& variant, std::string* error);

}  // namespace varnock
