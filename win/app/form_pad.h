#pragma once
// TFormPad: the main window. It holds the document, its controls and every editor
// command; the commands are defined in the area folders (win/document/open.cpp
// defines TFormPad::fOpenFile), so the class reads as one program in small files.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "core/display/font_spec.h"
#include "core/instances/instance_table.h"
#include "win/edit/whole_text.h"
#include "win/platform/file_stamp.h"
#include "win/platform/menu_model.h"
#include "win/platform/rich_edit.h"
#include "win/platform/status_bar.h"
#include "win/platform/toolbar.h"
#include "win/platform/window_base.h"
#include "win/print/printer.h"

namespace varnock {

class TAboutBox;
class TInfWizard;
class TFormColor;

// Status panels, left to right.
enum StatusPanelIndex {
  kPanelHint = 0,
  kPanelInsert = 1,
  kPanelWrap = 2,
  kPanelFont = 3,
  kPanelMessage = 4,
  kPanelCaret = 5
};

class TFormPad : public WindowBase {
 public:
  TFormPad();
  ~TFormPad() override;

  // Builds the window and its controls, then runs the construction steps.
  bool Create(int showCommand);
  // Asks the window to close (the close query decides).
  void Close();
  MenuItem* Item(const std::string& name) { return MainMenu.Find(name); }
  // Re-creates the real menu bar after the model changed.
  void RefreshMenuBar();
  HACCEL Accelerators() const { return accelerators_; }

  // --- state held by the window -------------------------------------------------
  std::string documentFolder;
  std::string regFolder;
  bool wasUnicode = false;
  COLORREF commentColour = 0xFF0000;
  COLORREF errorColour = 0x0000FF;
  COLORREF sectionColour = 0x008000;
  COLORREF entryColour = 0x800080;
  HFONT displayFont = nullptr;
  std::string languageName;
  bool refused = false;
  bool closeOnFirstPaint = false;
  std::string shellVerbCaption;
  int instanceNumber = 0;
  bool recolourPending = false;
  // The current document name: the save dialog's file name, a full path or empty.
  std::string saveDialogFileName;

  // --- controls -------------------------------------------------------------------
  MenuModel MainMenu;
  MenuModel PopupMenu;
  MenuModel PopupMenuTB;
  RichEdit Rich1;
  StatusBar StatusLine;
  HWND bevelLine = nullptr;
  HFONT labelVideFont = nullptr;  // the hidden label whose font the display font starts from

  // --- application shell ----------------------------------------------------------
  void FormPaint1();
  void FormPaint2();
  bool FormClose();
  void FileExit();
  void DisplayHint(const std::string& hint);
  void AppActivate();
  void FormResize();
  void Rich1SelectionChange();
  void SetTitle();
  static std::string fWindowsVersion();
  void fLocalise(MenuItem& sender);

  // --- documents: open, save, recent files (win/document) ---------------------------
  void FileNew();
  void fOpenFile(const std::string& fileName);
  void FileOpen();
  bool fOpenOVR(const std::string& chosen);
  static bool fOpenByAssociation(const std::string& fileName);
  void AppMessage(HDROP drop);
  void FileOpenFromDD(const std::string& fileName);
  void FileSave();
  void FileSaveAs();
  bool fCanOVR(const std::string& chosen);
  void SavingExt(int filterIndex);
  void fAddOldFile(const std::string& fileName);
  void fShowOldFiles();
  void OldClick(MenuItem& entry);
  void FileMenuClick();
  void fImportDroppedReg(const std::string& fileName);
  // The open dialog's file name (the save dialog's is saveDialogFileName).
  std::string openDialogFileName;
  std::string saveDialogDefaultExt = "Inf";
  int saveDialogFilterIndex = 1;
  std::string openDialogFilter =
      "Varnock files (inf, ini, reg, nfo, diz, txt)|*.inf;*.reg;*.ini;*.nfo;*.diz;*.txt|"
      "Various texts|*.inf;*.reg;*.ini;*.nfo;*.diz;*.txt;*.me;*.h;*.hpp;*.cpp;*.pas;*.bas;*.dic;*.log;*.1st|"
      "All (*.*)|*.*";
  std::string saveDialogFilter =
      "INF file (*.inf)|*.inf|REG file (*.reg)|*.reg|INI file (*.ini)|*.ini|NFO file (*.nfo)|*.nfo|"
      "DIZ file (*.diz)|File_ID.DIZ|Text file (*.txt)|*.txt";
  // (end of documents)

