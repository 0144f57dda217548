// The family's configuration file "Tessaly.ini": values by section and key, parsed leniently.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "configuration_ranges.h"
#include "model/arrangement.h"

class QSettings;

namespace korain {

inline constexpr std::string_view kConfigurationFileName = "Tessaly.ini";

// The configuration file: in the folder named by the environment variable
// KORAIN_CONFIG_DIR when it is set and not empty, otherwise in the platform's
// standard configuration folder.
std::string configurationFilePath();

// The outcome of writing the configuration file: empty error when written.
struct ConfigWriteResult {
  std::string error;
  bool ok() const { return error.empty(); }
};

// A number the file holds that the program does not take, being no number or outside its
// range: the default is used in its place.
struct RefusedValue {
  std::string section;
  std::string key;
  std::string found;
  ValueRange range;
  std::string defaultValue;  // as the file holds it
};
using RefusedValues = std::vector<RefusedValue>;

// The refusal as the user reads it, with the section, the key, the value found, the range
// and the default used.
std::string refusalText(const RefusedValue& refused);

// One configuration file, opened for the length of one read or write. A file or
// folder that does not exist reads as empty; writing creates both. Sections and
// keys are given by their numbered texts, so that every program of the family
// uses the same names, or as plain names for the few fixed ones.
class IniFile {
 public:
  // Numbers the file holds but the program does not take are noted in `refused` when given.
  explicit IniFile(const std::string& path, RefusedValues* refused = nullptr);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // The value, or nothing when the key is missing. Values are cut to 399
  // characters, as the family's programs read them into 400-character buffers.
  std::optional<std::string> find(std::string_view section, std::string_view key) const;
  std::optional<std::string> find(Long section, Long key) const;

  std::string text(Long section, Long key, std::string_view defaultValue) const;
  // The default when the key is missing, or its value is not a whole number or lies outside
  // the range; such a value is noted as refused.
  int integer(Long section, Long key, int defaultValue, const ValueRange& range) const;
  // The same for a finite decimal number.
  Single number(Long section, Long key, Single defaultValue, const ValueRange& range) const;

  void setText(std::string_view section, std::string_view key, std::string_view value);
  void setText(Long section, Long key, std::string_view value);
  void setInteger(Long section, Long key, int value);
  void setNumber(Long section, Long key, Single value);
  void remove(std::string_view section, std::string_view key);

  // Writes what was set to the file.
  ConfigWriteResult save();

 private:
  // The value of a number key, or the default when the key is missing or `parse` refuses
  // its text or the range its value.
  template <typename Number, typename Parse>
  Number checked(Long section, Long key, Number defaultValue, const ValueRange& range,
                 Parse parse) const;

  std::unique_ptr<QSettings> settings_;
  RefusedValues* refused_;
};

// An integer value: optional blanks, an optional sign and decimal digits, nothing else.
std::optional<int> parseIniInteger(std::string_view text);

// A decimal number with "." as separator (an exponent is allowed); nothing for
// anything else, or for a value a Single cannot hold.
std::optional<Single> parseIniNumber(std::string_view text);

// The shortest decimal text that reads back as the same Single ("1.5", "3", "0.1").
std::string iniNumberText(Single value);
std::string iniNumberText(int value);

// A hexadecimal value in the family's "&H" notation, read leniently: blanks
// around it, the prefix "&H" in either case, "0x" or none, leading zeros, and a
// trailing "&" as some programs write it. "&H" alone is 0. Nothing for any other
// character, for no digits without a prefix, or for a value beyond 32 bits.
std::optional<std::uint32_t> parseHexValue(std::string_view text);

// "&H" followed by the value in upper-case hexadecimal digits.
std::string hexValueText(std::uint32_t value);

}  // namespace korain
