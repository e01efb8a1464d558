// number-of as every keystroke's title update runs it: one read of [Instances] from a
// settings file of the usual size, against one plain profile read of the same file.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "core/instances/instance_table.h"
#include "win/instances/instance_profile.h"
#include "win/platform/profile.h"

using namespace varnock;

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string file = std::string(temp) + "varnock-instances-bench.ini";
  std::string text = "[Varnock]\r\n";
  for (int i = 0; i < 30; ++i) text += "Key" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
  text += "[OldFiles]\r\n";
  for (int i = 0; i < 8; ++i)
    text += "File" + std::to_string(i) + "=C:\\some folder\\file" + std::to_string(i) + ".inf\r\n";
  text += "[Instances]\r\nCompte=4\r\n1=1001\r\n2=1002\r\n3=1003\r\n4=1004\r\nDontPos=1\r\n";
  for (int n = 1; n <= 4; ++n)
    for (const char* side : {"Left", "Top", "Right", "Bottom"}) text += std::to_string(n) + side + "=100\r\n";
  ProfileWriteFile(file, text);
  std::vector<double> numberOf, plainRead;
  for (int round = 0; round < 2000; ++round) {
    auto start = bench::Clock::now();
    const Numbering n = NumberOf(ProfileInstanceStore(file), 1004);
    numberOf.push_back(bench::MillisecondsSince(start));
    if (n.number != 4) return 1;
    start = bench::Clock::now();
    ProfileRead(file, "Instances", "Compte", "");
    plainRead.push_back(bench::MillisecondsSince(start));
  }
  std::printf("number-of (one section read): median %.4f ms\n", bench::Median(numberOf));
  std::printf("yardstick, one profile value read: median %.4f ms\n", bench::Median(plainRead));
  DeleteFileA(file.c_str());
  return 0;
}
