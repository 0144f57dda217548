// korain-cli resave killed at random moments of its save: the database is
// always exactly the old or the new file, and the temporary files the killed
// saves left are removed by the next save.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "../core/io/zel_test_support.h"
#include "io/text_file.h"
#include "sample_arrangement.h"

namespace korain::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kDatabaseBytes = 8'000'000;
constexpr int kKills = 60;
constexpr int kKillsPerRound = 10;
constexpr int kMaxKills = 300;

std::string readAll(const fs::path& path) {
  std::string error;
  return readFileBytes(path.string(), error).value_or("<unreadable>");
}

void writeAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A database of about 8 MB: arrangements of a few bulkheads each.
std::string largeDatabase() {
  std::string text = "* a large database\r\n";
  Arrangement arrangement = sampleArrangement({.bulkheads = 4, .nodes = 40, .stiffeners = 40});
  for (Integer n = 1; text.size() < kDatabaseBytes; ++n)
    writeZelBlock(text, arrangement, n, fixedContext());
  return text;
}

// Starts korain-cli resave of block 50, with the time fixed so that every save writes the same
// bytes.
pid_t startResave(const fs::path& database) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const std::string path = database.string();
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, STDOUT_FILENO);
    ::execl(KORAIN_CLI, KORAIN_CLI, "resave", path.c_str(), "50", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return child;
}

int waitFor(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

// The duration of one save left to end, from the old file.
Clock::duration timedSave(const fs::path& database, const std::string& old) {
  writeAll(database, old);
  const Clock::time_point start = Clock::now();
  waitFor(startResave(database));
  return Clock::now() - start;
}

TEST(KillDuringSave, TheDatabaseIsAlwaysTheOldOrTheNewFile) {
  const fs::path folder = fs::temp_directory_path() / ("korain-kill-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path database = folder / "ship.ko2";
  const std::string old = largeDatabase();
  writeAll(database, old);

  const std::string fresh = [&] {
    EXPECT_EQ(waitFor(startResave(database)), 0);
    return readAll(database);
  }();
  ASSERT_NE(fresh, old);

  // A save's duration varies with the machine's load, so it is measured again between rounds
  // of kills, and the kills go on (up to a limit) until both outcomes have occurred: kills
  // that all came too early or too late would prove nothing.
  std::mt19937 random(20261206);
  Clock::duration longestSave{};
  int asOld = 0;
  int asNew = 0;
  for (int kill = 0; kill < kMaxKills && (kill < kKills || asOld == 0 || asNew == 0); ++kill) {
    if (kill % kKillsPerRound == 0) longestSave = std::max(longestSave, timedSave(database, old));
    const auto limit = std::chrono::duration_cast<std::chrono::microseconds>(longestSave);
    std::uniform_int_distribution<long> moment(0, limit.count() * 3 / 2);
    writeAll(database, old);
    const pid_t child = startResave(database);
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(child, SIGKILL);
    waitFor(child);
    const std::string now = readAll(database);
    ASSERT_TRUE(now == old || now == fresh) << "kill " << kill << ": a mixed file";
    (now == old ? asOld : asNew) += 1;
  }
  EXPECT_GT(asOld, 0);
  EXPECT_GT(asNew, 0);

  // The killed saves are gone: the next save removes what they left.
  ASSERT_EQ(waitFor(startResave(database)), 0);
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_FALSE(entry.path().filename().string().ends_with(".tmp")) << entry.path();
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace korain::testing
