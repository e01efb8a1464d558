#pragma once
// What the LDID and [Strings] insertion menus put at the caret.
#include <string>
#include <vector>

namespace varnock {

// The identifier an LDID menu entry inserts: the caption's text from its second
// character up to and including the next "%", with a "%" in front ("%16384% Desktop"
// gives "%16384%"). A caption with no "%" after its first character gives "%".
std::string LdidFromCaption(const std::string& caption);

// One entry of the [Strings] menu: the quoted value as caption, `%key%` as hint (the
// text a click inserts).
struct StringsMenuEntry {
  std::string caption;
  std::string hint;
};

// The [Strings] menu is built only for documents whose extension is ".INF" in any case.
bool StringsMenuEnabled(const std::string& fileName);

// The entries offered by the `[Strings]` sections of a document, top of the menu first,
// which is the reverse of their line order. A line containing "[" ends a section
// (so "[Strings.0409]" is not scanned); only quoted values are offered, after a comment
// outside quotes is cut off. Empty when nothing qualifies (the menu then shows its
// placeholder).
std::vector<StringsMenuEntry> FetchStrings(const std::vector<std::string>& lines);
std::vector<StringsMenuEntry> FetchStrings(const std::string& documentText);

}  // namespace varnock
