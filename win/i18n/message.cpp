#include "win/i18n/message.h"

#include <windows.h>

#include <map>
#include <utility>

#include "core/app/version_text.h"
#include "core/i18n/catalogue.h"
#include "win/app/application.h"
#include "win/app/form_pad.h"
#include "win/platform/file_stamp.h"
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

// The language file's look-ups are answered from memory while it keeps its time and
// size, and without the profile functions at all while there is no file.
std::string LanguageFileValue(const std::string& section, const std::string& key) {
  static std::string path;
  static FileStamp stamp;
  static std::map<std::pair<std::string, std::string>, std::string> values;
  const std::string file = LanguageFile();
  const FileStamp now = StampOf(file);
  if (!now.exists) return kLocSentinel;
  if (file != path || !(now == stamp)) {
    values.clear();
    path = file;
    stamp = now;
  }
  const auto name = std::make_pair(section, key);
  const auto known = values.find(name);
  if (known != values.end()) return known->second;
  return values[name] = ProfileRead(file, section, key, kLocSentinel);
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
  return ResolveMessage(key, LanguageFileValue(CurrentLanguage(), key));
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
