// The windows at the display's scale: their 96-dpi design sizes scaled to the DPI the
// system reports for them. The same tests run in the 96-dpi prefix and in the prefix
// whose screen has 144 dpi (VARNOCK_EXPECT_DPI names the DPI it must report).
#include "tests/win/colour_test_support.h"

#include <commctrl.h>

#include <cstdlib>

#include "win/app/display_scale.h"
#include "win/about/about_box.h"
#include "win/about/help.h"
#include "win/about/help_window.h"
#include "win/colour/form_color.h"
#include "win/inftools/inf_wizard.h"
#include "win/platform/dpi.h"

namespace varnock::test {
namespace {

class DisplayScale : public ColourTest {
 protected:
  int dpi() { return WindowDpi(pad().hwnd()); }
  int Scaled(int design) { return ScaleToDpi(design, dpi()); }
  RECT ClientRectIn(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // Every visible child lies wholly inside its parent's client area (but `outside`).
  void ExpectChildrenInside(HWND parent, HWND outside = nullptr) {
    RECT client{};
    GetClientRect(parent, &client);
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) || child == outside) continue;
      const RECT r = ClientRectIn(child, parent);
      char cls[64] = "";
      GetClassNameA(child, cls, sizeof cls);
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
          << cls << " at " << r.left << "," << r.top << "-" << r.right << "," << r.bottom << " in " << client.right
          << "x" << client.bottom;
    }
  }
  // The width of `text` in the status bar's font.
  int StatusTextWidth(const std::string& text) {
    HWND bar = pad().StatusLine.hwnd();
    HDC dc = GetDC(bar);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(bar, dc);
    return size.cx;
  }
  // Sends WM_DPICHANGED as the system does when the window reaches a screen of `newDpi`.
  RECT ChangeDpi(HWND window, int newDpi) {
    RECT now{};
    GetWindowRect(window, &now);
    RECT suggested{now.left, now.top, now.left + MulDiv(now.right - now.left, newDpi, dpi()),
                   now.top + MulDiv(now.bottom - now.top, newDpi, dpi())};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    return suggested;
  }
};

TEST_F(DisplayScale, TheWindowsLayOutAtTheDpiTheSystemReports) {
  if (const char* expected = std::getenv("VARNOCK_EXPECT_DPI")) EXPECT_EQ(dpi(), std::atoi(expected));
  EXPECT_EQ(pad().dpi, dpi());
  EXPECT_EQ(forms->colour.Dpi(), WindowDpi(forms->colour.hwnd()));
}

TEST_F(DisplayScale, StatusPanelsAreTheirDesignWidthsScaled) {
  const struct {
    int panel;
    int design;
  } panels[] = {{kPanelHint, 300}, {kPanelInsert, 35}, {kPanelWrap, 45}, {kPanelFont, 35}, {kPanelCaret, 120}};
  for (const auto& p : panels) EXPECT_EQ(pad().StatusLine.Panel(p.panel).width, Scaled(p.design)) << p.panel;
  EXPECT_GE(pad().StatusLine.Panel(kPanelMessage).width, Scaled(50));
}

TEST_F(DisplayScale, StatusTextsFitTheirPanels) {
  const struct {
    int panel;
    const char* widest;
  } texts[] = {
      {kPanelInsert, "OVR"}, {kPanelWrap, " - - -"}, {kPanelFont, " OEM"}, {kPanelCaret, "Line 12345  Col 123"}};
  for (const auto& t : texts)
    EXPECT_LT(StatusTextWidth(t.widest), pad().StatusLine.Panel(t.panel).width - Scaled(4)) << t.widest;
}

TEST_F(DisplayScale, ToolbarImagesAndButtonsMatchTheScale) {
  const struct { int dpi, large, small; } drawn[] = {{96, 32, 16}, {120, 40, 20}, {144, 48, 24}, {192, 64, 32}};
  for (const auto& d : drawn) {
    if (d.dpi != dpi()) continue;
    EXPECT_EQ(pad().ToolBar.ImageSize(), d.large);
    EXPECT_EQ(pad().ToolBarSmall.ImageSize(), d.small);
  }
  EXPECT_EQ(pad().ToolBar.ButtonSize().cx, Scaled(39));
  EXPECT_EQ(pad().ToolBar.ButtonSize().cy, Scaled(38));
  for (ToolBarControl* bar : {&pad().ToolBar, &pad().ToolBarSmall}) {
    auto* images = reinterpret_cast<HIMAGELIST>(SendMessageA(bar->hwnd(), TB_GETIMAGELIST, 0, 0));
    EXPECT_EQ(ImageList_GetImageCount(images), 16);
    const SIZE button = bar->ButtonSize();
    EXPECT_GT(button.cx, bar->ImageSize());
    EXPECT_GT(button.cy, bar->ImageSize());
  }
  pad().ApplyToolbarMode(2);
  EXPECT_EQ(pad().ToolBarSmall.ButtonSize().cx, Scaled(23));
  EXPECT_EQ(pad().ToolBarSmall.ButtonSize().cy, Scaled(22));
  ExpectChildrenInside(pad().hwnd());
  pad().ApplyToolbarMode(1);
}

