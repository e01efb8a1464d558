#pragma once
// A common-controls toolbar whose buttons and separators are reachable by name. Each
// button carries a hint and a click action; separators are buttons too, so they can be
// hidden like any other. The hovered button's hint is reported through onHint, whether
// the button is enabled or not, and again as the button's tool tip.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace varnock {

// The images of a bar: two strips of square images side by side, BITMAP resources of
// the program (32-bit with alpha), the second one drawn for disabled buttons.
struct ToolBarImages {
  std::string normal;
  std::string disabled;
  int size = 0;  // width and height of one image
};

// What a bar looks like at one display scale: its images, the size of its buttons and
// the width of its separators, all in pixels.
struct ToolBarMetrics {
  ToolBarImages images;
  SIZE button{};
  int separatorWidth = 8;
};

class ToolBarControl {
 public:
  ToolBarControl() = default;
  ToolBarControl(const ToolBarControl&) = delete;
  ToolBarControl& operator=(const ToolBarControl&) = delete;
  ~ToolBarControl();

  // Creates the bar hidden, at the top of parent.
  bool Create(HWND parent, const ToolBarMetrics& metrics);
  // Changes the images and sizes of the whole bar (the display scale changed).
  void SetMetrics(const ToolBarMetrics& metrics);
  // The size of one image, and of one button, as the bar has them.
  int ImageSize() const;
  SIZE ButtonSize() const;
  HWND hwnd() const { return hwnd_; }

  void AddButton(const std::string& name, int image, const std::string& hint, std::function<void()> onClick);
  void AddSeparator(const std::string& name);

  // Names of the buttons and separators in the order they stand on the bar.
  std::vector<std::string> Names() const;
  bool Has(const std::string& name) const { return Find(name) != nullptr; }
  void SetButtonVisible(const std::string& name, bool visible);
  bool ButtonVisible(const std::string& name) const;
  void SetButtonEnabled(const std::string& name, bool enabled);
  bool ButtonEnabled(const std::string& name) const;
  void SetButtonPressed(const std::string& name, bool pressed);
  bool ButtonPressed(const std::string& name) const;
  void SetButtonImage(const std::string& name, int image);
  int ButtonImage(const std::string& name) const;
  void SetHint(const std::string& name, const std::string& hint);
  std::string Hint(const std::string& name) const;
  // The button's rectangle in the bar's client coordinates (empty when hidden).
  RECT ButtonRect(const std::string& name) const;

  // The bar's own visibility, whatever its parent's.
  void Show(bool visible);
  bool Visible() const;
  // Fits the bar to its parent's width; returns its height.
  int AutoSize();
  void Repaint();

  // WM_COMMAND from the parent: runs the button's action; true when it was this bar's.
  bool HandleCommand(HWND from, UINT id);
  // WM_NOTIFY from the parent: tool tips, right clicks, clicks beside the buttons.
  bool HandleNotify(NMHDR* header, LRESULT* result);

  std::function<void(const std::string& hint)> onHint;
  std::function<void(POINT screenPoint)> onRightClick;
  std::function<void()> onEmptyClick;  // a click on the bar beside every button

 private:
  struct Button {
    std::string name;
    int id;
    std::string hint;
    std::function<void()> onClick;
  };
  const Button* Find(const std::string& name) const;
  const Button* FindById(int id) const;
  int IdOf(const std::string& name) const;
  void Insert(const Button& button, int image, BYTE style);
  void HoverAt(POINT clientPoint);
  bool HandleToolTip(NMHDR* header);
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);

  HWND hwnd_ = nullptr;
  int separatorWidth_ = 8;
  HIMAGELIST images_ = nullptr;
  HIMAGELIST disabledImages_ = nullptr;
  std::vector<Button> buttons_;
  // Buttons disabled through SetButtonEnabled (buttons start enabled): setting a state
  // again is skipped, as the title's refresh does at every keystroke.
  std::vector<int> disabledIds_;
  int hoveredId_ = 0;
  std::string toolTipText_;
  std::wstring toolTipWide_;
};

}  // namespace varnock
