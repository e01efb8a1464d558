#pragma once
// The colour scheme dialog's preview: a fixed INF-like sample coloured with simplified
// rules that do not depend on a document kind.
#include <cstddef>
#include <string>
#include <vector>

#include "core/colour/colour_range.h"

namespace varnock {

// The built-in lines of the preview, first to last.
const std::vector<std::string>& ColourPreviewSampleLines();
// The same lines joined with CR LF, as the preview control holds them.
std::string ColourPreviewSampleText();

// Ranges of one preview line in painting order; the first puts the whole line in the
// text colour (the system's window-text colour in the preview). The differences from
// the document rules: no delimiter test before "=", only "REGEDIT4" as a header, "["
// only at the very start, and a colon is an error only before the first ";" and the
// first double quote.
std::vector<ColourRange> ColourPreviewLine(const std::string& line, std::size_t lineOffset);

// Ranges of a whole preview text, lines located as the control counts them.
std::vector<ColourRange> ColourPreviewText(const std::string& text);

}  // namespace varnock
