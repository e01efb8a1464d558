#pragma once
// Esc cancels a whole-document colouring pass. The pass processes no messages, so the
// key is polled once per line; the system is asked (asynchronous key state, a
// microsecond or more under Wine, where it was most of the rules' time) at most every
// few milliseconds, and remembers a press until asked, so none is missed.
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