  // --- main window surroundings: status bar, keys, toolbars (win/app) ---------------
  void Timer1Timer();
  // Shows a message in status panel 4 for 3 seconds, then the size again.
  void ShowTimedStatus(const std::string& text);
  // --- timed status message (win/app/status.cpp) ---
  // While the message shows and the text keeps its length, refreshing the title leaves
  // panel 4 alone: the key that triggered a save (the S of Ctrl+S) comes up afterwards
  // and refreshes the title. A change of the text shows its size at once, as before.
  bool timedStatusShowing_ = false;
  long timedStatusLength_ = 0;
  // --- (end of timed status message) ---
  void StatusLineMouseDown(int x);
  void fInterceptKey(WPARAM key, bool shift, bool ctrl, bool alt);
  void fInterceptUpKey(WPARAM key, bool shift, bool ctrl, bool alt);
  int fGetLineNB();
  int fGetColNB();
  int fGetMultiLine(int mode);
  // Asks to save a modified text; false when the user cancelled.
  bool fCheckUnsaved();
  // Colours, resets the [Strings] menu, empties undo and retitles after a new text.
  void AfterDocumentChange();
  // The same for a text already loaded coloured.
  void AfterDocumentLoad();
  void EnableCommandsByExtension();
  // The Test and Reg buttons of both toolbars follow the [Strings] menu's state.
  void SetExtensionButtonsEnabled(bool enabled);
  void SelectCharacterToOverwrite();
  void ShowTextPopupMenu(LPARAM screenPoint);
  void HookTextKeys();
  static LRESULT CALLBACK RichKeyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
  bool swallowTabChar_ = false;
  bool overwriteMode = false;
  // Toolbars (win/app/toolbar*.cpp): at most one of the two is visible.
  ToolBarControl ToolBar;       // 32-pixel images
  ToolBarControl ToolBarSmall;  // 16-pixel images
  void CreateToolBars();
  void BindToolbarCommands();
  // Toolbar mode: 0 none, 1 large, 2 small; applies the menu entries and the bars.
  void ApplyToolbarMode(int mode);
  int ToolbarMode() const;
  void RepaintToolBars();
  void AffToolBar(MenuItem& sender);
  void AffTBSmall(MenuItem& sender);
  void TBClick(MenuItem& sender);
  // The buttons carry the hints of the menu entries they mirror.
  void CopyToolButtonHints();
  // A button of either bar by its name ("ToolButtonTest", "ToolButtonTestSmall").
  void SetToolbarButtonEnabled(const std::string& name, bool enabled);
  // The Wrap buttons show word wrap on (pressed, a folding arrow) or off (released, lines
  // running past the edge).
  void SetWrapButtonImage(bool wrapOn);
  // Places the visible toolbar at the top of the client area; returns its height (0 if none).
  int LayoutToolBars();
  bool OnToolBarCommand(HWND from, UINT id);
  bool OnToolBarNotify(NMHDR* header, LRESULT& result);
  void ShowToolBars(bool large, bool small);
  void ShowToolBarPopupMenu(POINT screenPoint);
  // (end of surroundings)

  // --- editing: line commands, clipboard, word wrap, search (win/edit) ---------------
  void EditSort1Click();
  void EditSort2Click();
  void EditJoinClick();
  void EditSplitClick();
  void EditIndent1Click();
  void EditIndent2Click();
  void ToolInsert_1Click();
  void ToolInsert_2Click();
  void EditWWrap();
  void EditUndo();
  void EditCut();
  void EditCopy();
  void EditPaste();
  void EditDelete();
  void FindFind();
  void FindReplace();
  void FindNext();
  void FindDialogFind();
  void ReplaceDialogFind();
  void ReplaceDialogReplace();
  void FindDialogClose();
  // True when an open find or replace dialog took the message (keyboard navigation).
  bool PreTranslateMessage(MSG& msg);
  // The registered message the find and replace dialogs send to the main window.
  static UINT FindReplaceMessage();
  LRESULT OnFindReplaceMessage(LPARAM request);

