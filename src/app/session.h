// Everything the editor works on, owned in one place: the arrangement with its
// one level of undo, the ship data, where the arrangement lives, the computed
// geometry's state, the message list and the display options.
#pragma once

#include <functional>
#include <string>

#include "app/prompt.h"
#include "geometry/compute_geometry.h"
#include "messages/message_list.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"
#include "view/display_options.h"

namespace korain {

// The label that makes a new arrangement count as unsaved.
inline constexpr char kNewArrangementLabel[] = "basicaly";

enum class SaveDecision { Proceed, Cancel };

class Session {
 public:
  Arrangement& arrangement() { return arrangement_; }
  const Arrangement& arrangement() const { return arrangement_; }
  ShipData& ship() { return ship_; }
  const ShipData& ship() const { return ship_; }
  GeometryState& geometry() { return geometry_; }
  MessageList& messages() { return messages_; }
  DisplayOptions& display() { return display_; }
  const DisplayOptions& display() const { return display_; }

  std::string DatabasePath;
  Integer BlockNumber = 0;

  // Before a change: the arrangement is copied aside with the change's name,
  // and its geometry no longer counts as computed.
  void recordUndo(const std::string& label);

  // Whether there is a copy to go back to: not while clean, nor right after New.
  bool canUndo() const;
  // Puts the copy back; false (and nothing done) when there is nothing to undo.
  // The copy carries the geometry computed for it.
  bool undo();

  // A new arrangement counts as unsaved. There is no copy to go back to: the
  // one kept belongs to the arrangement that New replaced, so Undo is not
  // offered until the first change of the new one.
  void markNew();
  // Saved, or replaced by one read from the database: nothing to save or undo.
  void markClean() { undoLabel_.clear(); }

  const std::string& undoLabel() const { return undoLabel_; }
  bool hasUnsavedChanges() const { return !undoLabel_.empty(); }
  // "Undo " and the label while there is something to undo, else "&Undo"
  // (shown disabled).
  std::string undoMenuText() const;
  // The title, " - " and the arrangement's name when it has one, " *" when unsaved.
  std::string caption(const std::string& applicationTitle) const;

  // Before the arrangement is left: with unsaved changes the user is asked
  // whether to save (Yes saves through `save`, No drops them, Cancel stays).
  SaveDecision confirmSaveChanges(Prompt& prompt, const std::function<void()>& save);

 private:
  Arrangement arrangement_;
  Arrangement undoSnapshot_;
  std::string undoLabel_;
  ShipData ship_;
  GeometryState geometry_;
  MessageList messages_;
  DisplayOptions display_;
};

}  // namespace korain