TEST_F(DisplayScale, MainWindowKeepsEverythingInsideAndItsScaledLeastSize) {
  ExpectChildrenInside(pad().hwnd());
  MINMAXINFO info{};
  SendMessageA(pad().hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, Scaled(340));
  EXPECT_EQ(info.ptMinTrackSize.y, Scaled(240));
}

TEST_F(DisplayScale, ColourDialogIsItsDesignScaled) {
  TFormColor& dialog = forms->colour;
  RECT client{};
  GetClientRect(dialog.hwnd(), &client);
  EXPECT_NEAR(client.right, Scaled(377), 1);
  EXPECT_NEAR(client.bottom, Scaled(329), 1);
  const struct {
    const char* name;
    int left, top, width, height;
  } places[] = {{"Label1", 8, 8, 361, 28},     {"RichEx", 8, 40, 361, 189}, {"BitBtn1", 8, 237, 88, 28},
                {"BitBtn4", 281, 237, 88, 28}, {"BitBtn5", 8, 293, 88, 28}, {"BitBtnOK", 281, 293, 88, 28}};
  for (const auto& p : places) {
    const RECT r = ClientRectIn(dialog.Control(p.name), dialog.hwnd());
    EXPECT_EQ(r.left, Scaled(p.left)) << p.name;
    EXPECT_EQ(r.top, Scaled(p.top)) << p.name;
    EXPECT_EQ(r.right - r.left, Scaled(p.width)) << p.name;
    EXPECT_EQ(r.bottom - r.top, Scaled(p.height)) << p.name;
  }
  ShowWindow(dialog.hwnd(), SW_SHOWNA);
  ExpectChildrenInside(dialog.hwnd());
  ShowWindow(dialog.hwnd(), SW_HIDE);
}

TEST_F(DisplayScale, WizardIsItsDesignScaled) {
  TInfWizard& wizard = forms->wizard;
  EXPECT_EQ(wizard.Dpi(), WindowDpi(wizard.hwnd()));
  RECT client{};
  GetClientRect(wizard.hwnd(), &client);
  EXPECT_NEAR(client.right, Scaled(470), 1);
  EXPECT_NEAR(client.bottom, Scaled(357), 1);
  const struct {
    const char* name;
    int left, top, width, height;
  } places[] = {{"EditNomLong", 8, 24, 220, 21},
                {"BitBtnOK", 372, 8, 90, 26},
                {"EditPath", 112, 141, 350, 21},
                {"Label11", 8, 300, 454, 14},
                {"Panel_adv_dest", 0, 357, 470, 240}};
  for (const auto& p : places) {
    const RECT r = ClientRectIn(wizard.controls.Control(p.name), wizard.hwnd());
    EXPECT_EQ(r.left, Scaled(p.left)) << p.name;
    EXPECT_EQ(r.top, Scaled(p.top)) << p.name;
    EXPECT_EQ(r.right - r.left, Scaled(p.width)) << p.name;
    EXPECT_EQ(r.bottom - r.top, Scaled(p.height)) << p.name;
  }
  HWND panel = wizard.controls.Control("Panel_adv_dest");
  const RECT button = ClientRectIn(wizard.controls.Control("SpeedButton1"), panel);
  EXPECT_EQ(button.left, Scaled(440));
  ShowWindow(wizard.hwnd(), SW_SHOWNA);
  ExpectChildrenInside(wizard.hwnd(), panel);  // the panel waits below the client area
  ExpectChildrenInside(panel);
  ShowWindow(wizard.hwnd(), SW_HIDE);
}

TEST_F(DisplayScale, AChangeOfDpiRescalesTheWizard) {
  TInfWizard& wizard = forms->wizard;
  const int before = wizard.Dpi();
  const int after = before == 192 ? 96 : 192;
  ChangeDpi(wizard.hwnd(), after);
  EXPECT_EQ(wizard.Dpi(), after);
  const RECT ok = ClientRectIn(wizard.controls.Control("BitBtnOK"), wizard.hwnd());
  EXPECT_EQ(ok.left, ScaleToDpi(372, after));
  EXPECT_EQ(wizard.PanelTop(), ScaleToDpi(357, after));
  ChangeDpi(wizard.hwnd(), before);
  EXPECT_EQ(wizard.PanelTop(), ScaleToDpi(357, before));
}

