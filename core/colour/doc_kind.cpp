#include "core/colour/doc_kind.h"

#include "core/colour/file_extension.h"
#include "core/colour/text_lines.h"

namespace varnock {

namespace {

DocKind KindFromContent(const std::string& text) {
  const std::string first = FirstTextLine(text);
  if (first.find("REGEDIT4") != std::string::npos) return DocKind::Reg;
  if (first.find("Windows Registry Editor Version 5.00") != std::string::npos) {
    return DocKind::Reg;
  }
  if (text.find("[version]") != std::string::npos) return DocKind::Inf;
  return DocKind::Other;
}

DocKind KindFromExtension(const std::string& ext) {
  if (ext == ".INF") return DocKind::Inf;
  if (ext == ".INI") return DocKind::Ini;
  if (ext == ".REG") return DocKind::Reg;
  if (ext == ".DIZ" || ext == ".NFO") return DocKind::AnsiArt;
  return DocKind::Other;
}

}  // namespace

DocKind UnfilteredDocKind(const std::string& fileName, const std::string& text) {
  const std::string ext = UpperCaseExtension(fileName);
  return ext.empty() ? KindFromContent(text) : KindFromExtension(ext);
}

DocKind FilterDocKind(DocKind kind, ColourMode mode) {
  switch (mode) {
    case ColourMode::All:
    case ColourMode::NoneChecked: return kind;
    case ColourMode::No: return DocKind::None;
    case ColourMode::Inf: return kind == DocKind::Inf ? kind : DocKind::None;
    case ColourMode::Iri:
      return (kind == DocKind::Inf || kind == DocKind::Ini || kind == DocKind::Reg) ? kind : DocKind::None;
  }
  return kind;
}

DocKindDecision DecideDocKind(const std::string& fileName, const std::string& text, ColourMode mode) {
  DocKindDecision decision;
  const DocKind kind = UnfilteredDocKind(fileName, text);
  if (UpperCaseExtension(fileName).empty()) {
    if (kind == DocKind::Inf) decision.saveFilterIndex = 1;
    if (kind == DocKind::Reg) decision.saveFilterIndex = 2;
  }
  decision.kind = FilterDocKind(kind, mode);
  return decision;
}

ColourMode ColourModeFromSetting(const std::string& value) {
  if (value == "IRI") return ColourMode::Iri;
  if (value == "ALL") return ColourMode::All;
  if (value == "NO") return ColourMode::No;
  return ColourMode::Inf;
}

const char* ColourModeSetting(ColourMode mode) {
  switch (mode) {
    case ColourMode::Iri: return "IRI";
    case ColourMode::All: return "ALL";
    case ColourMode::No: return "NO";
    case ColourMode::Inf:
    case ColourMode::NoneChecked: break;
  }
  return "INF";
}

}  // namespace varnock
