#pragma once
// Starting other programs: a command line run to its end, and shell verbs.
#include <windows.h>

#include <string>

namespace varnock {

struct ProcessRun {
  bool started = false;
  DWORD error = 0;     // why it could not be started
  bool ended = false;  // false when the wait ran out first
  DWORD exitCode = 0;
};

// Starts `program` with exactly `commandLine` (its first word is the program, as the
// C runtime's spawn functions pass it; nothing is quoted or changed) and waits up to
// `limitMs` for it to end. While waiting the caller takes no input, but messages sent
// to its windows are handled, so a program that broadcasts to every window (a setup
// library does) cannot hang on it.
ProcessRun RunAndWait(const std::string& program, const std::string& commandLine, DWORD limitMs);

// The system's text for an error code, without the trailing line break.
std::string SystemErrorText(DWORD error);

// ShellExecute with no owner, no parameters and no directory, in a normal window; the
// shell's result (above 32 on success).
INT_PTR ShellVerb(const std::string& verb, const std::string& file);

// The short (8.3) form of a path; the path itself when the system gives none.
std::string ShortPathOrFull(const std::string& path);

}  // namespace varnock
