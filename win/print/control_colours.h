#pragma once
// The colours of the text control's characters, read in one pass.
#include <string>
#include <vector>

#include "core/print/rtf_colours.h"
#include "win/platform/rich_edit.h"

namespace varnock {

// The colour runs of `text` (the control's text) as the control shows them: from one
// RTF stream of the control; should that not give back the same text, character by
// character through the selection (which the caller then restores).
std::vector<ColourRun> ReadControlColours(RichEdit& rich, const std::string& text);

}  // namespace varnock
