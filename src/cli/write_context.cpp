// Who and when, for the comment lines of the blocks that korain-cli writes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "write_context.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>

#include "model/versions.h"
#include "text/text_utils.h"

namespace korain {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string machineName() {
  std::string name;
  std::ifstream("/etc/hostname") >> name;
  return name;
}

}  // namespace

std::optional<std::time_t> sourceDateEpoch() {
  const std::string text = environment("SOURCE_DATE_EPOCH");
  long long seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return static_cast<std::time_t>(seconds);
}

ZelWriteContext currentWriteContext() {
  const std::optional<std::time_t> fixed = sourceDateEpoch();
  const std::time_t now =
      fixed.value_or(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
  std::tm local{};
  if (fixed) {
    gmtime_r(&now, &local);
  } else {
    localtime_r(&now, &local);
  }
  char time[16];
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return {.program = kProgramVersion,
          .user = environment("USER"),
          .site = machineName(),
          .date = dateText({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}),
          .time = time,
          .identification = {}};
}

}  // namespace korain
