#include "win/platform/prompter.h"

#include "win/app/application.h"

namespace varnock {

namespace {
Prompter& CurrentPrompter() {
  static Prompter prompter;
  return prompter;
}
}  // namespace

int ShowMessage(HWND owner, const std::string& text, UINT type, const std::string& caption) {
  const std::string title = caption.empty() ? App().title : caption;
  if (CurrentPrompter()) return CurrentPrompter()({owner, text, title, type});
  return MessageBoxA(owner, text.c_str(), title.c_str(), type);
}

void SetPrompter(Prompter prompter) { CurrentPrompter() = std::move(prompter); }

}  // namespace varnock
