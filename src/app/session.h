// Everything the editor works on, owned in one place: the arrangement with its
// one level of undo, the ship data, where the arrangement lives, the computed
// geometry's state, the message list and the display options.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "configuration.h"
#include "prompt.h"
#include "startup.h"
#include "geometry/compute_geometry.h"
#include "messages/message_list.h"
#include "model/arrangement.h"
#include "section/section.h"
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
  // The database as last read or written: should the file vanish while the
  // arrangement is edited, saving can write it again from here.
  std::string DatabaseCopy;

  // The run's modes, title and preferences, settled at start-up.
  StartupState run;
  // Who saves: the identification values written into the block's comments.
  IdentificationConfig identification;
  // How the drawing on screen labels its objects.
  DisplayConfig screen = defaultDisplayConfig();
  // The hull section drawn behind the bulkheads: the database's section nearest
  // to the arrangement's X, none when the database has no section.
  std::optional<Section> hullSection;

  // How near (m) the mouse must come to an object to pick it; the drawing sets
  // it from the mouse tolerance and the visible width at every repaint.
  double PickTolerance = 0.05;

  // True while windows are filled from the model: change handlers then do nothing.
  bool Refreshing = false;
  // The panel's second selector: the check kind of the check panels, the tab
  // of the ordinary stiffeners panel.
  Long SubView = 0;

  // Before a change: the arrangement is copied aside with the change's name,
  // and its geometry no longer counts as computed.
  void recordUndo(const std::string& label);

  // Computes the arrangement's geometry when it no longer matches its data; the
  // inconsistencies go to the message list.
  void computeGeometry();

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
  // A save that did not happen keeps the user where they are, changes intact.
  SaveDecision confirmSaveChanges(Prompt& prompt, const std::function<bool()>& save);

 private:
  Arrangement arrangement_;
  Arrangement undoSnapshot_;
  std::string undoLabel_;
  ShipData ship_;
  GeometryState geometry_;
  MessageList messages_;
  DisplayOptions display_;
};

// Sets the refreshing flag for its lifetime and restores the previous value.
class RefreshingScope {
 public:
  explicit RefreshingScope(Session& session) : session_(session), previous_(session.Refreshing) {
    session_.Refreshing = true;
  }
  ~RefreshingScope() { session_.Refreshing = previous_; }
  RefreshingScope(const RefreshingScope&) = delete;
  RefreshingScope& operator=(const RefreshingScope&) = delete;

 private:
  Session& session_;
  bool previous_;
};

}  // namespace korain
