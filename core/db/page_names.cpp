#include "db/page_names.h"

#include "db/codepage.h"

namespace kord {
namespace {

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

std::string PersonPageName(std::string_view name) { return SiteFileName(CleanFileName(name), ".html"); }

std::string PictureName(std::string_view name) { return SiteFileName(CleanFileName(name), ".jpg"); }

std::string SameFileKey(std::string_view fileName) { return UpperCp1252(Utf8ToCp1252(fileName)); }

std::string NumberedFileName(std::string_view fileName, int number) {
  const auto dot = fileName.rfind('.');
  const std::size_t stem = dot == std::string_view::npos ? fileName.size() : dot;
  return std::string(fileName.substr(0, stem)) + " (" + std::to_string(number) + ")" +
         std::string(fileName.substr(stem));
}

bool IsPersonPageName(const Tables& t, std::string_view fileName) {
  const std::string key = SameFileKey(fileName);
  for (int i = 2; i <= t.LastIndex && i < kTableSize; ++i)
    if (!Trim(t.Names[i]).empty() && SameFileKey(PersonPageName(t.Names[i])) == key) return true;
  return false;
}

}  // namespace kord
