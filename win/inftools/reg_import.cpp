// Import of a REG file as the lines of an INF AddReg section, appended to the document.
#include <string>
#include <vector>

#include "core/inftools/inf_text.h"
#include "core/inftools/reg_codec.h"
#include "core/inftools/reg_translate.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/inftools/reg_profile_file.h"
#include "win/platform/file_dialogs.h"
#include "win/platform/file_io.h"
#include "win/platform/prompter.h"
#include "win/platform/rich_format.h"

namespace varnock {

namespace {

struct TextRange {
  long start = 0;
  long length = 0;
};

// Adds the lines at the end of the document as one undoable change.
TextRange AppendLines(RichEdit& rich, const std::vector<std::string>& lines) {
  const std::string text = inftext::TextAppendingLines(rich.Text(), lines);
  const long start = rich.TextLength();
  rich.Select(start, 0);
  rich.ReplaceSelection(text);
  return {start, rich.TextLength() - start};
}

// Takes back what AppendLines added, and the modified flag with it.
void RemoveAppended(RichEdit& rich, TextRange range, bool wasModified) {
  rich.Select(range.start, range.length);
  rich.ReplaceSelection("");
  rich.SetModified(wasModified);
}

RegTranslateOptions TranslateOptions() {
  RegTranslateOptions options;
  options.codec = AnsiRegCodec();
  options.texts.tooLongPrefix = fMessage("REG_512_FIX");
  options.texts.cannotDeleteDefault = fMessage("REG_DEL_DEFAULT");
  options.texts.inexactValue = fMessage("REG_INEXACT");
  return options;
}

enum class RegTextChoice { Translate, Cancel };

// The 8-bit text to translate. A UTF-16 file is converted when the user says Yes,
// taken byte for byte on No (it then yields nothing), and not imported on Cancel.
RegTextChoice RegTextOf(HWND owner, const std::string& bytes, std::string* text) {
  *text = bytes;
  if (!IsUtf16LeFile(bytes)) return RegTextChoice::Translate;
  switch (ShowMessage(owner, fMessage("REG_UNICODE"), MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES: TextFromUtf16LeFile(bytes, AnsiRegCodec(), text); return RegTextChoice::Translate;
    case IDNO: return RegTextChoice::Translate;
    default: return RegTextChoice::Cancel;
  }
}

std::vector<std::string> TextsOf(const std::vector<InfLine>& lines) {
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (const InfLine& line : lines) texts.push_back(line.text);
  return texts;
}

enum class ImportOutcome { Translated, Cancelled, NoTemporaryFile };

ImportOutcome TranslateRegBytes(HWND owner, const std::string& bytes, const std::string& profilePath,
                                std::vector<InfLine>* lines) {
  std::string regText;
  if (RegTextOf(owner, bytes, &regText) == RegTextChoice::Cancel) return ImportOutcome::Cancelled;
  if (!TranslateThroughProfile(regText, profilePath, TranslateOptions(), lines)) {
    return ImportOutcome::NoTemporaryFile;
  }
  return ImportOutcome::Translated;
}

}  // namespace

void TFormPad::AffReg() {
  FileDialogRequest request;
  request.owner = hwnd_;
  request.title = fMessage("IMPORT_OPEN");
  request.filter = openDiagRegFilter;
  request.initialFolder = regFolder;
  StatusLine.SetText(kPanelHint, request.title);
  if (RunFileDialog(request)) fImportReg(request.fileName);
}

void TFormPad::fImportReg(const std::string& regFile) {
  std::string bytes;
  if (ReadWholeFile(regFile, &bytes) != ReadResult::Ok) {
    ShowMessage(hwnd_, fMessage("FILE_OPEN_ABSENT"), MB_OK | MB_ICONERROR);
    return;
  }
  const std::string profilePath = TempRegProfilePath();
  if (profilePath.empty()) {
    ShowTimedStatus(fMessage("IMPORT_NOPATH"));
    return;
  }
  Rich1.tag = 0;
  const bool wasModified = Rich1.Modified();
  const TextRange header = AppendLines(Rich1, {RegImportHeader(regFile), fMessage("IMPORT_COMMENT")});
  SetTitle();

  std::vector<InfLine> lines;
  const ImportOutcome outcome = TranslateRegBytes(hwnd_, bytes, profilePath, &lines);
  if (outcome != ImportOutcome::Translated) {
    RemoveAppended(Rich1, header, wasModified);
    SetTitle();
    Rich1.tag = 1;
    if (outcome == ImportOutcome::NoTemporaryFile) ShowTimedStatus(fMessage("IMPORT_NOPATH"));
    return;
  }
  for (const InfLine& line : lines) {
    if (line.tooLong) ShowMessage(hwnd_, fMessage("REG_512_WARN"), MB_OK | MB_ICONERROR);
  }
  // The colouring pass that follows would load the whole text again anyway (and empty
  // the undo history): the document with its new lines goes in coloured, in one load.
  const std::string before = Rich1.Text();
  fLoadColouredText(before + inftext::TextAppendingLines(before, TextsOf(lines)));
  Rich1.tag = 1;
  StatusLine.SetText(kPanelHint, "");
  ShowTimedStatus(fMessage("IMPORT_DONE"));
  regFolder = inftext::FolderOf(regFile);
  Rich1.Select(Rich1.TextLength(), 0);
  Rich1.Send(EM_SCROLLCARET, 0, 0);
  // The caret may already stand there, in which case the control tells nobody.
  Rich1SelectionChange();
}

}  // namespace varnock