  // A modeless find or replace dialog of the system. Its texts and options outlive the
  // dialog window, so they can be copied between the dialogs, saved and shown again.
  class SearchDialog {
   public:
    explicit SearchDialog(bool replace);
    ~SearchDialog();
    SearchDialog(const SearchDialog&) = delete;
    SearchDialog& operator=(const SearchDialog&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool IsOpen() const { return hwnd_ != nullptr; }
    // Opens the dialog owned by `owner` (or brings it up again) with its top-left corner
    // at (x, y) on the screen. True when it was not open before.
    bool Show(HWND owner, int x, int y);
    // The texts and options as the dialog shows them (as it left them once closed).
    std::string SearchText() const;
    void SetSearchText(const std::string& text);
    std::string ReplaceWith() const;
    void SetReplaceWith(const std::string& text);
    bool MatchCase() const;
    bool WholeWord() const;
    // The replace-all button sent the last notification.
    bool ReplaceAllPressed() const;
    // Whether a notification's request block is this dialog's.
    bool Sent(LPARAM request) const;
    // The dialog window is closing: keep what it shows.
    void Closing();

   private:
    struct Request;
    std::unique_ptr<Request> request_;
    HWND hwnd_ = nullptr;
  };
  SearchDialog FindDialog{false};
  SearchDialog ReplaceDialog{true};
  // Word wrap of the text control (off at start).
  bool wordWrap = false;
  // The last replace-all that loaded the whole text, for Undo.
  std::optional<WholeTextUndo> wholeTextUndo;
  // (end of editing)

  // --- colouring and display fonts (win/colour, win/display) -------------------------
  void SetColour();
  void SetColourThisLine(int lineNumber);
  void FontCheck();
  // The font mode: 1 Default, 2 ANSI, 3 Auto, 4 User.
  int fontMode = 1;
  // The document kind (0 none, 1 INF, 2 INI, 3 REG, 4 ANSI art, 5 other) as the
  // colouring mode lets it through; a kind read from the text sets the save filter.
  int fGetDocKind();
  void SetBW();
  // Puts `text` into the control as SetColour would leave it (in black and white when
  // the kind is 0), in one load: what opening a file and a font change use instead of
  // loading the text plain and running SetColour, which would replace it once more.
  void fLoadColouredText(const std::string& text);
  void fColorINF();
  void fColorIRI();
  void fColorALL();
  void fColorNO();
  void EditF5Click();
  bool fisAnsiText(const std::string& text);
  void SubDefClick();
  void SubANSIClick();
  void SubAutoClick();
  void AffFontClick();
  void FontDiagApply();
  void AffChooseClick();
  // The font dialog's font: the User mode's font, kept in the settings ("Font_Name"...).
  FontSpec fontDiagFont{"MS Sans Serif", 10, kDefaultCharset, false, false, false, false, 0, false};
  // What the display font is made of (displayFont is built from it by FontCheck).
  FontSpec displayFontSpec{"Lucida Console", 10, kDefaultCharset};
  // (end of colouring)

  // --- INF tools (win/inftools) ------------------------------------------------------
  // Directory identifier, shell folder and [Strings] insertion menus.
  void fmyLDID(MenuItem& sender);
  void sfClick(MenuItem& sender);
  void fmyItem(MenuItem& sender);
  void fFetchStrings();
  void fDelStrings();
  // Path hints of the LDID and Shell Folders entries; empty shell folders are hidden.
  void fRefreshFolderMenus();
  // REG-to-INF translation.
  void AffReg();
  void fImportReg(const std::string& regFile);
  std::string openDiagRegFilter = "REG file|*.REG";
  // (end of INF tools)

  // --- instances: table, Windows menu, arrangement (win/instances) -------------------
  // Construction: clean-and-count and register as one locked step; sets `refused`.
  void fRegisterInstance();
  // number-of: the instance number and the Windows menu's visibility (from `table` when
  // the caller has just read it).
  void fTakeInstanceNumber(const KeyValueStore* table = nullptr);
  // refresh-list: renumbers the other copies' titles and makes them repaint.
  void fRefreshList(HWND except);
  void fRefreshOthers(const ListRefresh& refresh);
  // The close's table steps; `whileLocked` (the settings save, told whether the lock is
  // held) runs after dead copies are purged and before unregistering, under the same
  // lock. False in a close-all (the table is left as it is).
  bool fLeaveInstanceTable(const std::function<void(bool lockHeld)>& whileLocked);
  // A close cancelled during a close-all: the close-all stops, the table is cleaned.
  void fStopCloseAll();
  void SetWindowsMenuVisible(bool visible);
  void BindInstanceCommands();
  void WinMenuClick();
  void WinVertClick();
  void WinHoriClick();
  void WinCascClick();
  void WinBackClick();
  void WinNewWClick();
  void WinClosClick();
  void WinVarnockClick(MenuItem& sender);
  void fArrangeRequest(int kind);
  // False when the table cannot be written: the copy then runs unnumbered.
  bool instanceTableWritable_ = true;
  // The number last read from the table, for the title at every keystroke: read again
  // when the settings file's stamp changes or another copy renamed this window.
  struct TakenNumber {
    std::string file;
    FileStamp stamp;
    Numbering numbering;
    std::string title;
  };
  std::optional<TakenNumber> takenNumber_;
  // A close-all reached this window while a modal box or dialog was up.
  bool closeWhenEnabled_ = false;
  // (end of instances)

