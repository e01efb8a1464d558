#pragma once
// Message boxes go through one seam so in-process tests can script the answers.
#include <windows.h>

#include <functional>
#include <string>

namespace varnock {

struct PromptRequest {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;  // MB_ICON* | MB_OK / MB_YESNO / MB_YESNOCANCEL ...
};

using Prompter = std::function<int(const PromptRequest&)>;

// Shows a message box (or asks the scripted prompter) and returns the pressed button.
int ShowMessage(HWND owner, const std::string& text, UINT type, const std::string& caption = "");

// Tests replace the real message box; an empty prompter restores it.
void SetPrompter(Prompter prompter);

}  // namespace varnock
