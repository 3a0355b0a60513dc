#pragma once
/// The HTML family site: one person page per individual and the index page
/// "index.html", in the database folder, assembled from the templates
/// "kordht0.htt".."kordht8.htt" and "kordht1b.htt".."kordht7b.htt" of the
/// template folder, copied byte for byte with the program's own text between
/// them. The book generator hands over one text at a time with a step number.
///
/// Texts and links. Every text the writer receives is first cleaned as a file
/// name (CleanFileName); the cleaned text is both the page name and the text
/// shown. Shown texts are HTML-escaped ("&", "<", ">", '"'); link targets
/// (href and src) are percent-encoded, so a name with "&", "#", "%", quotes or
/// accented letters still shows as written and still links to its page. The
/// events and notes strings arrive already escaped by the generator, since
/// they hold the program's own "<BR>" markup.
///
/// File names on disk. Pages and pictures are named in UTF-8, as every file
/// name of this platform (the user's pictures "Dal Bò Débora.jpg" too), and
/// a link names those UTF-8 bytes as %XX, which is what a browser looks up.
/// A page is never written outside the database folder: after the clean-up,
/// every remaining "/" and "\" and every control character becomes "_", so a
/// file name has no separator, and since it always ends in ".html" it is
/// never "." or "..". A name "index" gets the page "index_.html" so that it
/// cannot overwrite the index. Links are made by the same rule, so they still
/// reach the page.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "shell/session.h"

namespace kord {

/// The clean-up of every text the writer receives: four times over, the
/// first "/" becomes "_" and then the first "?" becomes "_". "A/B??" gives
/// "A_B__"; a fifth "?" (or "/") stays.
std::string CleanFileName(std::string_view text);

/// The UTF-8 file name of the page or picture of a cleaned name:
/// `cleaned` + `extension` made safe as said above.
std::string SiteFileName(std::string_view cleaned, std::string_view extension);

/// The link target of that file: its UTF-8 name with every byte outside
/// A-Z a-z 0-9 - _ . ~ written as %XX.
std::string SiteLink(std::string_view cleaned, std::string_view extension);

/// Every byte outside A-Z a-z 0-9 - _ . ~ as %XX (upper-case hex).
std::string PercentEncode(std::string_view bytes);

/// The message shown (once per run) when a template cannot be read:
/// "Non esistono i file HT nella " + the template folder.
std::string MissingTemplatesMessage(const Session& s);

/// The writer of one generator run. The generator sets `step` before each
/// text it hands over; WriteHtmlLine acts on it and then (except at step 9)
/// raises it by one:
///   1  a new individual: closes the previous page, empties the events slots,
///      keeps the text (the header line) as the page-title suffix;
///   2  creates the person page text + ".html" and writes its head;
///   3  the index entry of the focus, the picture, the first child (the text
///      "null" stands for no child and shows "no members");
///   4  a further child, parent or spouse;
///   5  the first parent ("null": neither parent, shows "Associato a nulla");
///   6  the first spouse (empty or "null": none, shows "---");
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

  void WriteHtmlLine(const std::string& text);
  /// The end of a book walk: "kordht7b.htt" ends the index, which is closed.
  void CloseIndex();
  /// Closes the open page and index without writing anything more.
  void CloseAll();

 private:
  void openIndex();
  void addIndexEntry();
  void startPage(const std::string& text);
  void createPage(const std::string& text);
  void writeLink(const char* tmpl, const std::string& cleaned, const std::string& shown);
  void writeFirstChild(const std::string& text);
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
  bool reported_ = false;
  bool pageFailureReported_ = false;
};

}  // namespace kord
