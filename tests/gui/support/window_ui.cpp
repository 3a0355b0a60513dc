#include "window_ui.h"

#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "db/file_set.h"
#include "window_set.h"

namespace kord::testsupport {

void WindowMapUi::message(const std::string& text, const std::string&) { messages.push_back(text); }

std::string WindowMapUi::inputBox(const std::string& prompt, const std::string&, const std::string&) {
  prompts.push_back(prompt);
  if (answers.empty()) return {};
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}

void WindowMapUi::runFileDialog() {
  if (!session || pickFile.empty()) return;
  session->dialog.folder = FolderOf(pickFile);
  DialogClickFile(*session, BaseNameOf(pickFile));
  DialogOpen(*session);
}

QWidget* WindowMapUi::widgetOf(Window window) const {
  auto found = windows.find(window);
  return found == windows.end() ? nullptr : found->second;
}

bool WindowMapUi::wasShown(Window window) const { return std::find(shown.begin(), shown.end(), window) != shown.end(); }

void WindowMapUi::showWindow(Window window, bool visible) {
  if (visible) shown.push_back(window);
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (!visible) {
    widget->hide();
    return;
  }
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widget)) view->render();
  widget->show();
}

void WindowMapUi::refresh(Window window) {
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widgetOf(window))) view->render();
}

std::string SampleFolder(const QTemporaryDir& dir) {
  return dir.filePath(QStringLiteral("sample")).toStdString() + "/";
}

bool OpenSampleCopy(const QTemporaryDir& dir, Session& session, WindowMapUi& ui,
                    const std::vector<std::string>& templateEndings) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path data(KORD_DATA_DIR);
  fs::copy(data / "sample", dir.filePath(QStringLiteral("sample")).toStdString(), fs::copy_options::recursive, ec);
  if (ec) return false;
  for (const auto& entry : fs::directory_iterator(data, ec))
    for (const auto& ending : templateEndings)
      if (entry.path().extension() == ending)
        fs::copy_file(entry.path(), fs::path(dir.path().toStdString()) / entry.path().filename(), ec);
  ui.session = &session;
  ui.pickFile = SampleFolder(dir) + "famiglia.rni";
  session.windowState = kStateOpening;
  const bool loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  ui.messages.clear();
  return loaded;
}

}  // namespace kord::testsupport
