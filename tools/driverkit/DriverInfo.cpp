#include "driverkit/DriverInfo.h"

#include <cctype>

namespace netvane::driverkit {
namespace {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string EscapeXml(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::optional<Date> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto number = [text](std::size_t at, std::size_t n, int& out) {
    out = 0;
    for (std::size_t i = at; i < at + n; ++i) {
      if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) return false;
      out = out * 10 + (text[i] - '0');
    }
    return true;
  };
  Date d;
  if (!number(0, 4, d.year) || !number(5, 2, d.month) || !number(8, 2, d.day)) {
    return std::nullopt;
  }
  if (d.year < 1970 || d.month < 1 || d.month > 12 || d.day < 1 ||
      d.day > DaysIn(d.year, d.month)) {
    return std::nullopt;
  }
  return d;
}

std::string DriverInfoPlist(std::string_view driverVersion) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
         "<plist version=\"1.0\">\n"
         "<dict>\n"
         "\t<key>CFBundleIdentifier</key>\n"
         "\t<string>com.corvane.CardBusWirelessDriver</string>\n"
         "\t<key>CFBundleShortVersionString</key>\n"
         "\t<string>" +
         EscapeXml(driverVersion) +
         "</string>\n"
         "</dict>\n"
         "</plist>\n";
}

}  // namespace netvane::driverkit
