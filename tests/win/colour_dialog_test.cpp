// The colour scheme dialog: its controls, the preview, and what OK, Cancel and Default
// do to the window's four colours and the document.
#include <sstream>

#include "tests/win/colour_test_support.h"
#include "win/colour/form_color.h"

namespace varnock::test {
namespace {

const ColourScheme kOwn{0x112233, 0x445566, 0x778899, 0xAABBCC};

class ColourDialog : public ColourTest {
 protected:
  void SetUp() override {
    ColourTest::SetUp();
    SetScheme(kOwn);
    Load("C:\\a\\setup.inf", "[Version]\r\n; note\r\n");
    pad().SetColour();
  }
  void TearDown() override {
    SetColourDialogHook(nullptr);
    ColourTest::TearDown();
  }
  TFormColor& dialog() { return forms->colour; }
  void SetScheme(const ColourScheme& s) {
    pad().commentColour = s.comment;
    pad().errorColour = s.error;
    pad().sectionColour = s.section;
    pad().entryColour = s.entry;
  }
  // Clicks a button of the dialog once it runs (the click waits in the queue).
  void Press(const char* name) {
    HWND button = dialog().Control(name);
    ASSERT_NE(button, nullptr) << name;
    PostMessageA(dialog().hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  COLORREF SectionShown() { return FormatOf(pad().Rich1.hwnd(), 0, 1).crTextColor; }
  COLORREF CommentShown() { return FormatOf(pad().Rich1.hwnd(), 11, 1).crTextColor; }
};

TEST_F(ColourDialog, DefaultThenOkAppliesTheDefaultsToTheDocument) {
  pad().Rich1.SetModified(true);
  Press("BitBtn5");
  Press("BitBtnOK");
  Click("AffChoose");
  EXPECT_EQ(Scheme(), ColourScheme{});
  EXPECT_EQ(SectionShown(), 0x008000u);
  EXPECT_EQ(CommentShown(), 0xFF0000u);
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_FALSE(IsWindowVisible(dialog().hwnd()));
  EXPECT_TRUE(IsWindowEnabled(pad().hwnd()));
}

TEST_F(ColourDialog, CancelAndClosingChangeNothing) {
  Press("BitBtn5");
  Press("BitBtnCNL");
  Click("AffChoose");
  EXPECT_EQ(Scheme(), kOwn);
  EXPECT_EQ(SectionShown(), kOwn.section);
  PostMessageA(dialog().hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Esc
  Click("AffChoose");
  PostMessageA(dialog().hwnd(), WM_CLOSE, 0, 0);  // the system menu
  Click("AffChoose");
  EXPECT_EQ(Scheme(), kOwn);
}

TEST_F(ColourDialog, AColourIsTakenOnlyWhenTheColourDialogIsConfirmed) {
  std::vector<COLORREF> openedWith;
  int answers = 0;
  SetColourDialogHook([&](COLORREF& colour) {
    openedWith.push_back(colour);
    if (++answers == 1) return false;
    colour = 0x00A0B0C0 + answers;
    return true;
  });
  Press("BitBtn1");  // cancelled: the section colour stays
  Press("BitBtn1");  // confirmed
  Press("BitBtn4");  // opens with the colour last chosen, not the error colour
  Press("BitBtnOK");
  Click("AffChoose");
  EXPECT_EQ(pad().sectionColour, 0x00A0B0C2u);
  EXPECT_EQ(pad().errorColour, 0x00A0B0C3u);
  EXPECT_EQ(pad().commentColour, kOwn.comment);
  EXPECT_EQ(pad().entryColour, kOwn.entry);
  ASSERT_EQ(openedWith.size(), 3u);
  EXPECT_EQ(openedWith[2], 0x00A0B0C2u);
  EXPECT_EQ(SectionShown(), 0x00A0B0C2u);
}

TEST_F(ColourDialog, BlackAndWhiteModeStoresTheColoursButShowsNone) {
  Click("AffColorNO");
  Press("BitBtn5");
  Press("BitBtnOK");
  Click("AffChoose");
  EXPECT_EQ(Scheme(), ColourScheme{});
  EXPECT_EQ(SectionShown(), GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(ColourDialog, PreviewShowsTheSampleInTheWorkingColours) {
  Press("BitBtn5");
  Press("BitBtnOK");
  Click("AffChoose");
  // The preview keeps its colours once the dialog is hidden.
  RichEdit& preview = dialog().RichEx;
  const std::string text = preview.Text();
  std::istringstream golden(ColourSample("preview.styled"));
  std::string row;
  long offset = 0;
  std::string expectedText;
  int lines = 0;
  while (std::getline(golden, row)) {
    if (row.empty() || row[0] == '#') continue;
    if (row[0] == '|') {
      expectedText += (lines++ ? "\r\n" : "") + row.substr(1);
      continue;
    }
    const long length = static_cast<long>(row.size()) - 1;
    std::string letters;
    AppendLetters(preview.hwnd(), ColourScheme{}, GetSysColor(COLOR_WINDOWTEXT), offset, length, letters);
    EXPECT_EQ(letters, row.substr(1)) << "line " << lines;
    offset += length + 2;
  }
  EXPECT_EQ(lines, 11);
  EXPECT_EQ(text, expectedText);
}

TEST_F(ColourDialog, ControlsCarryTheirNamesCaptionsAndHints) {
  char caption[128] = "";
  GetWindowTextA(dialog().hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Varnock - Colours selection");
  RECT client{};
  GetClientRect(dialog().hwnd(), &client);
  EXPECT_EQ(client.right, 377);
  EXPECT_EQ(client.bottom, 329);
  EXPECT_EQ(dialog().ControlText("BitBtn1"), "[Section]");
  EXPECT_EQ(dialog().ControlText("BitBtn4"), "Error detected !");
  EXPECT_EQ(dialog().ControlHint("BitBtn3"), "Chose a new color for Entries");
  EXPECT_EQ(dialog().ControlHint("RichEx"), "Preview selected colors");
  // Localisation at the first paint gives the OK button the wizard's OK hint.
  EXPECT_EQ(dialog().ControlHint("BitBtnOK"), "Exit and apply changes to Varnock");
  EXPECT_TRUE(GetWindowLongA(dialog().Control("BitBtnOK"), GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongA(dialog().Control("RichEx"), GWL_STYLE) & WS_VSCROLL);
  EXPECT_FALSE(GetWindowLongA(dialog().Control("RichEx"), GWL_STYLE) & (WS_TABSTOP | WS_HSCROLL));
  EXPECT_TRUE(dialog().RichEx.ReadOnly());
  dialog().SetControlHint("BitBtn2", "autre");
  dialog().SetControlText("BitBtn2", "; Commentaire");
  EXPECT_EQ(dialog().ControlHint("BitBtn2"), "autre");
  EXPECT_EQ(dialog().ControlText("BitBtn2"), "; Commentaire");
}

}  // namespace
}  // namespace varnock::test
