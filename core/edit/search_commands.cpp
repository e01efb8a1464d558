#include "core/edit/search_commands.h"

namespace varnock {

std::size_t SearchOrigin(Selection selection) { return selection.length > 0 ? selection.end() : selection.start; }

std::optional<Selection> FindNextMatch(const std::string& text, Selection selection, const std::string& what,
                                       SearchOptions options, const UpperCaseTable& upper) {
  const std::size_t origin = SearchOrigin(ClampSelection(selection, text.size()));
  const std::size_t match = FindForward(text, what, origin, options, upper);
  if (match == std::string::npos) return std::nullopt;
  return Selection{match, what.size()};
}

bool SelectionIsSearchText(const std::string& text, Selection selection, const std::string& what) {
  selection = ClampSelection(selection, text.size());
  return text.compare(selection.start, selection.length, what) == 0;
}

ReplaceOutcome ReplaceOnce(const std::string& text, Selection selection, const std::string& what,
                           const std::string& with, SearchOptions options, const UpperCaseTable& upper) {
  ReplaceOutcome outcome;
  selection = ClampSelection(selection, text.size());
  if (!SelectionIsSearchText(text, selection, what)) {
    outcome.select = FindNextMatch(text, selection, what, options, upper);
    outcome.notFound = !outcome.select;
    return outcome;
  }
  // From the selection start, so the selected match is the first candidate.
  const std::size_t match = FindForward(text, what, selection.start, options, upper);
  if (match == std::string::npos) {
    outcome.notFound = true;
    return outcome;
  }
  outcome.edit = TextReplacement{match, what.size(), with};
  outcome.select = Selection{match, with.size()};
  outcome.replacements = 1;
  return outcome;
}

ReplaceOutcome ReplaceAll(const std::string& text, Selection selection, const std::string& what,
                          const std::string& with, SearchOptions options, const UpperCaseTable& upper) {
  ReplaceOutcome outcome;
  outcome.notFound = true;
  selection = ClampSelection(selection, text.size());
  const TextSearcher searcher(text, what, options, upper);

  // Matches are found in the original text: what follows an inserted replacement is
  // the original text after its match. Only the neighbour in front of the next
  // origin can differ, and it is the last byte written so far.
  std::size_t origin = selection.start;
  int before = origin > 0 ? static_cast<unsigned char>(text[origin - 1]) : kNoNeighbour;
  std::size_t first = std::string::npos;
  std::size_t copied = 0;  // the original text is copied into `changed` up to here
  std::size_t lastInserted = 0;
  std::string changed;
  for (;;) {
    const std::size_t match = searcher.FindFrom(origin, before);
    if (match == std::string::npos) break;
    if (first == std::string::npos) first = copied = match;
    changed.append(text, copied, match - copied);
    lastInserted = changed.size();
    changed += with;
    copied = origin = match + what.size();
    if (!changed.empty()) {
      before = static_cast<unsigned char>(changed.back());
    } else {
      before = first > 0 ? static_cast<unsigned char>(text[first - 1]) : kNoNeighbour;
    }
    ++outcome.replacements;
  }
  if (outcome.replacements == 0) return outcome;
  outcome.edit = TextReplacement{first, copied - first, changed};
  outcome.select = Selection{first + lastInserted, with.size()};
  return outcome;
}

DialogPosition FindDialogPlace(int controlWidth, int windowLeft, int windowTop) {
  return {controlWidth + windowLeft - 353, windowTop + 22};
}

DialogPosition ReplaceDialogPlace(int controlWidth, int windowLeft, int windowTop) {
  return {controlWidth + windowLeft - 355, windowTop + 22};
}

DialogPosition FindNextDialogPlace(int controlWidth, int windowLeft, int windowTop) {
  return {controlWidth + windowLeft - 300, windowTop};
}

}  // namespace varnock
