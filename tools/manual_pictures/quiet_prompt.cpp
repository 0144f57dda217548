// The answers of a user who lets every question pass, without a box shown.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiet_prompt.h"

#include <cstdio>

namespace korain::pictures {

void QuietPrompt::showMessage(const std::string& text) {
  std::fprintf(stderr, "message: %s\n", text.c_str());
}

Answer QuietPrompt::ask(const Question& question) {
  std::fprintf(stderr, "question: %s\n", question.text.c_str());
  return question.choices == Choices::YesNoCancel ? Answer::Cancel : Answer::No;
}

std::optional<std::string> QuietPrompt::askFileName(const FileQuestion& question) {
  std::fprintf(stderr, "file question: %s\n", question.title.c_str());
  return std::nullopt;
}

}  // namespace korain::pictures
