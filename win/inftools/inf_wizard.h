#pragma once
// TInfWizard: the INF wizard. It asks for the application's names, a few options and a
// destination, and writes an INF skeleton at the top of the main window's document.
// Created hidden at start-up and kept until the end; shown modally by AffWizard.
#include <string>

#include "core/wizard/inf_skeleton.h"
#include "core/wizard/wizard_options.h"
#include "win/platform/named_controls.h"
#include "win/platform/window_base.h"

namespace varnock {

class TFormPad;

class TInfWizard : public WindowBase {
 public:
  ~TInfWizard() override;
  bool Create(HWND owner);
  // The wizard of the running program (the one created last), or none.
  static TInfWizard* Instance();

  // Shows the wizard modally for `pad`; true when it closed with OK (skeleton written).
  bool ShowModal(TFormPad& pad);
  // True while the wizard runs and no button has closed it yet.
  bool Running() const { return !done_; }
  // Its controls by their names, for localisation and tests.
  NamedControls controls;

  // The wizard's fields: the main window's file name and modified flag when it opened,
  // and the INF name it proposes (empty until a short name is typed).
  std::string previousFileName;
  bool previousModified = false;
  std::string newFileName;

  // The destination code of CheckBox25 or CheckBox45.
  int DestinationCode(const std::string& boxName) const;
  // The DPI the wizard lays out at (its sizes are designed at 96 dpi), and a design
  // length at that DPI.
  int Dpi() const { return dpi_; }
  int Scaled(int designPixels) const;
  // The sliding panel's top in the client area, and whether it is still moving.
  int PanelTop() const;
  bool PanelMoving() const { return slideStep_ != 0; }
  // Hints and states of the destination radio buttons from this computer's folders.
  void fRefreshFolderChoices();
  // The same for a given platform (1 the Windows 95/98/Me family, 2 the NT family).
  void ApplyFolderChoices(int platform);
  // Whether the choices Windows 95/98/Me lacks are captioned in red.
  bool RedWarnings() const { return redWarnings_; }

  // Event handlers.
  void FormShow();
  void NameModified(bool shortName);
  void CheckBox05Click();
  void CheckBox25Click();
  void CheckBox45Click();
  void RadioButtonClick();
  void SpeedButton1Click();
  void Timer1Timer();
  void ButtonPathClick();
  void BitBtnHelpClick();
  void BitBtnOKClick();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  void CreatePanel();
  // Fonts, sizes and places of everything for `dpi`; the window keeps its place and,
  // unless told, takes the size of its client area at that DPI.
  void ApplyDpi(int dpi, bool resizeWindow);
  HWND Add(HWND parent, const char* className, const char* name, const char* caption, DWORD style, int x, int y, int w,
           int h, int id = 0);
  void OnCommand(int id, int code);
  bool Checked(const char* name) const;
  void SetChecked(const char* name, bool checked);
  void ReadOptions();
  void ShowOptions();
  void CustomBoxClicked(const char* name, int& code);
  void SlidePanel(bool in);
  void Finish(bool ok);
  SkeletonAnswers Answers() const;
  LRESULT ColourStatic(HDC dc, HWND control);

  TFormPad* pad_ = nullptr;
  WizardOptions options_;
  int code25_ = 0;
  int code45_ = 0;
  const char* boundBox_ = nullptr;  // the box the panel's radio buttons set
  int slideStep_ = 0;               // pixels per tick: below 0 sliding in, above 0 out, 0 still
  bool redWarnings_ = true;         // red captions of the not-for-9x choices
  bool showing_ = false;            // the wizard fills its fields: no name rule
  bool done_ = true;
  bool result_ = false;
  HWND panel_ = nullptr;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  int dpi_ = 96;
};

}  // namespace varnock
