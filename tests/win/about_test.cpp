// The about box: its geometry and texts, the scrolling text drawn off-screen, and what
// OK, Escape and closing do to the scroll.
#include "core/about/about_scroll.h"
#include "tests/win/harness.h"
#include "win/about/about_box.h"
#include "win/i18n/message.h"

namespace varnock::test {
namespace {

class About : public FormTest {
 protected:
  TAboutBox& box() { return forms->about; }
  RECT Place(const char* name) {
    HWND control = box().controls.Control(name);
    EXPECT_NE(control, nullptr) << name;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, box().hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // The image's pixels, row by row.
  std::vector<COLORREF> Row(int y) {
    std::vector<COLORREF> row;
    for (int x = 0; x < 261; ++x) row.push_back(box().ImagePixel(x, y));
    return row;
  }
  bool RowBlank(int y) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (COLORREF c : Row(y))
      if (c != face) return false;
    return true;
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) box().ImgScroll();
  }
};

TEST_F(About, HasItsTableGeometryCaptionFontsAndTexts) {
  RECT client{}, outer{};
  GetClientRect(box().hwnd(), &client);
  GetWindowRect(box().hwnd(), &outer);
  EXPECT_EQ(client.right, 298);
  EXPECT_EQ(outer.bottom - outer.top, 312);
  char caption[64] = "";
  GetWindowTextA(box().hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "A propos");
  struct Expected {
    const char* name;
    RECT place;
  } table[] = {
      {"Panel1", {8, 8, 289, 209}},      {"ProgramIcon", {16, 11, 112, 107}}, {"ProductName", {120, 24, 277, 50}},
      {"Copyright", {120, 56, 281, 69}}, {"EditURL", {120, 80, 281, 101}},    {"Bevel2", {16, 120, 281, 201}},
      {"Img", {18, 123, 279, 198}},      {"OKBtn", {215, 252, 290, 277}},
  };
  for (const Expected& e : table) {
    const RECT r = Place(e.name);
    EXPECT_TRUE(EqualRect(&r, &e.place)) << e.name << ": " << r.left << "," << r.top << "," << r.right << ","
                                         << r.bottom;
  }
  EXPECT_EQ(box().controls.Text("ProductName"), fMessage("SH_TITRE_VARNOCK"));
  EXPECT_EQ(box().controls.Text("OKBtn"), "&OK");
  EXPECT_TRUE(GetWindowLongA(box().controls.Control("OKBtn"), GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongA(box().controls.Control("EditURL"), GWL_STYLE) & ES_READONLY);
  EXPECT_FALSE(box().controls.Hint("ProgramIcon").empty());
  LOGFONTA title{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box().controls.Control("ProductName"), WM_GETFONT, 0, 0)),
             sizeof title, &title);
  EXPECT_STREQ(title.lfFaceName, "Times New Roman");
  EXPECT_EQ(title.lfHeight, -19);
  EXPECT_EQ(title.lfWeight, FW_BOLD);
  EXPECT_FALSE(IsWindowVisible(box().controls.Control("Img")));
  EXPECT_EQ(box().Tag(), 15);
  // Built-in scrolling lines: only 4, 10 and 11 are empty; no maker's name, the licence is.
  std::string all;
  for (int n = 0; n < 12; ++n) {
    const std::string line = fMessage("ABOUT" + std::to_string(n));
    EXPECT_EQ(line.empty(), n == 4 || n == 10 || n == 11) << n;
    all += line + "\n";
  }
  EXPECT_NE(all.find("MIT"), std::string::npos);
  EXPECT_NE(all.find("The Varnock authors"), std::string::npos);
}

TEST_F(About, EachTickMovesTheTextUpOnePixel) {
  box().FormShow();
  EXPECT_TRUE(box().Scrolling());
  Ticks(1);  // offset 15: line 0 at 15, line 1 at 30
  EXPECT_TRUE(GetWindowLongA(box().controls.Control("Img"), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(box().Tag(), 14);
  std::vector<std::vector<COLORREF>> first;
  for (int y = 0; y < 75; ++y) first.push_back(Row(y));
  EXPECT_TRUE(RowBlank(5));
  bool inked = false;
  for (int y = 30; y < 45; ++y) inked = inked || !RowBlank(y);
  EXPECT_TRUE(inked);
  Ticks(15);  // offset 0: everything 15 pixels higher
  for (int y = 0; y + 15 < 75; ++y) EXPECT_EQ(Row(y), first[y + 15]) << y;
  Ticks(155 - 16);  // the last frame of the first pass
  EXPECT_EQ(box().Tag(), -140);
  Ticks(1);
  EXPECT_EQ(box().Tag(), kAboutScrollRestart);
}

TEST_F(About, NewLanguageTextsShowAtTheNextTickAndAmpersandsAsTheyAre) {
  box().FormShow();
  Ticks(1);
  const std::vector<COLORREF> before = Row(35);
  WriteTextFile(TestFolder() + "VarnockLng.ini", "[Test]\r\nABOUT1=&&& & W W W W W W W W W W W W\r\n");
  pad().languageName = "Test";
  Ticks(1);
  EXPECT_NE(Row(34), before);
  // "&" is drawn, not taken as an accelerator: an ampersand-only line has ink.
  WriteTextFile(TestFolder() + "VarnockLng.ini", "[Test]\r\nABOUT0=&\r\nABOUT1=\r\n");
  box().OKBtnClick();
  box().FormShow();
  Ticks(1);
  bool inked = false;
  for (int y = 15; y < 30; ++y) inked = inked || !RowBlank(y);
  EXPECT_TRUE(inked);
}

TEST_F(About, OkEscapeAndClosingStopTheScrollAndTheNextShowingStartsAt15) {
  const std::pair<UINT, WPARAM> closers[] = {{WM_COMMAND, IDOK}, {WM_COMMAND, IDCANCEL}, {WM_CLOSE, 0}};
  for (const auto& [message, wp] : closers) {
    box().FormShow();
    Ticks(7);
    SendMessageA(box().hwnd(), message, wp, 0);
    EXPECT_FALSE(box().Scrolling()) << message;
    EXPECT_EQ(box().Tag(), 15);
    EXPECT_FALSE(IsWindowVisible(box().controls.Control("Img")));
  }
}

TEST_F(About, AboutEntryShowsTheBoxModallyUntilOkOrEscape) {
  for (bool escape : {false, true}) {
    HWND ok = box().controls.Control("OKBtn");
    if (escape) {
      PostMessageA(ok, WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
      PostMessageA(ok, WM_KEYDOWN, VK_RETURN, 0);
    }
    MenuItem* about = pad().Item("HelpAboutItem");
    ASSERT_TRUE(about && about->onClick);
    about->onClick(*about);  // returns once the posted key closed it
    EXPECT_FALSE(IsWindowVisible(box().hwnd())) << escape;
    EXPECT_TRUE(IsWindowEnabled(pad().hwnd()));
    EXPECT_FALSE(box().Scrolling());
    EXPECT_EQ(box().Tag(), 15);
  }
}

}  // namespace
}  // namespace varnock::test
