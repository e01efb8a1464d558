#pragma once
// What kind of text is open, and whether the colouring mode lets it be coloured.
#include <string>

namespace varnock {

enum class DocKind : int {
  None = 0,  // the colouring mode forbids colouring this document
  Inf = 1,
  Ini = 2,
  Reg = 3,
  AnsiArt = 4,  // NFO and DIZ files
  Other = 5,
};

// The four exclusive checks of the colouring menu; NoneChecked stands for a menu in
// which none is checked (the kind then passes unfiltered).
enum class ColourMode { Inf, Iri, All, No, NoneChecked };

struct DocKindDecision {
  DocKind kind = DocKind::None;
  // Filter index the save dialog should take (1 INF, 2 REG) because the kind was
  // recognised from the text of an unnamed or extensionless document; 0 leaves the
  // dialog as it is. Set even when the mode then filters the kind out.
  int saveFilterIndex = 0;
};

// The kind from the extension alone, or from the text when the name has no extension
// ("REGEDIT4" or the version-5 header on the first line, else "[version]" anywhere,
// case-sensitive), then filtered by the colouring mode.
DocKindDecision DecideDocKind(const std::string& fileName, const std::string& text, ColourMode mode);

// The kind before the colouring mode filters it (never None).
DocKind UnfilteredDocKind(const std::string& fileName, const std::string& text);

// What the mode lets through: All and NoneChecked everything, No nothing, Inf only
// INF, Iri INF, INI and REG.
DocKind FilterDocKind(DocKind kind, ColourMode mode);

// Settings value of the key "Color" ("INF", "IRI", "ALL", "NO") and back. An unknown
// value leaves the menu's built-in state, which has the INF mode checked.
ColourMode ColourModeFromSetting(const std::string& value);
const char* ColourModeSetting(ColourMode mode);
// What the settings read returns when the key is missing.
inline constexpr const char* kColourModeSettingDefault = "ALL";

}  // namespace varnock
