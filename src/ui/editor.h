// What the panels, dialogs and the drawing window ask of the editor around
// them: the session, through which every change goes, the questions to the
// user and the status line.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "prompt.h"
#include "session.h"

namespace korain {

class Editor {
 public:
  Editor(Session& session, Prompt& prompt) : session_(session), prompt_(prompt) {}
  virtual ~Editor() = default;
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  Session& session() { return session_; }
  const Session& session() const { return session_; }
  Prompt& prompt() { return prompt_; }
  // Windows are being filled from the model: change handlers do nothing.
  bool refreshing() const { return session_.refreshing(); }

  // Hands a change to the session's one change path, then has the user
  // acknowledge what its edit told: its messages, listed by then, and its
  // notices.
  void change(const ChangeRequest& request) {
    const EditOutcome outcome = session_.change(request);
    for (const Message& message : outcome.messages) prompt_.showMessage(message.text);
    for (const std::string& notice : outcome.notices) prompt_.showMessage(notice);
  }

  // A message for the message list that the user must also acknowledge.
  void reportMessage(const std::string& text) {
    session_.report(text);
    prompt_.showMessage(text);
  }

  // How near (m) the mouse must come to an object to pick it in the drawing's
  // current view: an edit that places or finds an object by position is given it.
  virtual double pickTolerance() const = 0;

  // The status line of the main window; an empty text clears it.
  virtual void showStatus(const std::string& text) = 0;

 private:
  Session& session_;
  Prompt& prompt_;
};

// Shows a status text for as long as a piece of work lasts.
class StatusScope {
 public:
  StatusScope(Editor& editor, const std::string& text) : editor_(editor) {
    editor_.showStatus(text);
  }
  ~StatusScope() { editor_.showStatus({}); }
  StatusScope(const StatusScope&) = delete;
  StatusScope& operator=(const StatusScope&) = delete;

 private:
  Editor& editor_;
};

}  // namespace korain
