// Everything the editor works on, owned in one place: the arrangement with its
// undo history and computed geometry, the message list, and in three groups
// the database's place with its ship data, the run's settings and the
// screen's settings. Every change of the arrangement comes through `change`,
// the one change path; every other state changes through a function that
// says what it refreshes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "change_request.h"
#include "configuration.h"
#include "edit/edited_arrangement.h"
#include "geometry/ship_fit_checks.h"
#include "messages/message_list.h"
#include "model/arrangement.h"
#include "model/selection.h"
#include "prompt.h"
#include "section/section.h"
#include "session_view.h"
#include "ship/ship_data.h"
#include "ship/ship_data_reader.h"
#include "startup.h"
#include "view/display_options.h"

namespace korain {

enum class SaveDecision { Proceed, Cancel };

// Where the arrangement lives: the database and the block it was read from or
// saved to (0: not yet saved).
struct DatabasePlace {
  std::string DatabasePath;
  Integer BlockNumber = 0;
  // The database as last read or written: should the file vanish while the
  // arrangement is edited, saving can write it again from here.
  std::string DatabaseCopy;
  // Whether the database held ship data: the risk of resonance is judged only then.
  ShipDataPresence ShipPresence = ShipDataPresence::Missing;
};

class Session {
 public:
  Session();

  // The arrangement as the windows read it; it changes through `change`,
  // `moveSelection` and `amend` only.
  const Arrangement& arrangement() const { return edited_.arrangement(); }
  // Its computed geometry, undo history and versions of its bulkheads.
  const EditedArrangement& edited() const { return edited_; }
  // The message list: the latest messages of the computation and of the
  // checks against the ship, then what was reported since.
  const MessageList& messages() const { return messages_; }
  // Every message of the latest computation, bulkhead by bulkhead, then those
  // of the checks of the arrangement against the ship (its main data, the
  // nodes outside the hull section).
  std::vector<Message> allMessages() const;
  // How many errors and warnings they are, without copying them.
  MessageCount messageCount() const;
  // How many messages were reported after the latest computation was listed
  // (a refusal, a file's remarks); the list holds the newest of them all.
  std::size_t toldSinceComputed() const { return told_; }

  // The database's place and the ship data it held.
  const DatabasePlace& database() const { return database_; }
  const ShipData& ship() const { return ship_; }
  // A database becomes the session's: its place, its copy and the ship data
  // read from it. Refreshes nothing: an arrangement is opened or made next.
  void enterDatabase(DatabasePlace place, ShipData ship);
  // The database's bytes as just read or written. Refreshes nothing.
  void keepDatabaseCopy(std::string bytes);
  // The arrangement now lives in block `block` of `path`: opened or saved
  // there, 0 for one not yet saved. Refreshes nothing: no window shows it.
  void placeArrangement(std::string path, Integer block);

  // The run's settings: the switches of the command line, the title and the
  // working paths, settled at start-up.
  const StartupState& run() const { return run_.state; }
  // "Tessaly.ini", where the preferences are written; empty for a run that
  // keeps nothing.
  const std::string& iniPath() const { return run_.iniPath; }
  // Who saves: the identification values written into the block's comments.
  const IdentificationConfig& identification() const { return run_.identification; }
  // The run as start-up settled it. Refreshes nothing: the windows read the
  // switches as they are built.
  void startRun(StartupState state);
  // Takes who saves and the screen's labels from the preferences file, where
  // the preferences are later written too. Refreshes nothing: the main
  // window is not yet shown.
  void usePreferencesFile(std::string iniPath);
  // The working paths: the zoom factor, the mouse tolerance and the backup
  // copy follow at once. Refreshes nothing: they are read where they are used.
  void setPaths(PathConfig paths);

  // How the drawing on screen labels its objects.
  const DisplayConfig& screen() const { return screen_.labels; }
  // What the drawing shows, the panel shown, the tool and the check view.
  const DisplayOptions& display() const { return screen_.display; }
  // The hull section drawn behind the bulkheads: the database's section nearest
  // to the arrangement's X, none when the database has no section.
  const Section* hullSection() const {
    return screen_.hullSection ? &*screen_.hullSection : nullptr;
  }
  // The panel's second selector: the check kind of the check panels, the tab
  // of the ordinary stiffeners panel.
  Long subView() const { return screen_.subView; }
  // The screen's labels; refreshes the drawing.
  void setScreen(DisplayConfig labels);
  // What the drawing always shows (the display word); refreshes the drawing.
  void setDisplayWord(Long word);
  // Whether the stiffeners panel shows the spans' supports; refreshes the drawing.
  void setStiffenerSupports(bool shown);
  // The positions of the row the stiffener wizard would add, drawn until an
  // empty list takes them away: a view of the wizard's fields, no change of
  // the arrangement. Refreshes the drawing.
  void showRowPreview(std::vector<Single> positions);
  // The panel shown, and with it the check view and the selection settled for
  // it; refreshes as `follow` says (not at all for Nothing).
  void showPanel(PanelCode panel, Follow follow);
  // The panel's second selector, and with it the check view; refreshes as
  // `follow` says (not at all for Nothing).
  void setSubView(Long subView, Follow follow);
  // The drawing's tool, picking or zooming; refreshes as `follow` says (not
  // at all for Nothing).
  void chooseTool(Integer tool, Follow follow);
  // Looks up the hull section nearest to the arrangement's X again (a new
  // arrangement, or none), in the copy of the database, and checks the nodes
  // against it. Refreshes nothing.
  void findHullSection();

