#pragma once
// The status bar: fixed-width panels with a text, an alignment and a bevel.
//
// A new panel text is drawn at once into a device context of the bar's own rather than
// through the bar's paint cycle: under Wine BeginPaint and EndPaint cost about half a
// millisecond (EndPaint pushes the window's pixels to the display), which the caret panel
// paid at every keystroke. What is drawn this way reaches the screen with the next paint
// of any window of the program, or when it is idle. Other paints (uncovered, resized)
// go the usual way.
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
  static LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data);
  HWND hwnd_ = nullptr;
  bool paintingNewText_ = false;
  std::vector<StatusPanel> panels_;
};

}  // namespace varnock
