// The edited arrangement's undo levels, shared bulkheads, settled geometry and versions.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/edited_arrangement.h"

#include <utility>

#include "geometry/compute_geometry.h"

namespace korain {
namespace {

const std::string kNoLabel;

// The arrangement's own fields: the bulkhead list is moved aside while they
// are copied, so that every field is taken without copying the bulkheads.
Arrangement headerOf(Arrangement& arrangement) {
  List<Bulkhead> bulkheads = std::move(arrangement.Bulkheads);
  arrangement.Bulkheads.clear();
  Arrangement header = arrangement;
  arrangement.Bulkheads = std::move(bulkheads);
  return header;
}

void takeHeader(Arrangement& arrangement, const Arrangement& header) {
  List<Bulkhead> bulkheads = std::move(arrangement.Bulkheads);
  arrangement = header;
  arrangement.Bulkheads = std::move(bulkheads);
}

// The stored fields of two headers agree: the current bulkhead is selection,
// the section's size is computed.
bool sameStoredHeader(Arrangement a, Arrangement b) {
  for (Arrangement* header : {&a, &b}) {
    header->CurBulkhead = 0;
    header->SectionBreadth = header->SectionHeight = 0;
  }
  return a == b;
}

std::size_t slot(int i) { return static_cast<std::size_t>(i - 1); }

}  // namespace

EditedArrangement::EditedArrangement() { reset(Arrangement{}, 1, Origin::Opened); }

void EditedArrangement::reset(Arrangement arrangement, Integer defaultMaterial, Origin origin) {
  live_ = std::move(arrangement);
  defaultMaterial_ = defaultMaterial;
  geometry_.invalidateAll(live_.Bulkheads.count());
  if (origin == Origin::Carried) {
    computeInformationFields(live_, defaultMaterial_);
  } else {
    geometry_.compute(live_, defaultMaterial_);
  }
  settled_.clear();
  settle(EditScope::all());
  undo_.clear();
  redo_.clear();
  markSaved();
  neverSaved_ = origin == Origin::New;
  unsaved_ = neverSaved_;
}

void EditedArrangement::change(const std::string& label, const EditScope& scope, const Edit& edit) {
  Level before = capture(label);
  edit(live_);
  recompute(scope);
  // A question answered No, or a value a rule puts back, changes nothing:
  // no level to undo, and what could be redone stays.
  if (sameStored(before)) return;
  undo_.push_back(std::move(before));
  if (undo_.size() > kUndoLevels) undo_.pop_front();
  redo_.clear();
  compareWithSaved();
}

bool EditedArrangement::sameStored(const Level& level) {
  return level.bulkheads == settled_ && sameStoredHeader(headerOf(live_), level.header);
}

void EditedArrangement::moveSelection(const Selection& selection) {
  applySelection(selection, live_);
}

void EditedArrangement::amend(const EditScope& scope, const Edit& fill) {
  const bool wasClean = !unsaved_;
  fill(live_);
  geometry_.resize(live_.Bulkheads.count());
  settle(scope);
  // What is filled into an arrangement as it was opened or saved counts as
  // part of it: no question about it before leaving.
  if (wasClean) {
    markSaved();
  } else {
    compareWithSaved();
  }
}

void EditedArrangement::storeUnrecorded(const EditScope& scope, const Edit& edit) {
  redo_.clear();
  edit(live_);
  recompute(scope);
  compareWithSaved();
}

void EditedArrangement::recompute(const EditScope& scope) {
  geometry_.invalidate(scope, live_.Bulkheads.count());
  geometry_.compute(live_, defaultMaterial_);
  settle(scope);
}

void EditedArrangement::recomputeAll() {
  geometry_.invalidateAll(live_.Bulkheads.count());
  geometry_.compute(live_, defaultMaterial_);
  settle(EditScope::all());
  compareWithSaved();
}

const std::string& EditedArrangement::undoLabel() const {
  static const std::string newArrangement = kNewArrangementLabel;
  if (undo_.empty()) return neverSaved_ ? newArrangement : kNoLabel;
  return undo_.back().label;
}

const std::string& EditedArrangement::redoLabel() const {
  return redo_.empty() ? kNoLabel : redo_.back().label;
}

bool EditedArrangement::undo() {
  if (undo_.empty()) return false;
  redo_.push_back(capture(undo_.back().label));
  restore(undo_.back());
  undo_.pop_back();
  compareWithSaved();
  return true;
}

bool EditedArrangement::redo() {
  if (redo_.empty()) return false;
  undo_.push_back(capture(redo_.back().label));
  restore(redo_.back());
  redo_.pop_back();
  compareWithSaved();
  return true;
}

void EditedArrangement::markSaved() {
  saved_ = capture(kNoLabel);
  comparisons_.clear();
  neverSaved_ = false;
  unsaved_ = false;
}

std::uint64_t EditedArrangement::versionOf(int i) const { return settled_.at(slot(i))->version; }

EditedArrangement::Level EditedArrangement::capture(const std::string& label) {
  return {headerOf(live_), settled_, selectionOf(live_), label};
}

void EditedArrangement::settle(const EditScope& scope) {
  const int count = live_.Bulkheads.count();
  const bool lengthChanged = count != static_cast<int>(settled_.size());
  settled_.resize(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    SharedBulkhead& state = settled_[slot(i)];
    if (state != nullptr && !scope.touches(i, lengthChanged)) continue;
    Bulkhead& bulkhead = live_.Bulkheads.at(i);
    if (state != nullptr && equalsSettled(bulkhead, *state, i)) continue;
    auto fresh = std::make_shared<BulkheadState>(
        BulkheadState{bulkhead, geometry_.messagesOf(i), geometry_.isComputed(i), nextVersion_++});
    clearSelection(fresh->bulkhead);
    state = std::move(fresh);
  }
}

bool EditedArrangement::equalsSettled(Bulkhead& bulkhead, const BulkheadState& state, int i) const {
  if (state.computed != geometry_.isComputed(i) || state.messages != geometry_.messagesOf(i)) {
    return false;
  }
  // The settled copy has no selection: compare without the bulkhead's own.
  const BulkheadSelection selection = selectionOf(bulkhead);
  clearSelection(bulkhead);
  const bool same = bulkhead == state.bulkhead;
  applySelection(selection, bulkhead);
  return same;
}

void EditedArrangement::restore(const Level& level) {
  takeHeader(live_, level.header);
  const int count = static_cast<int>(level.bulkheads.size());
  live_.Bulkheads.resize(count);
  geometry_.resize(count);
  for (int i = 1; i <= count; ++i) {
    const SharedBulkhead& state = level.bulkheads[slot(i)];
    if (slot(i) < settled_.size() && settled_[slot(i)] == state) continue;
    live_.Bulkheads.at(i) = state->bulkhead;
    geometry_.restore(i, state->messages, state->computed);
  }
  settled_ = level.bulkheads;
  applySelection(level.selection, live_);
}

void EditedArrangement::compareWithSaved() {
  if (neverSaved_) {
    unsaved_ = true;
    return;
  }
  unsaved_ = settled_.size() != saved_.bulkheads.size() ||
             !sameStoredHeader(headerOf(live_), saved_.header);
  comparisons_.resize(settled_.size());
  for (std::size_t k = 0; k < settled_.size() && !unsaved_; ++k) unsaved_ = !sameAsSaved(k);
}

bool EditedArrangement::sameAsSaved(std::size_t k) {
  const BulkheadState& settled = *settled_[k];
  const BulkheadState& saved = *saved_.bulkheads[k];
  if (&settled == &saved) return true;
  Comparison& known = comparisons_[k];
  if (known.settled != settled.version || known.saved != saved.version) {
    // Computed values follow from the stored ones, so whole bulkheads compare
    // as their stored fields do.
    known = {settled.version, saved.version, settled.bulkhead == saved.bulkhead};
  }
  return known.same;
}

}  // namespace korain