  // True while the session has its windows filled from the model: change
  // handlers then do nothing.
  bool refreshing() const { return refreshing_; }

  // The windows that show the session, refreshed after every change; none
  // (the default) for work without windows.
  void setView(SessionView* view) { view_ = view; }

  // A fresh arrangement, read from the database or new: its geometry is
  // computed, its history starts empty, and it is clean unless new.
  void startArrangement(Arrangement arrangement, Origin origin);
  // Whether an arrangement was read or made: before, there is nothing to save.
  bool hasArrangement() const { return hasArrangement_; }

  // The one change path: records an undo level under the request's label,
  // applies its edit, marks what is unsaved, recomputes what the edit can
  // change, settles what the panels show (below), lists the messages the
  // edit told after those of the computation, then refreshes the windows as
  // the request says, the message list and the drawing always. Gives what
  // the edit told, for the windows to have it acknowledged.
  //
  // Settled after every change of the arrangement, the selection or the
  // panel, so that the windows only read: the selection for the panel shown
  // (`settleSelection`), the stiffener or corrugation panel as the current
  // bulkhead's type wants it, and on the bulkhead panel the stool tops the
  // contour gives, stored as `amend` stores.
  EditOutcome change(const ChangeRequest& request);
  // Puts `selection` in place (current indices, selected stiffeners), settled:
  // nothing recorded; the windows refresh as `follow` says (not at all for Nothing).
  void moveSelection(const Selection& selection, Follow follow);
  // Stores what is no edit of the user's: a default shown as data, the name
  // and identifier a save gives. Nothing recorded, and an arrangement without
  // unsaved changes stays without. No refresh.
  void amend(const EditScope& scope, const Edit& fill);
  // Stores what the user accepted without editing it (a default a dialog
  // showed): no undo level, but the unsaved mark shows that the arrangement
  // now differs from the file; the bulkheads of `scope` are computed again,
  // and the windows refresh as `follow` says, the message list and the
  // drawing always.
  void storeUnrecorded(const EditScope& scope, const Edit& edit, Follow follow);
  // Refreshes the windows for what is no part of the arrangement (what the
  // drawing shows, the panel chosen). A refresh that fills a check panel
  // builds its legend first, colouring the arrangement as `amend` stores.
  void refresh(Follow follow);
  // Adds finished texts about no object to the message list, as they are (a
  // placeholder sign in a file name stays), and shows them.
  void report(const std::string& text);
  void report(const std::vector<std::string>& texts);
  // Computes every bulkhead again and refreshes everything (F9).
  void recomputeAll();

  bool canUndo() const { return edited_.canUndo(); }
  bool canRedo() const { return edited_.canRedo(); }
  // Takes back the last change, or does again the last one taken back; the
  // geometry, messages and windows follow the state shown. False when there
  // was nothing to do.
  bool undo();
  bool redo();
  // The label of the change that Undo would take back; empty when none.
  const std::string& undoLabel() const { return edited_.undoLabel(); }
  // The Edit menu's items: "Undo " and "Redo " with the change's label while
  // there is one, else "&Undo" and "&Redo" (shown disabled).
  std::string undoMenuText() const;
  std::string redoMenuText() const;

  // Whether the arrangement's stored fields differ from those last opened or
  // saved; a new arrangement counts as unsaved until it is saved.
  bool hasUnsavedChanges() const { return edited_.hasUnsavedChanges(); }
  // Saved: what it holds now is what the database holds.
  void markClean() { edited_.markSaved(); }
  // The title, " - " and the arrangement's name when it has one, " *" when unsaved.
  std::string caption(const std::string& applicationTitle) const;

  // Before the arrangement is left: with unsaved changes the user is asked
  // whether to save (Yes saves through `save`, No goes on without, Cancel
  // stays). The changes stay marked until the arrangement is left, so that a
  // later step that is cancelled still leaves them asked for. A save that did
  // not happen keeps the user where they are, changes intact.
  SaveDecision confirmSaveChanges(Prompt& prompt, const std::function<bool()>& save);

 private:
  // The run's settings, kept for the whole run.
  struct RunSettings {
    StartupState state;
    std::string iniPath;
    IdentificationConfig identification;
  };
  // What the screen shows besides the arrangement.
  struct ScreenSettings {
    DisplayConfig labels = defaultDisplayConfig();
    DisplayOptions display;
    std::optional<Section> hullSection;
    Long subView = 0;
  };

  Integer defaultMaterial() const;
  // The hull drawn behind is the database's section nearest to the
  // arrangement's X: looked up again when X moved.
  void followHullSection(Single formerX);
  // The check view follows the panel shown and its second selector.
  void followCheckMode();
  // The message list shows the geometry of the arrangement as it stands,
  // and the checks of it against the ship.
  void listGeometryMessages();
  // What the panels show, settled after a change (see `change`).
  void settle();
  void storeStoolTopsShown();
  // The legend of the check panel shown, and the colours of every strake,
  // span and bracket for it.
  void buildCheckLegend();
  void refreshView(Follow follow);
  // Not at all for Nothing: a selection or view moved while the windows are
  // filled, or before a refresh of the caller's own.
  void refreshAsAsked(Follow follow);

  EditedArrangement edited_;
  DatabasePlace database_;
  ShipData ship_;
  RunSettings run_;
  ScreenSettings screen_;
  MessageList messages_;
  // The checks of the arrangement against its ship, with what they found last.
  ShipFitChecks shipFit_;
  std::size_t told_ = 0;
  SessionView* view_ = nullptr;
  bool hasArrangement_ = false;
  bool refreshing_ = false;
};

}  // namespace korain
