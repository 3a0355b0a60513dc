#include "trees/tree_html.h"

#include <array>

#include "db/output_files.h"

namespace kord {
namespace {

struct TemplateChoice {
  std::string name;  ///< empty: the step does nothing
  int repeat = 1;
};

TemplateChoice chooseTemplate(const TreeState& t, TreePageStep step) {
  switch (step) {
    case TreePageStep::Start: return {"TrHtm01.hts"};
    case TreePageStep::Line:
      if (t.LineIndent == t.PrevLineIndent) return {"TrHtm03.hts"};
      if (t.LineIndent > t.PrevLineIndent) return {"TrHtm02.hts"};
      return {"TrHtm04.hts", (t.PrevLineIndent - t.LineIndent) / 2};
    case TreePageStep::ClimbOut: return {"TrHtm04.hts"};
    case TreePageStep::End: return {"TrHtm05.hts"};
  }
  return {};
}

/// Appends the template's bytes to `page`; false when it cannot be read.
bool copyTemplate(const Session& s, const std::string& name, std::string& page) {
  std::string bytes;
  if (!ReadRegularFile(s.TemplateFolder + name, bytes)) return false;
  page += bytes;
  return true;
}

}  // namespace

const std::string& LevelColour(int depth) {
  static const std::array<std::string, 20> colours = {
      "#8080FF", "#FF4242", "#FF6600", "#009900", "#0080C0", "#FF00FF", "#FF8040", "#FFCC33", "#FFFF00", "#00CC00",
      "#33CCFF", "#FF99FF", "#FFCCCC", "#FFFF99", "#99FF99", "#66FFFF", "#CCFFFF", "#FFFFCC", "#FFCC99", "#FFCCFF"};
  int k = depth % 20;
  return colours[k < 0 ? k + 20 : k];
}

std::string HtmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void EmitTreeHtml(Session& s, TreePageStep step, const std::string& text) {
  TreeState& t = s.trees;
  TemplateChoice choice = chooseTemplate(t, step);
  if (choice.name.empty()) return;
  t.PrevLineIndent = t.LineIndent;
  std::string& page = t.HtmlPage;
  for (int i = 0; i < choice.repeat; ++i)
    if (!copyTemplate(s, choice.name, page)) return;
  if (choice.name == "TrHtm02.hts") {
    page += LevelColour(t.walk.WalkDepth);
    if (!copyTemplate(s, "TrHtm02a.hts", page)) return;
  }
  if (t.walk.StepResult >= 0) page += HtmlEscape(text) + "\r\n";
}

}  // namespace kord
