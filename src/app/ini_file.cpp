// Access to the family's configuration file "Tessaly.ini" through QSettings in INI format.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini_file.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariant>
#include <charconv>
#include <cmath>
#include <limits>

#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {
namespace {

// The family's programs read values into 400-character buffers, which keep 399
// characters and the end mark; cutting the same way lets them all see one value.
constexpr qsizetype kValueLimit = 399;

QString qText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString settingsKey(std::string_view section, std::string_view key) {
  return qText(section) + QLatin1Char('/') + qText(key);
}

QString settingsKey(Long section, Long key) {
  return settingsKey(korainString(section), korainString(key));
}

// from_chars reads a "-" but no "+"; the file may carry either.
std::string_view withoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
    text.remove_prefix(1);
  }
  return text;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string configurationFilePath() {
  QString folder = qEnvironmentVariable("KORAIN_CONFIG_DIR");
  if (folder.isEmpty()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  }
  return QDir(folder).filePath(qText(kConfigurationFileName)).toStdString();
}

std::string refusalText(const RefusedValue& refused) {
  return std::string(kConfigurationFileName) + " [" + refused.section + "] " + refused.key +
         ": \"" + refused.found + "\" is not " + refused.range.text() + "; the default " +
         refused.defaultValue + " is used";
}

IniFile::IniFile(const std::string& path, RefusedValues* refused)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat)),
      refused_(refused) {}

IniFile::~IniFile() = default;

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key) const {
  const QVariant value = settings_->value(settingsKey(section, key));
  // A value QSettings cannot make sense of ("@Variant(" junk) counts as missing.
  if (!value.isValid()) return std::nullopt;
  // QSettings splits an unquoted value at its commas, as another program may
  // have written "Smith, Jones"; the value meant is the whole text.
  QString text = value.typeId() == QMetaType::QStringList
                     ? value.toStringList().join(QStringLiteral(", "))
                     : value.toString();
  if (text.size() > kValueLimit) {
    qsizetype cut = kValueLimit;
    if (text.at(cut - 1).isHighSurrogate()) --cut;  // never half a character
    text.truncate(cut);
  }
  return text.toStdString();
}

std::optional<std::string> IniFile::find(Long section, Long key) const {
  return find(korainString(section), korainString(key));
}

std::string IniFile::text(Long section, Long key, std::string_view defaultValue) const {
  return find(section, key).value_or(std::string(defaultValue));
}

template <typename Number, typename Parse>
Number IniFile::checked(Long section, Long key, Number defaultValue, const ValueRange& range,
                        Parse parse) const {
  const std::optional<std::string> text = find(section, key);
  if (!text) return defaultValue;
  const std::optional<Number> value = parse(*text);
  if (value && range.holds(static_cast<double>(*value))) return *value;
  if (refused_ != nullptr) {
    refused_->push_back({.section = korainString(section),
                         .key = korainString(key),
                         .found = *text,
                         .range = range,
                         .defaultValue = iniNumberText(defaultValue)});
  }
  return defaultValue;
}

int IniFile::integer(Long section, Long key, int defaultValue, const ValueRange& range) const {
  return checked(section, key, defaultValue, range, parseIniInteger);
}

Single IniFile::number(Long section, Long key, Single defaultValue, const ValueRange& range) const {
  return checked(section, key, defaultValue, range, parseIniNumber);
}

void IniFile::setText(std::string_view section, std::string_view key, std::string_view value) {
  settings_->setValue(settingsKey(section, key), qText(value));
}

void IniFile::setText(Long section, Long key, std::string_view value) {
  settings_->setValue(settingsKey(section, key), qText(value));
}

void IniFile::setInteger(Long section, Long key, int value) {
  setText(section, key, iniNumberText(value));
}

void IniFile::setNumber(Long section, Long key, Single value) {
  setText(section, key, iniNumberText(value));
}

void IniFile::remove(std::string_view section, std::string_view key) {
  settings_->remove(settingsKey(section, key));
}

ConfigWriteResult IniFile::save() {
  settings_->sync();
  // A FormatError here only says the old file could not be parsed; QSettings
  // has then written a clean file over it, which is what we want.
  if (settings_->status() == QSettings::AccessError) {
    return {"Cannot write the configuration file " + settings_->fileName().toStdString()};
  }
  return {};
}

std::optional<int> parseIniInteger(std::string_view text) {
  text = withoutPlus(trimmed(text));
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<Single> parseIniNumber(std::string_view text) {
  text = withoutPlus(trimmed(text));
  Single value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string iniNumberText(Single value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, result.ptr};
}

std::string iniNumberText(int value) { return std::to_string(value); }

std::optional<std::uint32_t> parseHexValue(std::string_view text) {
  text = trimmed(text);
  bool prefixed = false;
  if (text.size() >= 2) {
    const bool ampersandH = text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
    const bool zeroX = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    prefixed = ampersandH || zeroX;
    if (prefixed) text.remove_prefix(2);
  }
  // Some programs write the type mark of a long value after the digits.
  if (text.ends_with('&')) text.remove_suffix(1);
  if (text.empty()) return prefixed ? std::optional<std::uint32_t>(0) : std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    const int digit = hexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::string hexValueText(std::uint32_t value) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return "&H" + digits;
}

}  // namespace korain
