#include "win/platform/named_controls.h"

#include <commctrl.h>

#include "win/platform/window_base.h"

namespace varnock {

NamedControls::~NamedControls() {
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void NamedControls::Add(HWND owner, const std::string& name, HWND control) {
  owner_ = owner;
  controls_[name] = control;
}

HWND NamedControls::Control(const std::string& name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

std::string NamedControls::Text(const std::string& name) const {
  HWND control = Control(name);
  if (!control) return "";
  return WindowText(control);
}

void NamedControls::SetText(const std::string& name, const std::string& text) {
  if (HWND control = Control(name)) SetWindowTextA(control, text.c_str());
}

std::string NamedControls::Hint(const std::string& name) const {
  const auto found = hints_.find(name);
  return found == hints_.end() ? "" : found->second;
}

void NamedControls::SetHint(const std::string& name, const std::string& hint) {
  HWND control = Control(name);
  if (!control) return;
  if (!tooltip_) {
    tooltip_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  const bool known = hints_.count(name) != 0;
  hints_[name] = hint;
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(hints_[name].c_str());
  SendMessageA(tooltip_, known ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace varnock
