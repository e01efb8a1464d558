#pragma once
// TAboutBox: the program's name, version and licence, and a text that scrolls upwards in
// a framed area while the box is open. Created hidden at start-up and kept until the end;
// shown modally.
#include <windows.h>

#include "win/platform/named_controls.h"
#include "win/platform/window_base.h"

namespace varnock {

class TAboutBox : public WindowBase {
 public:
  ~TAboutBox() override;
  bool Create(HWND owner);
  // The box of the running program (the one created last), or none.
  static TAboutBox* Instance();

  // Shows the box modally; returns when it is closed.
  void ShowModal();

  // Its controls by their names, for localisation and tests.
  NamedControls controls;

  // The scroll (public for tests): starts it, draws one frame, stops it.
  void FormShow();
  void ImgScroll();
  void OKBtnClick();
  // Img's tag: the scroll offset.
  int Tag() const { return tag_; }
  bool Scrolling() const { return scrolling_; }
  // A pixel of Img's drawing surface.
  COLORREF ImagePixel(int x, int y) const;
  // The DPI the box lays out at (its sizes are designed at 96 dpi).
  int Dpi() const { return dpi_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  HWND AddControl(const char* name, const char* className, const char* text, DWORD style, int x, int y, int w, int h,
                  int id = 0, HFONT font = nullptr);
  void DrawImage(const DRAWITEMSTRUCT& item) const;
  // Fonts, sizes, places and Img's drawing surface for `dpi`; the window keeps its
  // place and, unless told, takes its size at that DPI.
  void ApplyDpi(int dpi, bool resizeWindow);
  void MakeImageSurface();

  int tag_ = 15;
  bool scrolling_ = false;
  bool done_ = true;
  HFONT dialogFont_ = nullptr;
  HFONT titleFont_ = nullptr;
  HDC imageDc_ = nullptr;
  HBITMAP imageBitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  int dpi_ = 96;
};

}  // namespace varnock
