#pragma once
// What the find and replace dialogs' buttons do, decided on the text and selection.
// The search always runs forward from the selection and never wraps to the start.
#include <cstddef>
#include <optional>
#include <string>

#include "core/edit/selection.h"
#include "core/edit/text_search.h"

namespace varnock {

// Where a search starts: after a non-empty selection (so a found word is not found
// again in place), at the caret otherwise.
std::size_t SearchOrigin(Selection selection);

// The match to select for find-next, or nothing: then beep, show SEARCH_NOT_FOUND and
// leave text and selection as they are.
std::optional<Selection> FindNextMatch(const std::string& text, Selection selection, const std::string& what,
                                       SearchOptions options, const UpperCaseTable& upper);

// The replace button acts on the selection only when it is the search text itself,
// compared exactly whatever the match-case option says; otherwise it only finds.
bool SelectionIsSearchText(const std::string& text, Selection selection, const std::string& what);

// What a click of replace or replace-all asks of the Windows layer, in this order:
// make `edit` (select its range, replace it by its text), select `select`, then beep
// and show SEARCH_NOT_FOUND if `notFound`, or clear the status message otherwise.
struct ReplaceOutcome {
  std::optional<TextReplacement> edit;
  std::optional<Selection> select;  // in the text after `edit`
  bool notFound = false;
  std::size_t replacements = 0;
};

// The replace button: replaces the selected match (or the next one) and selects the
// inserted text; with any other selection it finds and selects the next match instead.
ReplaceOutcome ReplaceOnce(const std::string& text, Selection selection, const std::string& what,
                           const std::string& with, SearchOptions options, const UpperCaseTable& upper);

// The replace-all button: every match from the selection start to the end of the text,
// each search starting after the text just inserted, so it ends even when the
// replacement holds the search text. All the changes come as one replacement of the
// stretch from the first match to the end of the last; the last inserted text is
// selected. It always ends not finding, as each replacement loop does.
ReplaceOutcome ReplaceAll(const std::string& text, Selection selection, const std::string& what,
                          const std::string& with, SearchOptions options, const UpperCaseTable& upper);

// Screen positions of the dialogs, from the main window's left and top edges and the
// text control's width.
struct DialogPosition {
  int x = 0;
  int y = 0;
};
DialogPosition FindDialogPlace(int controlWidth, int windowLeft, int windowTop);
DialogPosition ReplaceDialogPlace(int controlWidth, int windowLeft, int windowTop);
// Find-next with an empty search text opens the find dialog here instead of searching.
DialogPosition FindNextDialogPlace(int controlWidth, int windowLeft, int windowTop);

}  // namespace varnock
