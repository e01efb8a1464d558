#include "win/i18n/message.h"

#include <windows.h>

#include "core/app/version_text.h"
#include "core/i18n/catalogue.h"
#include "win/app/application.h"
#include "win/app/form_pad.h"
#include "win/platform/profile.h"
#include "win/platform/prompter.h"
#include "win/platform/version_info.h"

namespace varnock {

namespace {

std::string CurrentLanguage() {
  const TFormPad* form = App().mainForm;
  if (!form || form->languageName.empty()) return "English";
  return form->languageName;
}

std::string VersionText() { return fGetFileVersion(ProgramFile(), false); }

void ReportVersionError(const char* where) {
  ShowMessage(App().mainForm ? App().mainForm->hwnd() : nullptr, fMessage("ERROR_STRING") + where,
              MB_OK | MB_ICONERROR);
}

}  // namespace

std::string LanguageFile() { return ProgramFolder() + "VarnockLng.ini"; }

std::string fMessage(const std::string& key) {
  if (key == kKeyTitle) return "Varnock v" + VersionText();
  if (key == kKeyVersion) return VersionText();
  return ResolveMessage(key, ProfileRead(LanguageFile(), CurrentLanguage(), key, kLocSentinel));
}

std::string fGetFileVersion(const std::string& path, bool whole) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return "";
  const VersionRead read = ReadFileVersion(path);
  switch (read.error) {
    case VersionReadError::None: return ShortenVersion(read.fileVersion, whole);
    case VersionReadError::NoResource: return "";
    case VersionReadError::GetInfo: ReportVersionError(" : GetFileVersionInfo"); return "";
    case VersionReadError::Translation: ReportVersionError(" : VerQueryValue 1"); return "";
    case VersionReadError::Value: ReportVersionError(" : VerQueryValue 2"); return "";
  }
  return "";
}

}  // namespace varnock
