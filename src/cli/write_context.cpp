// Who and when, for the comment lines of the blocks that korain-cli writes.
#include "write_context.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>

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

ZelWriteContext currentWriteContext() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
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
