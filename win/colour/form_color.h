#pragma once
// TFormColor: the colour scheme dialog. It chooses the four colours of the syntax
// colouring on a coloured sample. Created hidden at start-up and kept until the end.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "core/colour/colour_scheme.h"
#include "core/display/font_spec.h"
#include "win/platform/colour_dialog.h"
#include "win/platform/named_controls.h"
#include "win/platform/rich_edit.h"
#include "win/platform/window_base.h"

namespace varnock {

class TFormColor : public WindowBase {
 public:
  ~TFormColor() override;
  bool Create(HWND owner);
  // The dialog of the running program (the one created last), or none.
  static TFormColor* Instance();

  // Shows the dialog modally on `colours`, its sample in `textFont`. The chosen colours
  // on OK; nothing on Cancel or when the dialog is closed.
  std::optional<ColourScheme> Execute(const ColourScheme& colours, const FontSpec& textFont);

  // Controls by their names (Label1, RichEx, BitBtn1 ... BitBtn5, BitBtnHelp,
  // BitBtnCNL, BitBtnOK), for localisation and tests.
  HWND Control(const std::string& name) const;
  std::string ControlText(const std::string& name) const;
  void SetControlText(const std::string& name, const std::string& text);
  std::string ControlHint(const std::string& name) const;
  void SetControlHint(const std::string& name, const std::string& hint);

  // The DPI the dialog lays out at (its sizes are designed at 96 dpi).
  int Dpi() const { return dpi_; }

  // The working copies while the dialog is open.
  const ColourScheme& WorkingColours() const { return working_; }
  RichEdit RichEx;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  HWND AddButton(const char* name, int id, const char* caption, const char* hint, DWORD style);
  // Sizes, places and sets the font of everything for `dpi`; the window keeps its
  // place and, unless told, takes the size of its client area at that DPI.
  void ApplyDpi(int dpi, bool resizeWindow);
  void FormShow(const FontSpec& textFont);
  void FormRefresh();
  void PaintPreview();
  void ChooseColour(std::uint32_t& workingCopy);
  void BitBtn5Click();
  void BitBtnHelpClick();
  void BitBtnOKClick();
  void OnCommand(int id);
  void DrawColourButton(const DRAWITEMSTRUCT& item);
  COLORREF ButtonColour(int id) const;

  ColourScheme working_;
  std::optional<ColourScheme> result_;
  bool done_ = true;
  ColourDialog ColorDialog1;
  HFONT dialogFont_ = nullptr;
  int dpi_ = 96;
  NamedControls controls_;
};

}  // namespace varnock
