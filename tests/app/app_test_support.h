// Scripted answers, scratch files, the current folder and a session on the example for the app
// layer's tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "geometry/geometry_cache.h"
#include "geometry/ship_fit_checks.h"
#include "prompt.h"
#include "session.h"
#include "session_loading.h"
#include "ship/ship_queries.h"

namespace korain::testing {

// Answers questions and file prompts from scripts (cancel, or No, when they run out) and
// records what it was shown and asked.
struct ScriptedPrompt : Prompt {
  using Prompt::ask;
  void showMessage(const std::string& text) override { messages.push_back(text); }
  Answer ask(const Question& question) override {
    messages.push_back(question.text);
    asked.push_back(question);
    const Answer answer =
        answers.empty() ? (question.choices == Choices::YesNoCancel ? Answer::Cancel : Answer::No)
                        : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  std::optional<std::string> askFileName(const FileQuestion& question) override {
    questions.push_back(question);
    if (fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }

  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<Answer> answers;         // to the questions, in turn
  std::vector<std::string> messages;  // the messages and the questions' texts, in turn
  std::vector<Question> asked;        // the questions with their icons and default buttons
  std::vector<FileQuestion> questions;
};

class ScratchFolder {
 public:
  std::string path() const { return dir_.path().toStdString(); }
  std::string file(const std::string& name) const { return path() + "/" + name; }
  std::string ini() const { return file("Tessaly.ini"); }

 private:
  QTemporaryDir dir_;
};

inline void writeFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The command line as a shell splits `line`: at its blanks.
inline CommandLine argumentsOf(const std::string& line) {
  return parseArguments(QString::fromStdString(line).split(' ', Qt::SkipEmptyParts));
}

// The session as a run with other switches or paths would have it.
inline void changeRun(Session& session, const std::function<void(StartupState&)>& change) {
  StartupState run = session.run();
  change(run);
  session.startRun(std::move(run));
}

// The session as a database with other ship data would have it.
inline void changeShip(Session& session, const std::function<void(ShipData&)>& change) {
  ShipData ship = session.ship();
  change(ship);
  session.enterDatabase(session.database(), std::move(ship));
}

// Changes bulkhead 1 through the session's one change path, as a panel does.
inline void changeFirstBulkhead(Session& session, const std::function<void(Bulkhead&)>& edit,
                                Follow follow = kRefreshAll) {
  session.change({.label = "test",
                  .scope = EditScope::bulkhead(1),
                  .edit = [edit](Arrangement& a) { edit(a.Bulkheads.at(1)); },
                  .follow = follow});
}

// The texts of messages, which say most of what differs when two lists do.
inline std::vector<std::string> textsOf(const std::vector<Message>& messages) {
  std::vector<std::string> texts;
  for (const Message& message : messages) texts.push_back(message.text);
  return texts;
}

// The session shows what a computation from scratch of the same data gives:
// every computed field, every message (the bulkheads' in order, then those of
// the checks against the ship), and the newest of them in the message list.
inline void expectAsComputedFromScratch(const Session& session, const std::string& step) {
  Arrangement fresh = session.arrangement();
  GeometryCache geometry;
  geometry.invalidateAll(fresh.Bulkheads.count());
  geometry.compute(fresh, defaultPlatingMaterial(session.ship()));
  std::optional<HullExtent> hull;
  if (session.hullSection() != nullptr) hull.emplace(*session.hullSection());
  std::vector<Message> expected = geometry.allMessages();
  for (Message& m : checkShipFit(fresh, hull ? &*hull : nullptr, session.ship().B)) {
    expected.push_back(std::move(m));
  }
  EXPECT_TRUE(session.arrangement() == fresh) << step << ": a computed field is stale";
  EXPECT_EQ(textsOf(session.allMessages()), textsOf(expected)) << step;
  EXPECT_TRUE(session.allMessages() == expected) << step << ": a message names another object";
  const std::deque<Message>& listed = session.messages().messages();
  const std::size_t newest = std::min(expected.size(), MessageList::kCapacity);
  EXPECT_TRUE(std::equal(listed.begin(), listed.end(), expected.end() - static_cast<long>(newest),
                         expected.end()) &&
              listed.size() == newest)
      << step << ": the message list shows other messages";
}

inline std::string exampleDatabase() { return readFile(KORAIN_EXAMPLES "/bulk_carrier.ko2"); }

// Restores the process's current folder after a test that changes it.
class CurrentFolderGuard {
 public:
  ~CurrentFolderGuard() { std::filesystem::current_path(saved_); }

 private:
  std::filesystem::path saved_ = std::filesystem::current_path();
};

// A session on block 1 of a scratch copy of the example, and answers scripted for it.
class ExampleSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(database_, exampleDatabase());
    openDatabase(session_, database_);
    ASSERT_TRUE(openArrangement(session_, 1).found());
  }

  ScratchFolder scratch_;
  std::string database_ = scratch_.file("ship.ko2");
  Session session_;
  ScriptedPrompt prompt_;
};

}  // namespace korain::testing
