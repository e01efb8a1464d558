#pragma once
// Esc cancels a whole-document colouring pass. The pass processes no messages, so the
// key is polled (asynchronous key state) once per line.
#include <functional>

namespace varnock {

// Esc is down, or was pressed since the last poll.
bool EscapePressed();
// Drops a press from before the pass (closing a dialog with Esc, say): only a press
// during the pass cancels it.
void ForgetEarlierEscape();

// Tests decide what the poll says; an empty function restores the keyboard.
void SetEscapePoll(std::function<bool()> poll);

}  // namespace varnock
