#include "core/inftools/directory_ids.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

SystemFolders Nt() { return {"C:\\WINDOWS", "C:\\Program Files", "C:\\", 2}; }
SystemFolders Win98() { return {"C:\\WINDOWS", "C:\\Program Files", "C:\\", 1}; }

void ExpectBoth(const std::string& path, const SystemFolders& folders, const std::string& ldid,
                const std::string& dirId) {
  EXPECT_EQ(PathToLDID(path, folders), ldid) << path;
  EXPECT_EQ(PathToDirID(path, folders), dirId) << path;
}

TEST(PathToLdid, SystemFolderDependsOnThePlatform) {
  ExpectBoth("C:\\WINDOWS\\SYSTEM32\\drivers", Nt(), "%11%\\drivers", "11,drivers");
  ExpectBoth("c:\\windows\\system32", Nt(), "%11%", "11");
  ExpectBoth("c:\\windows\\system32\\drivers", Nt(), "c:\\windows\\system32\\drivers",
             "c:\\windows\\system32\\drivers");  // prefixes keep their case
  ExpectBoth("C:\\WINDOWS\\SYSTEM32", Win98(), "%25%\\SYSTEM32", "10,SYSTEM32");
  ExpectBoth("C:\\WINDOWS\\SYSTEM\\x", Win98(), "%11%\\x", "11,x");
  ExpectBoth("C:\\WINDOWS\\SYSTEM", Nt(), "%25%\\SYSTEM", "10,SYSTEM");
}

TEST(PathToLdid, WindowsSubfolders) {
  ExpectBoth("C:\\WINDOWS\\Media", Nt(), "%25%\\Media", "10,Media");
  ExpectBoth("C:\\WINDOWS\\Fonts", Nt(), "%25%\\Fonts", "10,Fonts");  // the rules name "FONT"
  ExpectBoth("C:\\WINDOWS\\FONT\\a.ttf", Nt(), "%20%\\a.ttf", "20,a.ttf");
  ExpectBoth("c:\\windows\\command", Nt(), "%13%", "13");
  ExpectBoth("C:\\WINDOWS\\INF\\x\\y", Nt(), "%17%\\x\\y", "17,x\\y");
  ExpectBoth("C:\\WINDOWS\\HELP", Nt(), "%18%", "18");
  ExpectBoth("c:\\Windows", Nt(), "%25%", "25");
  // The %NN% form matches the Windows folder as a bare prefix, the other form needs a
  // backslash after it.
  ExpectBoth("C:\\WINDOWSX", Nt(), "%25%X", "C:\\WINDOWSX");
}

TEST(PathToLdid, ProgramFilesBootFolderAndDrive) {
  ExpectBoth("C:\\Program Files\\Acme", Nt(), "%24%\\PROGRA~1\\Acme", "24,PROGRA~1\\Acme");
  ExpectBoth("c:\\program files", Nt(), "%24%\\PROGRA~1", "24,PROGRA~1");
  ExpectBoth("C:\\", Nt(), "%30%", "24");  // boot folder first in one form, drive in the other
  ExpectBoth("C:\\Tools", Nt(), "C:\\Tools", "C:\\Tools");
  ExpectBoth("C:\\\\Tools", Nt(), "%30%Tools", "30,Tools");
  const SystemFolders otherBoot{"C:\\WINDOWS", "D:\\Apps", "D:\\", 2};
  ExpectBoth("D:\\", otherBoot, "%30%", "30");
  ExpectBoth("c:\\", otherBoot, "%24%", "24");
  ExpectBoth("D:\\Apps\\x", otherBoot, "%24%\\PROGRA~1\\x", "24,PROGRA~1\\x");
  ExpectBoth("E:\\data", otherBoot, "E:\\data", "E:\\data");
  ExpectBoth("C:\\\\x", otherBoot, "%24%x", "24,x");
}

}  // namespace
}  // namespace varnock
