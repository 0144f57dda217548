// Version texts, file-name and caption texts, dates and new identifiers.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_utils.h"

#include <array>
#include <cstdint>
#include <random>

#include "text/number_format.h"

namespace korain {
namespace {

// Revision letters by hundreds from 100 on; the family's numbering has no
// "j" and no "k", so "l" follows "i" and stands for 1000 to 1099.
constexpr std::string_view kRevisionLetters = "abcdefghilmno";

std::string revisionSuffix(int revision) {
  if (revision >= 100 && revision <= 1399) {
    return {kRevisionLetters[static_cast<std::size_t>(revision / 100 - 1)]};
  }
  if (revision >= 2000 && revision <= 2099) return std::to_string(revision - 2000) + " t";
  return {};
}

void appendTwoDigits(std::string& out, int value) {
  out.push_back(static_cast<char>('0' + value / 10 % 10));
  out.push_back(static_cast<char>('0' + value % 10));
}

std::string revisionNumber(const ProgramVersion& version) {
  return " (r" + std::to_string(version.revision) + ")";
}

// "dd/mm/", the start of both date forms.
std::string dayAndMonth(const CalendarDate& date) {
  std::string text;
  appendTwoDigits(text, date.day);
  text.push_back('/');
  appendTwoDigits(text, date.month);
  text.push_back('/');
  return text;
}

void appendHex(std::string& out, std::uint64_t bits, int digits) {
  constexpr std::string_view kHexDigits = "0123456789ABCDEF";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
    out.push_back(kHexDigits[(bits >> shift) & 0xFU]);
  }
}

}  // namespace

std::string versionText(double value) {
  if (value == 0.0) return "Unknown ver.";
  return formatNumber(value, "#0.0###");
}

std::string versionText(const ProgramVersion& version) {
  std::string text = std::to_string(version.major) + "." + std::to_string(version.minor) +
                     revisionSuffix(version.revision);
  if (version.revision < 1) text += revisionNumber(version);
  return text;
}

std::string debugVersionText(const ProgramVersion& version) {
  std::string text = versionText(version);
  if (version.revision >= 1) text += revisionNumber(version);
  return text;
}

std::string stripExtension(std::string_view fileName) {
  const std::string_view name = trimmed(fileName);
  return std::string(name.substr(0, name.rfind('.')));
}

std::string menuText(std::string_view caption) {
  const std::string_view shown = caption.substr(0, caption.find("..."));
  std::string text;
  text.reserve(shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] != '&') {
      text.push_back(shown[i]);
    } else if (i + 1 < shown.size() && shown[i + 1] == '&') {
      text.push_back('&');
      ++i;
    }
  }
  return text;
}

std::string dateText(const CalendarDate& date) {
  std::string text = dayAndMonth(date);
  appendTwoDigits(text, date.year / 100);
  appendTwoDigits(text, date.year % 100);
  return text;
}

std::string shortDateText(const CalendarDate& date) {
  std::string text = dayAndMonth(date);
  appendTwoDigits(text, date.year % 100);
  return text;
}

std::string generateId() {
  // Seeded afresh on every call: no generator state outlives the call, and two
  // identifiers made in the same instant still differ.
  std::random_device device;
  std::seed_seq seed{device(), device(), device(), device(),
                     device(), device(), device(), device()};
  std::mt19937_64 generator(seed);
  std::uint64_t high = generator();
  std::uint64_t low = generator();
  // Marked as a random (version 4) identifier, so that any tool that reads it
  // as a standard identifier accepts it.
  high = (high & ~std::uint64_t{0xF000}) | 0x4000;
  low = (low & ~(std::uint64_t{0xC} << 60)) | (std::uint64_t{0x8} << 60);

  std::string text = "{";
  appendHex(text, high >> 32, 8);
  text.push_back('-');
  appendHex(text, high >> 16, 4);
  text.push_back('-');
  appendHex(text, high, 4);
  text.push_back('-');
  appendHex(text, low >> 48, 4);
  text.push_back('-');
  appendHex(text, low, 12);
  text.push_back('}');
  return text;
}

// Every line of a file read passes here, most of them twice: a plain loop
// over the few blanks at each end costs far less than a search for a set.
}  // namespace korain
