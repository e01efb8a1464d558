// Find next and replace: the program's own forward search over the control's text,
// driven by the find and replace dialogs.
#include "core/edit/search_commands.h"
#include "win/app/form_pad.h"
#include "win/edit/line_edit.h"
#include "win/edit/locale_text.h"
#include "win/edit/whole_text.h"
#include "win/i18n/message.h"
#include "win/platform/sound.h"

namespace varnock {

namespace {

SearchOptions OptionsOf(const TFormPad::SearchDialog& dialog) { return {dialog.MatchCase(), dialog.WholeWord()}; }

// The search neither moves the selection nor touches the text; it says so in panel 0.
void ReportNotFound(TFormPad& pad) {
  AlertBeep(MB_ICONEXCLAMATION);
  pad.StatusLine.SetText(kPanelHint, fMessage("SEARCH_NOT_FOUND"));
}

void ShowFound(TFormPad& pad, Selection match) {
  SetFocus(pad.Rich1.hwnd());
  SelectRange(pad.Rich1, match);
}

// The selection changes of a search must not recolour lines as typing does.
class LiveColouringOff {
 public:
  explicit LiveColouringOff(RichEdit& rich) : rich_(rich) { rich_.tag = 0; }
  ~LiveColouringOff() { rich_.tag = 1; }
  LiveColouringOff(const LiveColouringOff&) = delete;
  LiveColouringOff& operator=(const LiveColouringOff&) = delete;

 private:
  RichEdit& rich_;
};

void SearchWith(TFormPad& pad, const TFormPad::SearchDialog& dialog) {
  const LiveColouringOff quiet(pad.Rich1);
  const std::optional<Selection> match = FindNextMatch(pad.Rich1.Text(), CurrentSelection(pad.Rich1),
                                                       dialog.SearchText(), OptionsOf(dialog), LocaleUpperCaseTable());
  if (!match) {
    ReportNotFound(pad);
    return;
  }
  ShowFound(pad, *match);
  pad.StatusLine.SetText(kPanelHint, "");
}

}  // namespace

void TFormPad::FindDialogFind() { SearchWith(*this, FindDialog); }

void TFormPad::ReplaceDialogFind() { SearchWith(*this, ReplaceDialog); }

void TFormPad::ReplaceDialogReplace() {
  const LiveColouringOff quiet(Rich1);
  const std::string text = Rich1.Text();
  const Selection selection = CurrentSelection(Rich1);
  const std::string what = ReplaceDialog.SearchText();
  const std::string with = ReplaceDialog.ReplaceWith();
  const SearchOptions options = OptionsOf(ReplaceDialog);
  const ReplaceOutcome outcome = ReplaceDialog.ReplaceAllPressed()
                                     ? ReplaceAll(text, selection, what, with, options, LocaleUpperCaseTable())
                                     : ReplaceOnce(text, selection, what, with, options, LocaleUpperCaseTable());
  if (outcome.edit) {
    SetFocus(Rich1.hwnd());
    // Replace all loads the whole new text: one replacement of the stretch from the first
    // match to the last would give the lines between them one colour (the stretch's first
    // character's), and a replacement per match costs a control call each.
    if (ReplaceDialog.ReplaceAllPressed()) {
      LoadReplacedText(*this, *outcome.edit, true);
    } else {
      SelectRange(Rich1, {outcome.edit->start, outcome.edit->length});
      Rich1.ReplaceSelection(outcome.edit->text);
    }
  }
  if (outcome.select) ShowFound(*this, *outcome.select);
  if (outcome.notFound) ReportNotFound(*this);
  else StatusLine.SetText(kPanelHint, "");
}

}  // namespace varnock
