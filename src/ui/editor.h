// What the panels, dialogs and the drawing window ask of the editor around
// them: the session, the questions to the user and the refresh cycle.
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
  bool refreshing() const { return session_.Refreshing; }

  // Before every change: the arrangement is copied aside under the label, its
  // geometry counts as stale, the caption and the undo item follow.
  void recordUndo(const std::string& label) {
    session_.recordUndo(label);
    refreshCaption();
    refreshUndoMenu();
  }

  // After any change: the message list is emptied when the geometry is stale,
  // the geometry recomputed, then the panel, menus, caption and drawing refreshed.
  virtual void refreshAll() = 0;
  // The current panel refilled from the model (and the selector above it).
  virtual void refreshPanel() = 0;
  virtual void refreshMenuToolBar() = 0;
  virtual void refreshUndoMenu() = 0;
  virtual void refreshCaption() = 0;
  // Clears the refreshing flag and repaints the drawing.
  virtual void refreshDrawing() = 0;
  virtual void refreshBulkheadSelector() = 0;
  // The message list under the main window shows the session's messages.
  virtual void refreshMessageList() = 0;

  // Recomputes the geometry when stale and shows the messages it gave.
  void computeGeometry() {
    session_.computeGeometry();
    refreshMessageList();
  }

  // A message for the message list that the user must also acknowledge.
  void reportMessage(const std::string& text) {
    session_.messages().add(text);
    refreshMessageList();
    prompt_.showMessage(text);
  }

  // The status line of the main window; an empty text clears it.
  virtual void showStatus(const std::string& text) = 0;

 private:
  Session& session_;
  Prompt& prompt_;
};

}  // namespace korain
