#pragma once
// Reading and writing the values of the settings file without the operating system:
// numbers, colours, font fields, style letters, toolbar checks and the quoting that
// lets a text come back exactly through the profile functions.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/display/font_spec.h"

namespace varnock {

// A number is the whole value in signed decimal within 32 bits; anything else is none.
std::optional<std::int32_t> ParseWholeInteger(const std::string& value);
std::int32_t IntegerOr(const std::string& value, std::int32_t fallback);

// The font fields, each with its own range; outside it the default holds.
int FontModeSetting(const std::string& value);     // 1..4, else 1
int FontSizeSetting(const std::string& value);     // 4..96, else 10
int FontCharsetSetting(const std::string& value);  // 0..255, else 1
// Empty or longer than a face name may be (31 characters): "MS Sans Serif".
std::string FontNameSetting(const std::string& value);

// A colour setting: 0x00BBGGRR, or a system colour (0x80000000 + a system colour
// index). Anything else is none, and the caller keeps its default.
struct ColourSetting {
  std::uint32_t value = 0;
  bool system = false;  // value is then the system colour index
};
std::optional<ColourSetting> ParseColourSetting(const std::string& value);

// Style letters: I italic, G bold, B strike-out, S underline; written in that order,
// each only when on; read as "on when the letter occurs anywhere".
std::string FontStyleLetters(const FontSpec& font);
void ApplyFontStyleLetters(const std::string& letters, FontSpec& font);

// The toolbar customisation checks: character i is "1" for a checked entry. A value
// shorter than the checks keeps the current checks beyond its end.
inline constexpr int kStoredToolButtons = 13;
std::vector<bool> ToolButtonChecks(const std::string& value, std::vector<bool> current);
std::string ToolButtonsText(const std::vector<bool>& checks);

// The profile functions trim blanks around a value and strip a pair of quotes around
// it; such a value is written inside double quotes so that it reads back exactly.
std::string QuoteForProfile(const std::string& value);
// What the profile functions give back for a written value (the inverse above).
std::string ProfileReadBack(const std::string& written);

// The search texts the find and replace dialogs can hold; a longer saved text is not
// loaded at all (never half a text).
inline constexpr std::size_t kSearchTextRoom = 1023;

// Names in file order, each once (the profile functions match names without case).
std::vector<std::string> UniqueNames(const std::vector<std::string>& names);

}  // namespace varnock
