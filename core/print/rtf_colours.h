#pragma once
// The text and its colours as the text control writes them out in RTF: one read of the
// whole document instead of one selection per character.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnock {

struct ColourRun {
  std::size_t start;  // offset in the text (a paragraph end counts CR LF)
  std::size_t length;
  std::uint32_t colour;  // 0x00BBGGRR; 0 with `automatic`
  bool automatic;        // no colour of its own: the system's text colour
};

struct ColouredText {
  std::string text;
  std::vector<ColourRun> runs;  // cover the text, in order, neighbours differ
};

// Nothing when the document is not RTF.
std::optional<ColouredText> ReadRtfColours(const std::string& rtf);

// The run holding `offset` (runs in order); nullptr when none does.
const ColourRun* RunAt(const std::vector<ColourRun>& runs, std::size_t offset);

}  // namespace varnock
