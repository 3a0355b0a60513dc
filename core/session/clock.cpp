#include <chrono>
#include <cstdio>
#include <ctime>

#include "ui.h"

namespace kord {

LocalTime SystemClock::now() const {
  std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string ShortDateText(const LocalTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.day % 100, t.month % 100, t.year % 10000);
  return text;
}

std::string TimeText(const LocalTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour % 100, t.minute % 100, t.second % 100);
  return text;
}

}  // namespace kord
