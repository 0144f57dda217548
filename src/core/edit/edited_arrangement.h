// The arrangement as the editor edits it: the arrangement itself, its geometry
// computed bulkhead by bulkhead, the undo history with Redo, and whether it
// differs from what was last opened or saved.
//
// Undo levels share the bulkheads a change did not reach, so that a hundred
// levels cost little more than one copy, and Undo or Redo copies back only the
// bulkheads that differ. Each bulkhead as last settled carries a version
// number: a drawing may keep what it drew of a bulkhead while its version stays.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "geometry/geometry_cache.h"
#include "messages/message.h"
#include "model/arrangement.h"
#include "model/edit_scope.h"
#include "model/selection.h"

namespace korain {

// The undo label of a new arrangement before its first change: it has
// nothing to undo, and counts as unsaved.
inline constexpr char kNewArrangementLabel[] = "basicaly";

// Where a fresh arrangement comes from: a block opened for editing, nowhere
// yet (new), or a block carried elsewhere as it was read, whose stored fields
// are left uncorrected so that it is saved as read, with only the fields
// written for information computed.
enum class Origin { Opened, New, Carried };

using Edit = std::function<void(Arrangement&)>;

class EditedArrangement {
 public:
  static constexpr std::size_t kUndoLevels = 100;

  EditedArrangement();

  // Starts afresh on `arrangement`, its geometry computed (for a carried one,
  // only the fields written for information): no history, and the arrangement
  // as it stands is the one opened (a new one counts as unsaved until it is
  // saved). `defaultMaterial` is the plating material a strake without one gets.
  void reset(Arrangement arrangement, Integer defaultMaterial, Origin origin);

  const Arrangement& arrangement() const { return live_; }

  // Records an undo level under `label`, applies the edit, which may change
  // only the bulkheads of `scope` and the arrangement's own fields, and
  // computes the geometry of the bulkheads in `scope` again, so that no edit
  // leaves geometry or messages that describe the data before it. An edit
  // that changes no stored field records nothing.
  void change(const std::string& label, const EditScope& scope, const Edit& edit);

  // Puts `selection` in place of the current indices and selected
  // stiffeners, which is no change of the arrangement: nothing is recorded.
  void moveSelection(const Selection& selection);

  // Stores what is no edit of the user's (a default a panel shows as data, the
  // name and identifier a save gives); `fill` may change the arrangement's
  // own fields and the bulkheads of `scope`. Nothing is recorded, and an
  // arrangement without unsaved changes stays without.
  void amend(const EditScope& scope, const Edit& fill);

  // Stores what the user accepted without editing it (a default a dialog
  // showed and confirmed): no undo level of its own, but unlike `amend` the
  // arrangement now differs from the one opened and says so, and the
  // bulkheads of `scope` are computed again. What could be redone is dropped,
  // as after any change.
  void storeUnrecorded(const EditScope& scope, const Edit& edit);

  // Computes every bulkhead again.
  void recomputeAll();

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The label of the change Undo or Redo would take back or do again; empty
  // when there is none ("basicaly" for Undo on a new arrangement never saved).
  const std::string& undoLabel() const;
  const std::string& redoLabel() const;
  std::size_t undoLevels() const { return undo_.size(); }
  // False when there is nothing to undo or redo.
  bool undo();
  bool redo();

  // Whether the arrangement's stored fields differ from those last opened or
  // saved (a new arrangement differs until it is saved). The current indices,
  // the selection and the computed values are no part of it.
  bool hasUnsavedChanges() const { return unsaved_; }
  // The arrangement as it stands was saved.
  void markSaved();

  const GeometryCache& geometry() const { return geometry_; }
  // The version of bulkhead i: it changes whenever the bulkhead's data or
  // computed geometry change (its selection aside).
  std::uint64_t versionOf(int i) const;

  // What one bulkhead was when last settled, shared by the levels that hold it
  // unchanged. Its selection is cleared: a level keeps the selection apart.
  struct BulkheadState {
    Bulkhead bulkhead;
    std::vector<Message> messages;
    bool computed = false;
    std::uint64_t version = 0;
  };
  using SharedBulkhead = std::shared_ptr<const BulkheadState>;

 private:
  struct Level {
    Arrangement header;  // the arrangement's own fields, without bulkheads
    std::vector<SharedBulkhead> bulkheads;
    Selection selection;
    std::string label;
  };
  // The result of comparing a settled bulkhead with the saved one, by version.
  struct Comparison {
    std::uint64_t settled = 0;
    std::uint64_t saved = 0;
    bool same = false;
  };

  Level capture(const std::string& label);
  // Whether the arrangement's stored fields are still those of `level`.
  bool sameStored(const Level& level);
  // Settles the bulkheads of `scope` (and any beyond the settled list): each
  // becomes a new shared state unless it equals the one it replaces.
  void settle(const EditScope& scope);
  // Computes the bulkheads of `scope` again (and any the list gained), then settles them.
  void recompute(const EditScope& scope);
  bool equalsSettled(Bulkhead& bulkhead, const BulkheadState& state, int i) const;
  void restore(const Level& level);
  void compareWithSaved();
  bool sameAsSaved(std::size_t k);

  Arrangement live_;
  Integer defaultMaterial_ = 1;
  GeometryCache geometry_;
  // What each bulkhead of the arrangement equals, selection aside.
  std::vector<SharedBulkhead> settled_;
  std::deque<Level> undo_;
  std::vector<Level> redo_;
  Level saved_;
  std::vector<Comparison> comparisons_;
  bool neverSaved_ = false;
  bool unsaved_ = false;
  std::uint64_t nextVersion_ = 1;
};

}  // namespace korain
