// What the geometry of a hull section finds wrong, kept as finished texts until
// the caller shows them (the editor's message list, korain-cli's standard error).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/arrangement.h"
#include "text/format_message.h"

namespace korain {

class SectionMessages {
 public:
  // A damaged section can make every pair of its segments overlap: past this
  // many, one last text says that the rest were left out, and the checks stop.
  static constexpr std::size_t kCapacity = 1000;

  // Adds the numbered text with its arguments.
  void add(Long number, std::initializer_list<MessageArg> args);
  // Adds a finished text; line breaks become blanks, one line a message.
  void addText(std::string text);

  bool full() const { return texts_.size() >= kCapacity; }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  std::vector<std::string> texts_;
};

}  // namespace korain
