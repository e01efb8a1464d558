#pragma once
// Window subclasses as comctl32 gives them (the same procedure type, called most recent
// first, each passing a message on with NextSubclassProc), kept in the process instead
// of the window's properties. Under Wine comctl32 looks its chain up in the properties
// at every message and again at every pass-on, a round trip to the server each: three
// or four per message to a window with two subclasses, a dozen per typed character.
#include <windows.h>

#include <commctrl.h>

namespace varnock {

// Adds `proc` to the window's chain (or updates its data when `proc` and `id` are in it).
bool InstallSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
// Takes `proc` with `id` out of the chain; the window keeps working without it.
void RemoveSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);
// Passes a message to the next subclass down the chain, or to the window's own procedure.
LRESULT NextSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace varnock
