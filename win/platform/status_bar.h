#pragma once
// The status bar: fixed-width panels with a text, an alignment and a bevel.
//
// The bar keeps its texts here and draws them through its parent's WM_DRAWITEM (every
// panel is owner-drawn, with the same call the bar makes for a text of its own), so that
// a new text is drawn at once: the bar paints the panel's frame and background into a
// device context taken here (WM_PRINTCLIENT) and the text goes on top. Under Wine the
// bar's own way, a paint cycle per new text (invalidated and updated, regions asked of
// the server, EndPaint), cost about half a millisecond, which the caret panel paid at
// every keystroke. The bar's other paints (uncovered, resized) go the usual way, and
// its text reads (SB_GETTEXT and its kin, WM_GETTEXT) are answered from here, so readers
// such as accessibility tools see the texts as before.
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
  // For the parent's WM_DRAWITEM: false when the item is not one of this bar's panels.
  bool DrawPanel(const DRAWITEMSTRUCT& item) const;
  void SetWidth(int index, int width);
  int Height() const;
  // Lets the bar follow its parent's new size.
  void Resize();

 private:
  void ApplyParts();
  void ApplyText(int index);
  void RepaintPanel(int index) const;
  std::string Shown(int index) const;
  WORD Style(int index) const;
  bool AnswerTextRead(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) const;
  static LRESULT CALLBACK TextReadProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data);
  HWND hwnd_ = nullptr;
  std::vector<StatusPanel> panels_;
  std::vector<int> appliedStyles_;  // what the bar was last told of each panel (-1: nothing)
};

}  // namespace varnock
