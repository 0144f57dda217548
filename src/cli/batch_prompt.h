// The questions of a save answered on the command line, where nobody is there
// to answer: every message goes to standard error, every question is answered
// No and no other file is chosen, so that nothing is written that the command
// did not name.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "prompt.h"
#include "text/format_message.h"

namespace korain {

class BatchPrompt : public Prompt {
 public:
  explicit BatchPrompt(std::ostream& err) : err_(err) {}

  void showMessage(const std::string& text) override {
    std::string line = text;
    for (char& c : line) {
      if (c == kMessageLineBreak) c = ' ';
    }
    err_ << line << '\n';
  }
  using Prompt::ask;
  Answer ask(const Question& question) override {
    showMessage(question.text + " No: nothing was written.");
    return Answer::No;
  }
  std::optional<std::string> askFileName(const FileQuestion& /*question*/) override {
    return std::nullopt;
  }

 private:
  std::ostream& err_;
};

}  // namespace korain
