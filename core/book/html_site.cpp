#include "book/html_site.h"

#include "db/codepage.h"
#include "trees/tree_html.h"

namespace kord {
namespace {

constexpr const char* kCrLf = "\r\n";

void replaceFirst(std::string& text, char from) {
  if (auto at = text.find(from); at != std::string::npos) text[at] = '_';
}

bool isUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.' || c == '~';
}

bool isIndexName(std::string_view name) {
  if (name.size() != 5) return false;
  for (std::size_t i = 0; i < 5; ++i)
    if ((name[i] | 0x20) != "index"[i]) return false;
  return true;
}

}  // namespace

std::string CleanFileName(std::string_view text) {
  std::string cleaned(text);
  for (int round = 0; round < 4; ++round) {
    replaceFirst(cleaned, '/');
    replaceFirst(cleaned, '?');
  }
  return cleaned;
}

std::string SiteFileName(std::string_view cleaned, std::string_view extension) {
  std::string safe(cleaned);
  for (char& c : safe) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) c = '_';
  }
  if (extension == ".html" && isIndexName(safe)) safe += '_';
  return Cp1252ToUtf8(safe) + std::string(extension);
}

std::string SiteLink(std::string_view cleaned, std::string_view extension) {
  return PercentEncode(SiteFileName(cleaned, extension));
}

std::string PercentEncode(std::string_view bytes) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (isUnreserved(byte)) {
      out += c;
    } else {
      out += '%';
      out += hex[byte >> 4];
      out += hex[byte & 0x0F];
    }
  }
  return out;
}

std::string MissingTemplatesMessage(const Session& s) {
  return "Non esistono i file HT nella " + Utf8ToCp1252(s.TemplateFolder);
}

void HtmlSiteWriter::WriteHtmlLine(const std::string& text) {
  if (indexPending_) openIndex();
  const std::string cleaned = CleanFileName(text);
  switch (step) {
    case 1: startPage(cleaned); break;
    case 2: createPage(cleaned); break;
    case 3: writeFirstChild(cleaned); break;
    case 4: writeLink("kordht4.htt", cleaned, HtmlEscape(cleaned)); break;
    case 5: writeLink("kordht5.htt", cleaned, cleaned == "null" ? "Associato a nulla" : HtmlEscape(cleaned)); break;
    case 6: {
      const std::string spouse = cleaned.empty() ? "null" : cleaned;
      writeLink("kordht6.htt", spouse, spouse == "null" ? "---" : HtmlEscape(spouse));
      break;
    }
    case 7: endPage(); break;
    case 9: page_ << HtmlEscape(cleaned) << kCrLf; return;
    case 10: storeEvents(cleaned); break;
    default: break;
  }
  ++step;
}

void HtmlSiteWriter::CloseIndex() {
  if (!index_.is_open()) return;
  copyTemplate("kordht7b.htt", index_);
  closeFile(index_);
}

void HtmlSiteWriter::CloseAll() {
  closeFile(page_);
  closeFile(index_);
}

void HtmlSiteWriter::closeFile(OutputFile& file) {
  OutputFailure failure = file.close();
  if (!failure) return;
  // A folder that takes no page takes none of the next ones: one message a run.
  if (pageFailureReported_) {
    s_.failedOutputs.push_back(failure.path);
    return;
  }
  pageFailureReported_ = true;
  ReportOutputFailure(s_, failure);
}

void HtmlSiteWriter::openIndex() {
  indexPending_ = false;
  firstEntry_ = true;
  index_.open(s_.DbFolder + "index.html");
  const std::string title = HtmlEscape("Index dell'Archivio: " + Utf8ToCp1252(s_.DbName)) + kCrLf;
  copyTemplate("kordht1b.htt", index_);
  index_ << title;
  copyTemplate("kordht2b.htt", index_);
  index_ << title;
}

void HtmlSiteWriter::addIndexEntry() {
  const int focus = s_.NInd[0];
  const std::string name = CleanFileName(Tables::inTable(focus) ? s_.tables.Names[focus] : std::string());
  copyTemplate(firstEntry_ ? "kordht3b.htt" : "kordht6b.htt", index_);
  firstEntry_ = false;
  index_ << SiteLink(name, ".html");
  copyTemplate("kordht0.htt", index_);
  index_ << HtmlEscape(name);
  copyTemplate("kordht4b.htt", index_);
  index_ << HtmlEscape(name + ".html");
  copyTemplate("kordht5b.htt", index_);
  index_ << HtmlEscape(name + ".jpg");
}

void HtmlSiteWriter::startPage(const std::string& text) {
  closeFile(page_);
  events_ = {};
  eventsFilled_ = 0;
  titleSuffix_ = text;
}

void HtmlSiteWriter::createPage(const std::string& text) {
  closeFile(page_);
  page_.open(s_.DbFolder + SiteFileName(text, ".html"));
  const std::string title = HtmlEscape(text + titleSuffix_);
  copyTemplate("kordht1.htt", page_);
  page_ << title;
  copyTemplate("kordht2.htt", page_);
  page_ << title;
}

void HtmlSiteWriter::writeLink(const char* tmpl, const std::string& cleaned, const std::string& shown) {
  copyTemplate(tmpl, page_);
  page_ << SiteLink(cleaned, ".html");
  copyTemplate("kordht0.htt", page_);
  page_ << shown;
}

void HtmlSiteWriter::writeFirstChild(const std::string& text) {
  addIndexEntry();
  const int focus = s_.NInd[0];
  const std::string focusName = CleanFileName(Tables::inTable(focus) ? s_.tables.Names[focus] : std::string());
  copyTemplate("kordht3.htt", page_);
  page_ << SiteLink(focusName, ".jpg");
  copyTemplate("kordht3a.htt", page_);
  page_ << SiteLink(text, ".html");
  copyTemplate("kordht0.htt", page_);
  page_ << (text == "null" ? std::string("no members") : HtmlEscape(text));
}

void HtmlSiteWriter::endPage() {
  copyTemplate("kordht7.htt", page_);
  for (const auto& slot : events_) page_ << slot << kCrLf;
  copyTemplate("kordht8.htt", page_);
  closeFile(page_);
}

void HtmlSiteWriter::storeEvents(const std::string& text) {
  if (eventsFilled_ < static_cast<int>(events_.size())) events_[eventsFilled_++] = text;
}

bool HtmlSiteWriter::copyTemplate(const std::string& name, std::ostream& out) {
  const auto& bytes = templateBytes(name);
  if (!bytes) {
    templateError();
    return false;
  }
  out << *bytes;
  return true;
}

const std::optional<std::string>& HtmlSiteWriter::templateBytes(const std::string& name) {
  // Each template is read once per run; a missing one stays missing.
  auto found = templates_.find(name);
  if (found != templates_.end()) return found->second;
  std::optional<std::string> bytes;
  if (std::string read; ReadRegularFile(s_.TemplateFolder + name, read)) bytes = std::move(read);
  return templates_.emplace(name, std::move(bytes)).first->second;
}

void HtmlSiteWriter::templateError() {
  if (reported_) return;
  reported_ = true;
  s_.ui.message(MissingTemplatesMessage(s_));
}

}  // namespace kord