  // --- file associations and uninstall (win/settings/associations*) -----------------
  void BindAssociationCommands();
  void AffRegitClick();
  void AffRegnfoClick();
  void AffUninstClick();
  // Each returns the registry key of the first write or deletion that failed ("" if none).
  std::string fRegInfIniReg();
  std::string fUnregInfIniReg();
  std::string fRegNfoDiz();
  std::string fUnregNfoDiz();
  // The verb caption: the shell verb caption once localised, else the built-in one.
  std::string VerbCaption() const;
  // (end of associations)

  // --- settings and interface language (win/settings, win/i18n) ----------------------
  // Reads [Varnock] and the association values, applies them; returns the toolbar mode.
  int fLoadSettings();
  // Writes [Varnock] when this is the last running copy (toolbar mode 0, 1 or 2).
  void fSaveSettings(int toolbarMode);
  // Applies the current language's interface keys to the four forms.
  void fLocaliseForm();
  // The other forms, set once they exist (localisation reaches them through these).
  TAboutBox* aboutBox = nullptr;
  TInfWizard* infWizard = nullptr;
  TFormColor* formColor = nullptr;
  // The open dialog's title as the language file gives it (the dialog shows FILE_OPEN).
  std::string openDialogTitle = "Open";
  // (end of settings and interface language)

  // --- display scale and system colours (win/app/display_scale.cpp) -----------------
  // The DPI the window lays out at: sizes are designed at 96 dpi and scaled to it.
  int dpi = 96;
  int Scaled(int designPixels) const;
  // WM_DPICHANGED: the suggested rectangle, then fonts, toolbar images and layout.
  void OnDpiChanged(int newDpi, LPARAM suggested);
  // The toolbars' images and button sizes for the current DPI.
  void ApplyToolBarMetrics();
  // The status panels' widths for the current DPI (the message panel takes the rest).
  void ApplyStatusPanelWidths();
  // The system's colours or its high-contrast scheme changed.
  void OnSystemColoursChanged(UINT msg, WPARAM wp, LPARAM lp);
  // (end of display scale)

  // --- INF wizard, test run and merge, launcher (win/inftools) -----------------------
  void AffWizard();
  // While set, the text control's change and selection-change handlers do nothing.
  bool richHandlersDetached = false;
  void CheckSetupDLL();
  void AffOptTestClick(MenuItem& sender);
  void fTestInfFile();
  void AffRegFusClick();
  void fTestInf(const std::string& path, const std::string& code);
  void fMergeReg(const std::string& path);
  // Before a test or merge: the document saved under a name; false ends the command.
  bool fSavedForRun();
  void AffExeItemClick();
  void fMakeRunInf();
  void AffOptRunInfClick();
  // (end of wizard, test run and launcher)

  // --- printing (win/print) and help (win/about) --------------------------------------
  void FilePrint();
  void FilePrintSetup();
  // The printer, paper and orientation chosen last, for the next jobs.
  PrinterSettings printerSettings;
  void HelpContents();
  void HelpINF();
  void HelpAbout();
  // (end of printing and help)

  // --- keystroke speed: lines found from the control's line index (win/colour) ------
  // The text line `step` lines from the caret's (0 its own, -1 the one above), found
  // from the control's line index: what the key handlers recolour.
  void SetColourCaretLine(int step);
  // (end of keystroke speed)

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  void BuildMenus();
  void BindMenuHandlers();
  // Each area binds its own menu entries and buttons.
  void BindDocumentCommands();
  void BindEditCommands();
  void BindColourCommands();
  void BindInfToolCommands();
  void BindPrintCommands();
  void BindHelpCommands();
  void Bind(const char* name, void (TFormPad::*handler)());
  void Construct();
  void BuildLanguageMenu();
  void OnPaint();
  void OnCommand(UINT id);
  void OnMenuSelect(WPARAM wp, LPARAM lp);
  void OnInitMenuPopup(HMENU menu);
  void Layout();
  LRESULT OnNotify(NMHDR* header);

  HMENU menuBar_ = nullptr;
  HACCEL accelerators_ = nullptr;
  bool painted_ = false;  // the first paint replaced itself by the later one
  bool inPaintHandler_ = false;
  bool inFormClose_ = false;  // the close query is running (its question may be up)
};

}  // namespace varnock
