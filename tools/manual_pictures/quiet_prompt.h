// The answers of a user who lets every question pass: no modal box is shown,
// so that a tour of the windows runs unattended.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompt.h"

namespace korain::pictures {

class QuietPrompt final : public Prompt {
 public:
  using Prompt::ask;
  // Messages go to standard error, where a broken tour shows why.
  void showMessage(const std::string& text) override;
  // No, or Cancel where it is offered: nothing is changed behind the pictures.
  Answer ask(const Question& question) override;
  std::optional<std::string> askFileName(const FileQuestion& question) override;
};

}  // namespace korain::pictures
