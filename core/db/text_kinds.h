#pragma once
/// The two kinds of text the program keeps in a std::string, named so that a
/// signature says which one it takes. They convert into each other only
/// through db/codepage.h (Cp1252ToUtf8, Utf8ToCp1252); the windows convert
/// them to Qt's texts only through gui/qt_text.h.

#include <string>

namespace kord {

/// A text of the records, the captions and the messages: Windows-1252
/// bytes, as the stored files hold them.
using Cp1252Text = std::string;

/// A file-system path or file name: UTF-8 bytes, as the system takes them.
using Utf8Path = std::string;

}  // namespace kord
