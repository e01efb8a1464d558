#pragma once
// Controls of a form reachable by their names, with their hints shown as tooltips:
// localisation and tests reach every control the same way.
#include <windows.h>

#include <map>
#include <string>

namespace varnock {

class NamedControls {
 public:
  NamedControls() = default;
  NamedControls(const NamedControls&) = delete;
  NamedControls& operator=(const NamedControls&) = delete;
  ~NamedControls();

  // `owner` is the form holding the controls; its tooltip window is made on first use.
  void Add(HWND owner, const std::string& name, HWND control);
  HWND Control(const std::string& name) const;
  std::string Text(const std::string& name) const;
  void SetText(const std::string& name, const std::string& text);
  std::string Hint(const std::string& name) const;
  void SetHint(const std::string& name, const std::string& hint);
  const std::map<std::string, HWND>& All() const { return controls_; }

 private:
  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
  std::map<std::string, HWND> controls_;
  std::map<std::string, std::string> hints_;
};

}  // namespace varnock
