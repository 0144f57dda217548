// Programs run as whole processes by the benchmarks, timed and measured.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measured_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

namespace korain::bench {
namespace {

// A spawned process's standard output: thrown away, or into a pipe's end.
class OutputTo {
 public:
  explicit OutputTo(int pipeEnd = -1) {
    ::posix_spawn_file_actions_init(&actions_);
    if (pipeEnd < 0) {
      ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    } else {
      ::posix_spawn_file_actions_adddup2(&actions_, pipeEnd, STDOUT_FILENO);
    }
  }
  ~OutputTo() { ::posix_spawn_file_actions_destroy(&actions_); }
  OutputTo(const OutputTo&) = delete;
  OutputTo& operator=(const OutputTo&) = delete;

  const posix_spawn_file_actions_t* actions() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_{};
};

// Spawns the program and waits for its end.
ProcessRun spawnAndWait(char** argv, const OutputTo& output) {
  pid_t child = 0;
  if (::posix_spawn(&child, argv[0], output.actions(), nullptr, argv, environ) != 0) return {};
  int status = 0;
  struct rusage usage {};
  if (::wait4(child, &status, 0, &usage) != child) return {};
  return {WIFEXITED(status) && WEXITSTATUS(status) == 0, usage.ru_maxrss};
}

std::vector<char*> argvOf(std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return argv;
}

}  // namespace

std::string benchmarkProgram() {
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return path;
}

bool runProcess(const std::vector<std::string>& arguments) {
  std::vector<std::string> copy = arguments;
  return spawnAndWait(argvOf(copy).data(), OutputTo()).succeeded;
}

ProcessRun runMeasuredProcess(const std::vector<std::string>& arguments) {
  std::vector<std::string> measured = {
      std::filesystem::path(benchmarkProgram()).replace_filename("korain_peak").string()};
  measured.insert(measured.end(), arguments.begin(), arguments.end());
  // Both ends close when a program starts: only the copy made standard output stays open.
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) return {};
  const ProcessRun measurer = spawnAndWait(argvOf(measured).data(), OutputTo(ends[1]));
  ::close(ends[1]);
  std::string report;
  char buffer[256];
  for (ssize_t got = 0; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
    report.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(ends[0]);
  int status = 1;
  ProcessRun run;
  if (measurer.succeeded && std::istringstream(report) >> status >> run.peakKilobytes) {
    run.succeeded = status == 0;
  }
  return run;
}

ProcessRun runAndWait(char** arguments) { return spawnAndWait(arguments, OutputTo()); }

}  // namespace korain::bench
