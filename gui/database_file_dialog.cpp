#include "database_file_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/file_dialog.h"
#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

/// The file-system roots and the mounted volumes, the root first.
QStringList driveRoots() {
  QStringList roots;
  for (const QFileInfo& drive : QDir::drives()) roots << drive.absoluteFilePath();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    // Containers bind-mount single files; only folders can be shown.
    if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) roots << volume.rootPath();
  roots.removeDuplicates();
  std::sort(roots.begin(), roots.end());
  return roots;
}

QString withSlash(QString path) {
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}

/// The index of the root that holds `folder`: the longest matching prefix.
int driveIndexFor(const QComboBox& drives, const QString& folder) {
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < drives.count(); ++i) {
    QString root = withSlash(drives.itemData(i).toString());
    if (withSlash(folder).startsWith(root) && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  return best;
}

QStringList itemTexts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

/// The captions of the dialog's parts, Italian and English.
constexpr const char* kCaptions[][2] = {
    {"Unità", "Drive"}, {"Cartella", "Folder"}, {"Cartelle", "Folders"}, {"File", "Files"}, {"Nome file", "File name"}};

QLabel* caption(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setStyleSheet(QStringLiteral("font-weight: bold; color: #2e6b4f;"));
  return label;
}

}  // namespace

DatabaseFileDialog::DatabaseFileDialog(kord::Session& session, QWidget* parent) : QDialog(parent), s_(session) {
  setCaption(this, "Apre File Genealogie", "Open genealogy file");
  buildControls();
  fillDrives();
  resize(680, 440);
}

void DatabaseFileDialog::buildControls() {
  drvList_ = new QComboBox(this);
  drvList_->setObjectName(QStringLiteral("DrvList"));
  folderLabel_ = new QLabel(this);
  folderLabel_->setTextFormat(Qt::PlainText);
  folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  dirList_ = new QListWidget(this);
  dirList_->setObjectName(QStringLiteral("DirList"));
  filList_ = new QListWidget(this);
  filList_->setObjectName(QStringLiteral("FilList"));
  nomeFile_ = new QLineEdit(this);
  nomeFile_->setObjectName(QStringLiteral("NomeFile"));
  nomeFile_->installEventFilter(this);
  open_ = new QPushButton(QStringLiteral("Open"), this);
  open_->setObjectName(QStringLiteral("btnApreGenealogia"));
  new_ = new QPushButton(QStringLiteral("New"), this);
  new_->setObjectName(QStringLiteral("btnCreaGenealogia"));
  exit_ = new QPushButton(QStringLiteral("Exit"), this);
  exit_->setObjectName(QStringLiteral("btnAnnulla"));

  auto* grid = new QGridLayout;
  for (QLabel*& label : captions_) label = caption(this);
  grid->addWidget(captions_[0], 0, 0);
  grid->addWidget(drvList_, 0, 1);
  grid->addWidget(captions_[1], 1, 0);
  grid->addWidget(folderLabel_, 1, 1);
  grid->setColumnStretch(1, 1);

  auto* lists = new QGridLayout;
  lists->addWidget(captions_[2], 0, 0);
  lists->addWidget(captions_[3], 0, 1);
  lists->addWidget(dirList_, 1, 0);
  lists->addWidget(filList_, 1, 1);

  auto* name = new QHBoxLayout;
  name->addWidget(captions_[4]);
  name->addWidget(nomeFile_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {open_, new_, exit_}) {
    b->setMinimumWidth(90);
    buttons->addWidget(b);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(lists, 1);
  layout->addLayout(name);
  layout->addLayout(buttons);

  connect(drvList_, &QComboBox::activated, this, &DatabaseFileDialog::onDriveChosen);
  connect(dirList_, &QListWidget::itemDoubleClicked, this, &DatabaseFileDialog::onFolderDoubleClicked);
  connect(filList_, &QListWidget::itemClicked, this, &DatabaseFileDialog::onFileClicked);
  connect(filList_, &QListWidget::itemSelectionChanged, this, [this] { onFileClicked(filList_->currentItem()); });
  connect(filList_, &QListWidget::itemDoubleClicked, this, &DatabaseFileDialog::onFileDoubleClicked);
  connect(nomeFile_, &QLineEdit::textEdited, this, &DatabaseFileDialog::onNameEdited);
  connect(open_, &QPushButton::clicked, this, [this] { forward([this] { DialogOpen(s_); }); });
  connect(new_, &QPushButton::clicked, this, [this] { forward([this] { DialogNew(s_); }); });
  connect(exit_, &QPushButton::clicked, this, [this] { forward([this] { DialogExit(s_); }); });
}

void DatabaseFileDialog::run() {
  fillDrives();
  render();
  filList_->setFocus();
  exec();
}

void DatabaseFileDialog::render() {
  for (std::size_t i = 0; i < captions_.size(); ++i)
    captions_[i]->setText(QString::fromUtf8(kCaptions[i][s_.English ? 1 : 0]));
  renderDrives();
  renderFolders();
  renderFiles();
  QString name = pathText(s_.dialog.NomeFile);
  if (nomeFile_->text() != name) nomeFile_->setText(name);
  renderButtons();
}

void DatabaseFileDialog::fillDrives() {
  QSignalBlocker block(drvList_);
  drvList_->clear();
  for (const QString& root : driveRoots()) {
    QString label = QStorageInfo(root).displayName();
    drvList_->addItem(
        label.isEmpty() || label == root ? root : root + QStringLiteral("   (") + label + QLatin1Char(')'), root);
  }
}

void DatabaseFileDialog::renderDrives() {
  QSignalBlocker block(drvList_);
  drvList_->setCurrentIndex(driveIndexFor(*drvList_, pathText(s_.dialog.folder)));
}

void DatabaseFileDialog::renderFolders() {
  folderLabel_->setText(pathText(s_.dialog.folder));
  QStringList names;
  if (!QDir(pathText(s_.dialog.folder)).isRoot()) names << QStringLiteral("..");
  for (const std::string& folder : DialogFolderList(s_)) names << pathText(folder);
  if (itemTexts(*dirList_) == names) return;
  QSignalBlocker block(dirList_);
  dirList_->clear();
  for (const QString& name : names) {
    auto icon = style()->standardIcon(name == QLatin1String("..") ? QStyle::SP_FileDialogToParent : QStyle::SP_DirIcon);
    dirList_->addItem(new QListWidgetItem(icon, name));
  }
}

void DatabaseFileDialog::renderFiles() {
  QStringList names;
  for (const std::string& file : DialogFileList(s_)) names << pathText(file);
  QSignalBlocker block(filList_);
  // Rebuilding the list under the person's click would lose the clicked
  // item, so an unchanged list only moves its selection.
  if (itemTexts(*filList_) != names) {
    filList_->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : names) filList_->addItem(new QListWidgetItem(icon, name));
  }
  int selected = names.indexOf(pathText(s_.dialog.selectedFile));
  if (s_.dialog.selectedFile.empty()) selected = -1;
  filList_->setCurrentRow(selected);
}

