#pragma once
// TFormPad: the main window. It holds the document, its controls and every editor
// command; the commands are defined in the area folders (win/document/open.cpp
// defines TFormPad::fOpenFile), so the class reads as one program in small files.
#include <windows.h>

#include <string>

#include "win/platform/menu_model.h"
#include "win/platform/rich_edit.h"
#include "win/platform/status_bar.h"
#include "win/platform/window_base.h"

namespace varnock {

// Status panels, left to right.
enum StatusPanelIndex { kPanelHint = 0, kPanelInsert = 1, kPanelWrap = 2, kPanelFont = 3, kPanelMessage = 4,
                        kPanelCaret = 5 };

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
  bool fOpenFile(const std::string& fileName);
  void FileSave();
  // (end of documents)

  // --- main window surroundings: status bar, keys, toolbars (win/app) ---------------
  // (end of surroundings)

  // --- editing: line commands, clipboard, word wrap, search (win/edit) ---------------
  // (end of editing)

  // --- colouring and display fonts (win/colour, win/display) -------------------------
  void SetColour();
  void SetColourThisLine(int lineNumber);
  void FontCheck();
  // (end of colouring)

  // --- INF tools (win/inftools) ------------------------------------------------------
  // (end of INF tools)

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
};

}  // namespace varnock
