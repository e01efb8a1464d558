#include "core/launcher/runinf_patch.h"

#include "core/launcher/launcher_fields.h"

namespace varnock {

namespace {

constexpr size_t kCustomNameMax = 12;
constexpr size_t kDescriptionPrefix = 13;  // "Will install " / "Installation "

std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string Utf16Bytes(const std::u16string& text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

// The initial text followed by zeros up to the field's size.
std::string FieldPattern(const std::string& initial, size_t size) {
  return initial + std::string(size - initial.size(), '\0');
}

bool FindOnce(const std::string& image, const std::string& pattern, const char* field, size_t* offset,
              std::string* error) {
  const size_t first = image.find(pattern);
  if (first == std::string::npos) {
    *error = std::string("launcher field missing or too small: ") + field;
    return false;
  }
  if (image.find(pattern, first + 1) != std::string::npos) {
    *error = std::string("launcher field found twice: ") + field;
    return false;
  }
  *offset = first;
  return true;
}

bool Fits(size_t length, size_t room, const char* field, std::string* error) {
  if (length <= room) return true;
  *error = std::string("text too long for the launcher field: ") + field;
  return false;
}

}  // namespace

bool FindLauncherFields(const std::string& image, LauncherFields* fields, std::string* error) {
  const std::string description = Utf16Bytes(Widen(RUNINF_DESCRIPTION_TEXT)) + std::string(2, '\0');
  return FindOnce(image, FieldPattern(RUNINF_QUESTION_TEXT, RUNINF_QUESTION_SIZE), "question", &fields->question,
                  error) &&
         FindOnce(image, FieldPattern(RUNINF_PATTERN_TEXT, RUNINF_PATTERN_SIZE), "pattern", &fields->pattern, error) &&
         FindOnce(image, FieldPattern(RUNINF_NOT_FOUND_TEXT, RUNINF_NOT_FOUND_SIZE), "not-found message",
                  &fields->notFound, error) &&
         FindOnce(image, description, "description", &fields->description, error);
}

std::string LauncherQuestion(const LauncherVariant& v) {
  return v.french ? "Voulez-vous installer: " : RUNINF_QUESTION_TEXT;
}

std::string LauncherPattern(const LauncherVariant& v) { return v.custom ? v.name : RUNINF_PATTERN_TEXT; }

std::string LauncherNotFound(const LauncherVariant& v) {
  return v.french ? "Pas de fichier INF!" : RUNINF_NOT_FOUND_TEXT;
}

// The description is blank-filled to its last character, so no piece of a longer
// earlier text shows after a shorter one.
std::u16string LauncherDescription(const LauncherVariant& v) {
  std::u16string text = Widen(v.french ? "Installation de tout fichier INF." : RUNINF_DESCRIPTION_TEXT);
  if (v.custom) text = text.substr(0, kDescriptionPrefix) + Widen(v.french ? "de " : ":  ") + v.wideName;
  if (text.size() < RUNINF_DESCRIPTION_CHARS) text.resize(RUNINF_DESCRIPTION_CHARS, u' ');
  return text;
}

bool PatchLauncher(std::string& image, const LauncherVariant& v, std::string* error) {
  LauncherFields at;
  if (!FindLauncherFields(image, &at, error)) return false;
  const std::string question = LauncherQuestion(v), pattern = LauncherPattern(v), notFound = LauncherNotFound(v);
  const std::u16string description = LauncherDescription(v);
  // Every text keeps at least one terminating zero in its field.
  if (v.custom && !Fits(v.name.size(), kCustomNameMax, "pattern", error)) return false;
  if (!Fits(question.size(), RUNINF_QUESTION_SIZE - 1, "question", error) ||
      !Fits(pattern.size(), RUNINF_PATTERN_SIZE - 1, "pattern", error) ||
      !Fits(notFound.size(), RUNINF_NOT_FOUND_SIZE - 1, "not-found message", error) ||
      !Fits(description.size(), RUNINF_DESCRIPTION_CHARS, "description", error))
    return false;
  image.replace(at.question, RUNINF_QUESTION_SIZE, FieldPattern(question, RUNINF_QUESTION_SIZE));
  image.replace(at.pattern, RUNINF_PATTERN_SIZE, FieldPattern(pattern, RUNINF_PATTERN_SIZE));
  image.replace(at.notFound, RUNINF_NOT_FOUND_SIZE, FieldPattern(notFound, RUNINF_NOT_FOUND_SIZE));
  image.replace(at.description, RUNINF_DESCRIPTION_CHARS * 2, Utf16Bytes(description));
  return true;
}

}  // namespace varnock