TEST_F(DisplayScale, AboutBoxAndItsScrollingTextAreTheirDesignScaled) {
  TAboutBox& box = forms->about;
  EXPECT_EQ(box.Dpi(), WindowDpi(box.hwnd()));
  RECT client{};
  GetClientRect(box.hwnd(), &client);
  EXPECT_NEAR(client.right, Scaled(298), 1);
  const struct {
    const char* name;
    int left, top, width, height;
  } places[] = {{"Panel1", 8, 8, 281, 201},
                {"ProgramIcon", 16, 11, 96, 96},
                {"Img", 18, 123, 261, 75},
                {"OKBtn", 215, 252, 75, 25}};
  for (const auto& p : places) {
    const RECT r = ClientRectIn(box.controls.Control(p.name), box.hwnd());
    EXPECT_EQ(r.left, Scaled(p.left)) << p.name;
    EXPECT_EQ(r.top, Scaled(p.top)) << p.name;
    EXPECT_EQ(r.right - r.left, Scaled(p.width)) << p.name;
    EXPECT_EQ(r.bottom - r.top, Scaled(p.height)) << p.name;
  }
  ShowWindow(box.hwnd(), SW_SHOWNA);
  ExpectChildrenInside(box.hwnd());
  // The first frame: line 0 (empty) at the scaled offset 15, line 1 at the scaled 30.
  box.FormShow();
  box.ImgScroll();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  auto rowBlank = [&](int y) {
    for (int x = 0; x < Scaled(261); ++x)
      if (box.ImagePixel(x, y) != face) return false;
    return true;
  };
  for (int y = 0; y < Scaled(15); ++y) EXPECT_TRUE(rowBlank(y)) << y;
  bool drawn = false;
  for (int y = Scaled(30); y < Scaled(45) && !drawn; ++y) drawn = !rowBlank(y);
  EXPECT_TRUE(drawn);
  box.OKBtnClick();
  ShowWindow(box.hwnd(), SW_HIDE);
}

TEST_F(DisplayScale, HelpWindowListIsItsDesignWidthScaled) {
  ShowHelp(pad().hwnd(), kHelpContents);
  Pump();
  HelpWindow& help = HelpWindow::Instance();
  EXPECT_EQ(help.Dpi(), WindowDpi(help.hwnd()));
  const RECT list = ClientRectIn(help.TopicList(), help.hwnd());
  EXPECT_EQ(list.left, Scaled(4));
  EXPECT_EQ(list.right - list.left, Scaled(190));
  ExpectChildrenInside(help.hwnd());
  ShowWindow(help.hwnd(), SW_HIDE);
}

TEST_F(DisplayScale, AChangeOfDpiRescalesTheMainWindow) {
  const int before = dpi();
  const int after = before == 192 ? 96 : 192;
  const RECT suggested = ChangeDpi(pad().hwnd(), after);
  RECT now{};
  GetWindowRect(pad().hwnd(), &now);
  EXPECT_EQ(now.right - now.left, suggested.right - suggested.left);
  EXPECT_EQ(now.bottom - now.top, suggested.bottom - suggested.top);
  EXPECT_EQ(pad().dpi, after);
  EXPECT_EQ(pad().StatusLine.Panel(kPanelCaret).width, ScaleToDpi(120, after));
  EXPECT_EQ(pad().ToolBar.ImageSize(), after == 192 ? 64 : 32);
  EXPECT_EQ(pad().ToolBarSmall.ImageSize(), after == 192 ? 32 : 16);
  EXPECT_EQ(pad().ToolBar.ButtonSize().cy, ScaleToDpi(38, after));
  ExpectChildrenInside(pad().hwnd());
  pad().OnDpiChanged(before, 0);
  EXPECT_EQ(pad().ToolBar.ImageSize(), ImageSizeForDpi(32, before, {16, 20, 24, 32, 40, 48, 64}));
}

TEST_F(DisplayScale, AChangeOfDpiRescalesTheColourDialog) {
  TFormColor& dialog = forms->colour;
  const int before = dialog.Dpi();
  const int after = before == 192 ? 96 : 192;
  ChangeDpi(dialog.hwnd(), after);
  EXPECT_EQ(dialog.Dpi(), after);
  const RECT ok = ClientRectIn(dialog.Control("BitBtnOK"), dialog.hwnd());
  EXPECT_EQ(ok.left, ScaleToDpi(281, after));
  EXPECT_EQ(ok.bottom - ok.top, ScaleToDpi(28, after));
  ChangeDpi(dialog.hwnd(), before);
  EXPECT_EQ(dialog.Dpi(), before);
}

// A syntax colour equal to the text area's background (as a high-contrast scheme may
// make it) is not used: the text shows in the system's text colour instead.
TEST_F(DisplayScale, AColourEqualToTheBackgroundIsNeverUsedForText) {
  const COLORREF background = GetSysColor(COLOR_WINDOW);
  pad().sectionColour = background;
  pad().commentColour = 0x0000C0 == background ? 0x00C000 : 0x0000C0;
  Load("C:\\a\\setup.inf", "[Version]\r\n; note\r\n");
  Mode("AffColorINF");
  pad().SetColour();
  EXPECT_EQ(FormatOf(pad().Rich1.hwnd(), 0, 1).crTextColor, GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(FormatOf(pad().Rich1.hwnd(), 11, 1).crTextColor, pad().commentColour);
}

}  // namespace
}  // namespace varnock::test
