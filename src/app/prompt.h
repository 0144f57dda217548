// The questions the program puts to the user, behind one interface so that tests can answer them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace korain {

enum class Answer { Yes, No, Cancel };

// The buttons a question offers; OkCancel asks with a warning whether to go
// on, and its Ok answers Yes.
enum class Choices { YesNo, YesNoCancel, OkCancel };

// The icon a question shows: its choices' own (a question mark; the warning
// sign with OkCancel), or the critical stop of a question about going on
// against a rule.
enum class Icon { Usual, CriticalStop };

// A question: its text, buttons and icon, and the answer of the default
// button, which Enter gives (Yes or Ok unless told otherwise).
struct Question {
  std::string text;
  Choices choices = Choices::YesNo;
  Icon icon = Icon::Usual;
  Answer defaultAnswer = Answer::Yes;
};

// A file prompt. The filter is in the family's form, pairs of description and
// patterns separated by "|" ("Ship database (*.ko2)|*.ko2"); the default
// extension (without its dot) is added to a name typed without one.
struct FileQuestion {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::string initialName;  // a file or a folder to start in; empty: the current folder
  bool save = false;        // asking for a file to write, which need not exist
};

// Every message box and file dialog goes through here. The editor shows them
// with widgets; tests script the answers. Texts are UTF-8 and may hold the
// message line break (kMessageLineBreak of format_message.h), which the
// implementation turns into a new line.
class Prompt {
 public:
  virtual ~Prompt() = default;

  // A message the user acknowledges with OK.
  virtual void showMessage(const std::string& text) = 0;

  // A question answered Yes, No or, with Yes/No/Cancel, Cancel (closing the
  // box cancels, or says No without a Cancel button).
  virtual Answer ask(const Question& question) = 0;
  // The usual question: its choices' own icon, Yes (Ok) the default.
  Answer ask(const std::string& text, Choices choices) { return ask(Question{text, choices}); }

  // Asks for a file name; nothing when the user cancels.
  virtual std::optional<std::string> askFileName(const FileQuestion& question) = 0;
};

}  // namespace korain
