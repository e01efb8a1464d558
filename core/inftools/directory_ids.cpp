#include "core/inftools/directory_ids.h"

#include "core/inftools/inf_text.h"

namespace varnock {

using inftext::After;
using inftext::EqualsIgnoreCaseAscii;
using inftext::StartsWith;

namespace {

// The folders every rule looks at, with the Windows drive (the first three characters
// of the Windows folder, for example "C:\").
struct Folders {
  const std::string& w;
  const std::string& p;
  const std::string& b;
  const std::string d;
  bool win9x;
  bool nt;
};

Folders Prepare(const SystemFolders& f) {
  return Folders{f.windows, f.programFiles, f.boot, f.windows.substr(0, 3), f.platform == 1, f.platform == 2};
}

// Windows subfolders that have an identifier of their own, in rule order. `id` is the
// identifier; the system folder depends on the platform.
struct Subfolder {
  const char* name;
  const char* id;
  bool (*applies)(const Folders&);
};

bool Win9xOnly(const Folders& f) { return f.win9x; }
bool NtOnly(const Folders& f) { return f.nt; }
bool Always(const Folders&) { return true; }

const Subfolder kSubfolders[] = {
    {"\\SYSTEM", "11", Win9xOnly}, {"\\SYSTEM32", "11", NtOnly}, {"\\COMMAND", "13", Always},
    {"\\INF", "17", Always},       {"\\HELP", "18", Always},     {"\\FONT", "20", Always},
};

}  // namespace

std::string PathToLDID(const std::string& path, const SystemFolders& folders) {
  const Folders f = Prepare(folders);
  for (const Subfolder& s : kSubfolders) {
    if (s.applies(f) && EqualsIgnoreCaseAscii(path, f.w + s.name)) return std::string("%") + s.id + "%";
  }
  if (EqualsIgnoreCaseAscii(path, f.w)) return "%25%";
  if (EqualsIgnoreCaseAscii(path, f.b)) return "%30%";
  if (EqualsIgnoreCaseAscii(path, f.d)) return "%24%";
  if (EqualsIgnoreCaseAscii(path, f.p)) return "%24%\\PROGRA~1";
  // The removed part stops before the backslash after the folder, which is kept.
  for (const Subfolder& s : kSubfolders) {
    const std::string folder = f.w + s.name;
    if (s.applies(f) && StartsWith(path, folder + "\\")) {
      return std::string("%") + s.id + "%" + After(path, folder.size());
    }
  }
  if (StartsWith(path, f.w)) return "%25%" + After(path, f.w.size());
  if (StartsWith(path, f.p)) return "%24%\\PROGRA~1" + After(path, f.p.size());
  if (StartsWith(path, f.b + "\\")) return "%30%" + After(path, f.b.size() + 1);
  // The rule tests the Windows drive but cuts the length of the boot folder; both are
  // normally a drive root of the same length.
  if (StartsWith(path, f.d + "\\")) return "%24%" + After(path, f.b.size() + 1);
  return path;
}

std::string PathToDirID(const std::string& path, const SystemFolders& folders) {
  const Folders f = Prepare(folders);
  for (const Subfolder& s : kSubfolders) {
    if (s.applies(f) && EqualsIgnoreCaseAscii(path, f.w + s.name)) return s.id;
  }
  if (EqualsIgnoreCaseAscii(path, f.d)) return "24";
  if (EqualsIgnoreCaseAscii(path, f.w)) return "25";
  if (EqualsIgnoreCaseAscii(path, f.b)) return "30";
  if (EqualsIgnoreCaseAscii(path, f.p)) return "24,PROGRA~1";
  for (const Subfolder& s : kSubfolders) {
    const std::string folder = f.w + s.name + "\\";
    if (s.applies(f) && StartsWith(path, folder)) {
      return std::string(s.id) + "," + After(path, folder.size());
    }
  }
  if (StartsWith(path, f.w + "\\")) return "10," + After(path, f.w.size() + 1);
  if (StartsWith(path, f.p + "\\")) return "24,PROGRA~1\\" + After(path, f.p.size() + 1);
  if (StartsWith(path, f.b + "\\")) return "30," + After(path, f.b.size() + 1);
  // Same length quirk as in PathToLDID.
  if (StartsWith(path, f.d + "\\")) return "24," + After(path, f.b.size() + 1);
  return path;
}

}  // namespace varnock
