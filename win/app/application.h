#pragma once
// Process-wide state of the program: what the entry routine stores and the main form.
#include <string>

namespace varnock {

class TFormPad;

struct Application {
  std::string title = "Varnock";
  std::string helpFile = "Varnock.hlp";
  std::string commandLine;  // the argument text, emptied at the first paint
  TFormPad* mainForm = nullptr;
  std::string programFolder;  // with a trailing backslash; tests may point it elsewhere
};

Application& App();

// Folder of the running program file (or the one a test set), ending in a backslash.
std::string ProgramFolder();
// Full path of the running program file.
std::string ProgramFile();

}  // namespace varnock
