#include "book/html_site.h"

#include "db/codepage.h"
#include "trees/tree_html.h"

namespace kord {
namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

std::string MissingTemplatesMessage(const Session& s) {
  return "Non esistono i file HT nella " + Utf8ToCp1252(s.TemplateFolder);
}

void HtmlSiteWriter::WriteHtmlLine(const std::string& text, int individual) {
  if (indexPending_) openIndex();
  switch (step) {
    case 1: startPage(text); break;
    case 2: createPage(text); break;
    case 3: writeFirstChild(text, individual); break;
    case 4: writeLink("kordht4.htt", individual, HtmlEscape(text)); break;
    case 5: writeLink("kordht5.htt", individual, individual == kNone ? "Associato a nulla" : HtmlEscape(text)); break;
    case 6: writeLink("kordht6.htt", individual, individual == kNone ? "---" : HtmlEscape(text)); break;
    case 7: endPage(); break;
    case 9: page_ << HtmlEscape(text) << kCrLf; return;
    case 10: storeEvents(text); break;
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
  const std::string link = pages().link(focus);
  copyTemplate(firstEntry_ ? "kordht3b.htt" : "kordht6b.htt", index_);
  firstEntry_ = false;
  index_ << link;
  copyTemplate("kordht0.htt", index_);
  index_ << HtmlEscape(Tables::inTable(focus) ? s_.tables.Names[focus] : std::string());
  copyTemplate("kordht4b.htt", index_);
  index_ << link;
  copyTemplate("kordht5b.htt", index_);
  index_ << pages().pictureLink(focus);
}

void HtmlSiteWriter::startPage(const std::string& text) {
  closeFile(page_);
  events_ = {};
  eventsFilled_ = 0;
  titleSuffix_ = text;
}

void HtmlSiteWriter::createPage(const std::string& text) {
  closeFile(page_);
  const std::string& name = pages().page(s_.NInd[0]);
  if (name.empty()) return;  // a nameless individual has no page
  page_.open(s_.DbFolder + name);
  const std::string title = HtmlEscape(text + titleSuffix_);
  copyTemplate("kordht1.htt", page_);
  page_ << title;
  copyTemplate("kordht2.htt", page_);
  page_ << title;
}

void HtmlSiteWriter::writeLink(const char* tmpl, int individual, const std::string& shown) {
  copyTemplate(tmpl, page_);
  page_ << pages().link(individual);
  copyTemplate("kordht0.htt", page_);
  page_ << shown;
}

void HtmlSiteWriter::writeFirstChild(const std::string& text, int individual) {
  addIndexEntry();
  copyTemplate("kordht3.htt", page_);
  page_ << pages().pictureLink(s_.NInd[0]);
  copyTemplate("kordht3a.htt", page_);
  page_ << pages().link(individual);
  copyTemplate("kordht0.htt", page_);
  page_ << (individual == kNone ? std::string("no members") : HtmlEscape(text));
}

const SitePages& HtmlSiteWriter::pages() {
  if (!pages_) pages_.emplace(s_.tables);
  return *pages_;
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