void DatabaseFileDialog::renderButtons() {
  const auto& d = s_.dialog;
  open_->setVisible(d.openVisible);
  new_->setVisible(d.newVisible);
  // Enter confirms: Open, or New when the dialog only creates.
  open_->setDefault(d.openVisible);
  new_->setDefault(!d.openVisible && d.newVisible);
}

template <typename Procedure>
void DatabaseFileDialog::forward(Procedure procedure) {
  procedure();
  if (s_.dialog.closed)
    accept();
  else
    render();
}

void DatabaseFileDialog::onDriveChosen(int index) {
  const std::string root = corePath(drvList_->itemData(index).toString());
  forward([this, &root] { DialogChangeFolder(s_, root); });
}

void DatabaseFileDialog::onFolderDoubleClicked(QListWidgetItem* item) {
  if (!item) return;
  const std::string target = s_.dialog.folder + corePath(item->text());
  forward([this, &target] { DialogChangeFolder(s_, target); });
}

void DatabaseFileDialog::onFileClicked(QListWidgetItem* item) {
  if (!item) return;
  const std::string name = corePath(item->text());
  forward([this, &name] { DialogClickFile(s_, name); });
}

void DatabaseFileDialog::onFileDoubleClicked(QListWidgetItem* item) {
  if (!item) return;
  const std::string name = corePath(item->text());
  forward([this, &name] {
    DialogClickFile(s_, name);
    DialogOpen(s_);
  });
}

void DatabaseFileDialog::onNameEdited(const QString& text) {
  s_.dialog.NomeFile = corePath(text);
  if (!HasWildcards(s_.dialog.NomeFile)) return;
  // A new pattern lists other files: none of them is selected yet.
  s_.dialog.selectedFile.clear();
  renderFiles();
}

bool DatabaseFileDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == nomeFile_ && event->type() == QEvent::MouseButtonDblClick) {
    forward([this] { DialogFileNameDoubleClick(s_); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void DatabaseFileDialog::reject() {
  s_.DbName.clear();
  s_.dialog.closed = true;
  QDialog::reject();
}

}  // namespace kord::gui
