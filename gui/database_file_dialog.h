#pragma once
/// The database file dialog "Apre File Genealogie": drives, folders, the
/// files matching NomeFile, and Open / New / Exit. It keeps no state of its
/// own: every event goes to the dialog procedures, which work on the
/// session's dialog model, and the dialog closes when the model says so.

#include <QDialog>
#include <array>

#include "session/session.h"
#include "window_set.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kord::gui {

class DatabaseFileDialog : public QDialog, public ModelWindow {
  Q_OBJECT

 public:
  explicit DatabaseFileDialog(kord::Session& session, QWidget* parent = nullptr);

  /// Shows the dialog modally on the current model; returns once it closed.
  void run();
  void render() override;
  /// Escape or the window's close box: closing without a choice (DbName
  /// is cleared).
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  /// Volumes come and go: the drive list is read again for each run.
  void fillDrives();
  void renderDrives();
  void renderFolders();
  void renderFiles();
  void renderButtons();

  void onDriveChosen(int index);
  void onFolderDoubleClicked(QListWidgetItem* item);
  void onFileClicked(QListWidgetItem* item);
  void onFileDoubleClicked(QListWidgetItem* item);
  void onNameEdited(const QString& text);
  /// Runs one dialog procedure, then renders or closes as the model says.
  template <typename Procedure>
  void forward(Procedure procedure);

  kord::Session& s_;
  std::array<QLabel*, 5> captions_{};
  QComboBox* drvList_ = nullptr;
  QLabel* folderLabel_ = nullptr;
  QListWidget* dirList_ = nullptr;
  QListWidget* filList_ = nullptr;
  QLineEdit* nomeFile_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* exit_ = nullptr;
};

}  // namespace kord::gui
