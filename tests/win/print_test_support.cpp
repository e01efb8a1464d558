#include "tests/win/print_test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "tests/win/unix_command.h"

namespace varnock::test {

namespace {

std::string ReadAll(const std::string& windowsPath) {
  std::ifstream in(windowsPath, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

double Attribute(const std::string& tag, const char* name) {
  const size_t at = tag.find(std::string(name) + "=\"");
  return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + std::strlen(name) + 2);
}

std::string Unescaped(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities)
    for (size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, std::strlen(entity), character);
  return text;
}

}  // namespace

PrintOutput::PrintOutput() {
  const std::string id = "varnock-print-" + std::to_string(GetCurrentProcessId());
  unixFolder_ = "/tmp/" + id + "/";
  windowsFolder_ = "Z:\\tmp\\" + id + "\\";
  CreateDirectoryA(windowsFolder_.c_str(), nullptr);
  Clear();
}

PrintOutput::~PrintOutput() {
  if (!getenv("VARNOCK_KEEP_PRINTS")) RunUnixCommand("rm -rf " + unixFolder_, "/tmp/", "Z:\\tmp\\", false);
}

void PrintOutput::Clear() {
  for (const char* name : {"out.ps", "out.pdf", "out.html", "info.txt", "page-1.ppm", "done"})
    DeleteFileA((windowsFolder_ + name).c_str());
}

bool PrintOutput::PrinterReady() {
  char name[256] = "";
  DWORD size = sizeof name;
  return GetDefaultPrinterA(name, &size) && std::string(name) == "PDF";
}

bool PrintOutput::RunUnix(const std::string& command, bool wait) {
  return RunUnixCommand(command, unixFolder_, windowsFolder_, wait);
}

std::vector<PrintedPage> PrintOutput::Pages() {
  if (!RunUnix("ps2pdf out.ps out.pdf 2>/dev/null")) return {};
  return ReadPdf();
}

std::vector<PrintedPage> PrintOutput::PdfPages(const std::string& pdf) {
  if (!CopyFileA(pdf.c_str(), (windowsFolder_ + "out.pdf").c_str(), FALSE)) return {};
  return ReadPdf();
}

std::vector<PrintedPage> PrintOutput::ReadPdf() {
  std::vector<PrintedPage> pages;
  if (!RunUnix("pdftotext -bbox out.pdf out.html && pdfinfo out.pdf > info.txt")) return pages;
  const std::string html = ReadAll(windowsFolder_ + "out.html");
  // A landscape page is a portrait one turned a quarter.
  const std::string info = ReadAll(windowsFolder_ + "info.txt");
  const size_t rotation = info.find("Page rot:");
  const bool turned = rotation != std::string::npos && std::atoi(info.c_str() + rotation + 9) % 180 == 90;
  size_t at = 0;
  while ((at = html.find('<', at)) != std::string::npos) {
    const size_t end = html.find('>', at);
    if (end == std::string::npos) break;
    const std::string tag = html.substr(at, end - at + 1);
    if (tag.rfind("<page ", 0) == 0) {
      pages.push_back({Attribute(tag, "width"), Attribute(tag, "height"), {}});
    } else if (tag.rfind("<word ", 0) == 0 && !pages.empty()) {
      const size_t close = html.find("</word>", end);
      const std::string word = Unescaped(html.substr(end + 1, close - end - 1));
      const double top = Attribute(tag, "yMin"), bottom = Attribute(tag, "yMax"), right = Attribute(tag, "xMax");
      auto& rows = pages.back().rows;
      if (!rows.empty() && std::abs(rows.back().top - top) < 0.5) {
        rows.back().text += " " + word;
        rows.back().right = right;
      } else {
        rows.push_back({word, top, bottom, right});
      }
    }
    at = end + 1;
  }
  if (turned)
    for (PrintedPage& page : pages) std::swap(page.width, page.height);
  return pages;
}

void PrintOutput::CountColours(int page, long* coloured, long* green) {
  *coloured = *green = 0;
  const std::string n = std::to_string(page);
  if (!RunUnix("pdftoppm -r 30 -f " + n + " -l " + n + " out.pdf shot && mv shot*.ppm page-1.ppm")) return;
  const std::string ppm = ReadAll(windowsFolder_ + "page-1.ppm");
  std::istringstream header(ppm);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  header >> magic >> width >> height >> maximum;
  const size_t pixels = static_cast<size_t>(header.tellg()) + 1;
  for (size_t i = pixels; i + 2 < ppm.size(); i += 3) {
    const int r = static_cast<unsigned char>(ppm[i]), g = static_cast<unsigned char>(ppm[i + 1]),
              b = static_cast<unsigned char>(ppm[i + 2]);
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high - low > 60) ++*coloured;
    if (g - r > 40 && g - b > 40) ++*green;
  }
}

}  // namespace varnock::test
