#pragma once
// Which lines a key event of the text control recolours as the user types.
#include <cstddef>
#include <vector>

namespace varnock {

struct KeyEvent {
  bool down = true;         // key down, else key up
  unsigned virtualKey = 0;  // Windows virtual-key code
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool selectionEmpty = true;
};

struct KeystrokeRecolour {
  // 1-based lines to give to the one-line pass, in order. May hold 0 or a number past
  // the last line (Up on the first line, Down on the last): the pass ignores those.
  std::vector<std::size_t> lines;
  // Shift+Insert pastes: the whole document is recoloured at the next selection change.
  bool setRecolourPending = false;
};

// The recolouring a key event asks for, given the caret's 1-based line when the event
// arrives (on key down the caret has not moved yet) and the live-colouring flag.
KeystrokeRecolour RecolourForKey(const KeyEvent& key, std::size_t caretLine, bool liveColouring);

// The same recolouring as steps from the caret's line (0 the caret's line, -1 the one
// above, 1 the one below), which do not depend on the caret's line number: a pass that
// finds lines from the caret needs no number, and a step past the first or the last
// line colours nothing, as the line numbers 0 and past the end do.
struct KeystrokeSteps {
  std::vector<int> steps;
  bool setRecolourPending = false;
};
KeystrokeSteps RecolourStepsForKey(const KeyEvent& key, bool liveColouring);

// Whether Shift, Ctrl or Alt change what a key event does in the text control (its
// recolouring, or Insert's switch between insert and overwrite): only then are they read,
// since reading them is a round trip to the server under Wine at every keystroke.
bool KeyNeedsModifiers(bool down, unsigned virtualKey);

}  // namespace varnock
