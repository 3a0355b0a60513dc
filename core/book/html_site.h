#pragma once
/// The HTML family site: one person page per individual and the index page
/// "index.html", in the database folder, assembled from the templates
/// "kordht0.htt".."kordht8.htt" and "kordht1b.htt".."kordht7b.htt" of the
/// template folder, copied byte for byte with the program's own text between
/// them. The book generator hands over one text at a time with a step number.
///
/// Texts and links. Every text shown (names, the header, events, notes) is
/// the stored text, HTML-escaped ("&", "<", ">", '"'); the file-name
/// clean-up (CleanFileName) is for page and picture names only. Every page
/// and picture name the writer puts in a slot of the templates is
/// percent-encoded, whatever markup is around it, so "?", "#" and "%" stay
/// part of the name. Each link names the page of that very individual
/// (SitePages); a relative without a page, or no relative at all, links to
/// the stand-in "null.html". The events and notes strings arrive already
/// escaped by the generator, since they hold the program's own "<BR>" markup.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "book/site_pages.h"
#include "db/page_names.h"
#include "session/session.h"

namespace kord {

/// The message shown (once per run) when a template cannot be read:
/// "Non esistono i file HT nella " + the template folder.
std::string MissingTemplatesMessage(const Session& s);

/// The writer of one generator run. The generator sets `step` before each
/// text it hands over, with the individual the text names (kNone: nobody);
/// WriteHtmlLine acts on it and then (except at step 9) raises it by one:
///   1  a new individual: closes the previous page, empties the events slots,
///      keeps the text (the header line) as the page-title suffix;
///   2  creates the page of the focus (NInd(0)) and writes its head, the
///      text (the focus name) and the header as its title;
///   3  the index entry of the focus, the picture, the first child (nobody:
///      no child, shows "no members");
///   4  a further child, parent or spouse;
///   5  the first parent (nobody: neither parent, shows "Associato a nulla");
///   6  the first spouse (nobody: none, shows "---");
///   7  the three events slots and the end of the page, which is closed;
///   9  the text and a line break (the step stays 9);
///   10 the text into the next events slot (three at most, later ones dropped);
///   8, 11, 12 nothing.
/// The first text of a run creates "index.html" and writes its head. A
/// template that cannot be read leaves its part empty and is reported once
/// per run; a page or the index is written whole when it is closed, and the
/// first one of a run that cannot be written is reported (ReportOutputFailure;
/// the others are only noted in failedOutputs). The run goes on.
class HtmlSiteWriter {
 public:
  explicit HtmlSiteWriter(Session& s) : s_(s) {}

  int step = 1;  ///< the HTML step, shared with the generator

  void WriteHtmlLine(const std::string& text, int individual = kNone);
  /// The end of a book walk: "kordht7b.htt" ends the index, which is closed.
  void CloseIndex();
  /// Closes the open page and index without writing anything more.
  void CloseAll();

 private:
  void openIndex();
  void addIndexEntry();
  void startPage(const std::string& text);
  void createPage(const std::string& text);
  void writeLink(const char* tmpl, int individual, const std::string& shown);
  void writeFirstChild(const std::string& text, int individual);
  const SitePages& pages();
  void endPage();
  void storeEvents(const std::string& text);
  /// Appends the template's bytes to `out`; false when it cannot be read.
  bool copyTemplate(const std::string& name, std::ostream& out);
  const std::optional<std::string>& templateBytes(const std::string& name);
  void templateError();
  void closeFile(OutputFile& file);

  Session& s_;
  bool indexPending_ = true;
  bool firstEntry_ = true;
  std::array<std::string, 3> events_;
  int eventsFilled_ = 0;
  std::string titleSuffix_;
  OutputFile page_;
  OutputFile index_;
  std::map<std::string, std::optional<std::string>> templates_;
  std::optional<SitePages> pages_;
  bool reported_ = false;
  bool pageFailureReported_ = false;
};

}  // namespace kord
