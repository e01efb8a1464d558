#pragma once
// The status bar: fixed-width panels with a text, an alignment and a bevel.
#include <windows.h>

#include <string>
#include <vector>

namespace varnock {

enum class Bevel { Lowered, Raised, None };

struct StatusPanel {
  int width = 50;
  std::string text;
  Bevel bevel = Bevel::Lowered;
  bool centred = false;
};

class StatusBar {
 public:
  bool Create(HWND parent, int id);
  HWND hwnd() const { return hwnd_; }

  void SetPanels(std::vector<StatusPanel> panels);
  const StatusPanel& Panel(int index) const { return panels_.at(static_cast<size_t>(index)); }
  int Count() const { return static_cast<int>(panels_.size()); }
  void SetText(int index, const std::string& text);
  void SetBevel(int index, Bevel bevel);
  void SetWidth(int index, int width);
  int Height() const;
  // Lets the bar follow its parent's new size.
  void Resize();

 private:
  void ApplyParts();
  void ApplyText(int index);
  HWND hwnd_ = nullptr;
  std::vector<StatusPanel> panels_;
};

}  // namespace varnock
