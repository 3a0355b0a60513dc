#pragma once
/// Qt's own texts (the buttons of message boxes, file and input dialogs,
/// context menus) in the language of the session: Qt's Italian
/// translations while Italian, Qt's built-in English otherwise. Every
/// window then gets a LanguageChange event.

class QApplication;
class QWidget;

namespace kord::gui {

/// Loads or drops Qt's Italian translations; false when Italian was asked
/// for and they are not installed (Qt's texts stay English).
bool useQtLanguage(bool english);

/// True while useQtLanguage last chose English.
bool englishShown();

/// Gives `widget` (a button, label, group box or window) its caption in
/// both languages: it shows the current one now and after every change.
/// For the window's own texts that have no caption of the session.
void setCaption(QWidget* widget, const char* italian, const char* english);
/// The same for the hover help of `widget`.
void setHoverHelp(QWidget* widget, const char* italian, const char* english);

/// From now on a visible window that shows session texts renders again
/// when the language changes.
void followLanguageChanges(QApplication& app);

}  // namespace kord::gui
