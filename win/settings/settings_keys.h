#pragma once
// The names of section [Varnock] and the registry key of the file associations.
namespace varnock {

inline constexpr const char* kSettingsSection = "Varnock";
inline constexpr const char* kAssociationKey = "Software\\Brackwater\\Varnock";

// The test library entries and their settings values, in the order of the menu.
struct TestLibraryEntry {
  const char* entry;
  const char* value;
};
inline constexpr TestLibraryEntry kTestLibraries[] = {
    {"DLLsetupx", "1"}, {"DLLsetupapi", "2"}, {"DLLadvpack", "3"}, {"DLLdefault", "5"}};

// The colouring mode entries and their settings values.
struct ColourModeEntry {
  const char* entry;
  const char* value;
};
inline constexpr ColourModeEntry kColourModes[] = {
    {"AffColorINF", "INF"}, {"AffColorIRI", "IRI"}, {"AffColorALL", "ALL"}, {"AffColorNO", "NO"}};

}  // namespace varnock
