#include "help_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "qt_text.h"

namespace kord::gui {
namespace {

/// The manual page of each window class; windows not named here (message
/// boxes, the help window itself) have the index.
const std::map<QString, QString>& pagesByWindow() {
  static const std::map<QString, QString> pages = {
      {QStringLiteral("StartWindow"), QStringLiteral("start-window")},
      {QStringLiteral("LoadProgressWindow"), QStringLiteral("start-window")},
      {QStringLiteral("DatabaseFileDialog"), QStringLiteral("file-dialog")},
      {QStringLiteral("MainWindow"), QStringLiteral("main-window")},
      {QStringLiteral("RecordCardWindow"), QStringLiteral("record-cards")},
      {QStringLiteral("EditCardWindow"), QStringLiteral("editing-card")},
      {QStringLiteral("NameSearchWindow"), QStringLiteral("name-search")},
      {QStringLiteral("TreeListWindow"), QStringLiteral("trees")},
      {QStringLiteral("TreeOutlineWindow"), QStringLiteral("expandable-trees")},
      {QStringLiteral("GenerationLimitWindow"), QStringLiteral("generations")},
      {QStringLiteral("FamilyNavigatorWindow"), QStringLiteral("navigators")},
      {QStringLiteral("PictureNavigatorWindow"), QStringLiteral("navigators")},
      {QStringLiteral("ListWindow"), QStringLiteral("lists")},
      {QStringLiteral("ReportFieldsDialog"), QStringLiteral("report")},
      {QStringLiteral("ReportGridWindow"), QStringLiteral("report")},
      {QStringLiteral("SortKeyDialog"), QStringLiteral("sorted-book")},
      {QStringLiteral("BookWindow"), QStringLiteral("family-book")},
      {QStringLiteral("ChartChooser"), QStringLiteral("statistics")},
      {QStringLiteral("CenturyChartWindow"), QStringLiteral("statistics")},
      {QStringLiteral("AgeChartWindow"), QStringLiteral("statistics")},
      {QStringLiteral("AssistantWindow"), QStringLiteral("assistant")},
      {QStringLiteral("HistoryWindow"), QStringLiteral("history")},
      // The Varie menu's windows are described with their entries.
      {QStringLiteral("CheckWindow"), QStringLiteral("main-window")},
      {QStringLiteral("VerifyWindow"), QStringLiteral("main-window")},
      {QStringLiteral("FoldersWindow"), QStringLiteral("main-window")},
      {QStringLiteral("SpouseSearchWindow"), QStringLiteral("main-window")},
  };
  return pages;
}

const QString kIndex = QStringLiteral("index");

/// F1 in any window: that window's page.
class HelpKeyFilter : public QObject {
 public:
  explicit HelpKeyFilter(HelpWindow& help) : QObject(&help), help_(help) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    help_.showPage(HelpWindow::pageFor(widget->window()));
    return true;
  }

 private:
  HelpWindow& help_;
};

/// Markdown tables come with dark double borders and no padding.
void tidyTables(QTextDocument& document) {
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    QTextTableFormat format = table->format();
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(QColor(0xc9, 0xd1, 0xc8));
    format.setCellPadding(4);
    format.setCellSpacing(0);
    table->setFormat(format);
  }
}

QPushButton* navigationButton(QStyle::StandardPixmap icon, const char* objectName, QWidget* parent) {
  auto* button = new QPushButton(parent->style()->standardIcon(icon), QString(), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}

}  // namespace

HelpWindow::HelpWindow(const kord::Session& session, const QString& manualFolder, QWidget* parent)
    : QWidget(parent), s_(session), manualFolder_(manualFolder) {
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("Manual"));
  browser_->setOpenExternalLinks(true);
  browser_->document()->setDocumentMargin(12);
  index_ = navigationButton(QStyle::SP_DirHomeIcon, "Index", this);
  back_ = navigationButton(QStyle::SP_ArrowBack, "Back", this);
  forward_ = navigationButton(QStyle::SP_ArrowForward, "Forward", this);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(index_, &QPushButton::clicked, this, &HelpWindow::showIndex);
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] { tidyTables(*browser_->document()); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(index_);
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 8, 10, 10);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);
  resize(780, 620);
  renderTitles();
}

void HelpWindow::showIndex() { showPage(kIndex); }

void HelpWindow::showPage(const QString& name) {
  renderTitles();
  QString path = pagePath(name);
  if (!QFileInfo::exists(path)) path = pagePath(kIndex);
  if (QFileInfo::exists(path))
    browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
  else
    showMissingManual(path);
  if (!placed_) placeOnScreen();
  show();
  raise();
  activateWindow();
}

void HelpWindow::placeOnScreen() {
  placed_ = true;
  const QRect area = screen()->availableGeometry();
  // Room for the frame the window manager adds.
  resize(std::min(width(), area.width() - 40), std::min(height(), area.height() - 80));
  move(area.center() - QPoint(width() / 2, height() / 2 + 20));
}

QString HelpWindow::pageFor(const QWidget* window) {
  if (!window) return kIndex;
  QString name = QString::fromLatin1(window->metaObject()->className());
  name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
  const auto found = pagesByWindow().find(name);
  return found == pagesByWindow().end() ? kIndex : found->second;
}

QStringList HelpWindow::windowPages() {
  QStringList pages{kIndex};
  for (const auto& [window, page] : pagesByWindow())
    if (!pages.contains(page)) pages << page;
  return pages;
}

QString HelpWindow::currentPage() const {
  const QUrl source = browser_->source();
  return source.isEmpty() ? QString() : QFileInfo(source.toLocalFile()).completeBaseName();
}

QString HelpWindow::shownText() const { return browser_->toPlainText(); }

QString HelpWindow::pagePath(const QString& name) const {
  const QString language = s_.English ? QStringLiteral("en") : QStringLiteral("it");
  return manualFolder_ + QLatin1Char('/') + language + QLatin1Char('/') + name + QStringLiteral(".md");
}

void HelpWindow::renderTitles() {
  setWindowTitle(displayText(s_.text("Manuale di Kord", "Kord manual")));
  index_->setText(displayText(s_.text("Indice", "Contents")));
  back_->setText(displayText(s_.text("Indietro", "Back")));
  forward_->setText(displayText(s_.text("Avanti", "Forward")));
}

void HelpWindow::showMissingManual(const QString& path) {
  browser_->clearHistory();
  browser_->setPlainText(displayText(s_.text("Il manuale non si trova: ", "The manual is missing: ")) +
                         QDir::toNativeSeparators(path));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void installHelpKey(QApplication& app, HelpWindow& help) { app.installEventFilter(new HelpKeyFilter(help)); }

}  // namespace kord::gui
