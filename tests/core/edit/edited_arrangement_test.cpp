// The arrangement as the editor edits it: the geometry recomputed bulkhead by
// bulkhead must read exactly as a full recomputation, the undo history must
// give back every state, and the unsaved mark must follow the stored fields.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/edited_arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "edit/bulkhead_edits.h"
#include "geometry/compute_geometry.h"
#include "io/zel_reader.h"
#include "sample_arrangement.h"

namespace korain {

void PrintTo(const Message& message, std::ostream* out) {
  *out << message.bulkhead << ":" << static_cast<int>(message.kind) << ":" << message.index << ":"
       << message.subIndex << " " << message.text;
}

namespace {

constexpr Integer kMaterial = 1;

// The example's two bulkheads, the faulty arrangement's one (which gives
// messages of most kinds) and two generated ones.
Arrangement mixedArrangement() {
  Arrangement example;
  Arrangement faulty;
  EXPECT_TRUE(readZelBlock(KORAIN_EXAMPLES "/bulk_carrier.ko2", 1, example).found());
  EXPECT_TRUE(readZelBlock(KORAIN_TEST_DATA "/faulty_arrangement.ko2", 1, faulty).found());
  Arrangement arrangement = testing::sampleArrangement({.bulkheads = 2});
  arrangement.Bulkheads.insertBlank(1);
  arrangement.Bulkheads.at(1) = example.Bulkheads.first();
  arrangement.Bulkheads.append(faulty.Bulkheads.first());
  arrangement.CurBulkhead = 1;
  return arrangement;
}

// The arrangement and messages must be what a computation of every bulkhead
// of `data` gives: the data as the edit left it (or as read, or as restored).
void expectAsComputedAfresh(const EditedArrangement& edited, Arrangement data,
                            const std::string& step) {
  std::vector<Message> messages;
  for (int i = 1; i <= data.Bulkheads.count(); ++i) {
    std::ranges::move(computeCheckedBulkhead(data.Bulkheads.at(i), i, data.SymFlag, kMaterial),
                      std::back_inserter(messages));
  }
  chooseCurrentBulkhead(data);
  EXPECT_EQ(edited.arrangement(), data) << step;
  EXPECT_EQ(edited.geometry().allMessages(), messages) << step;
}

struct Step {
  std::string label;
  std::function<EditScope(const Arrangement&)> scope;
  Edit edit;
};

EditScope current(const Arrangement& a) { return EditScope::bulkhead(a.CurBulkhead); }
Bulkhead& currentOf(Arrangement& a) { return a.Bulkheads.at(a.CurBulkhead); }

// An edit of each scope the panels give: one bulkhead (all edits of a
// bulkhead's parts alike, whose own recomputation the editor's table of every
// edit checks), a bulkhead added at the end or removed before others, a
// removal answered No, the whole arrangement.
std::vector<Step> editOfEachScope() {
  return {
      {"node moved", current,
       [](Arrangement& a) {
         currentOf(a).Nodes.at(3).Y += 40;  // far out: the arc cannot exist
       }},
      {"bulkhead added",
       [](const Arrangement& a) { return EditScope::resizedAt(a.Bulkheads.count() + 1); },
       [](Arrangement& a) { addBulkhead(a, kMaterial); }},
      {"removal not confirmed",
       [](const Arrangement& a) { return EditScope::resizedAt(a.CurBulkhead); },
       [](Arrangement&) {}},
      {"second bulkhead removed", [](const Arrangement&) { return EditScope::resizedAt(2); },
       [](Arrangement& a) {
         a.CurBulkhead = 2;
         removeBulkhead(a);
       }},
      {"symmetry", [](const Arrangement&) { return EditScope::all(); },
       [](Arrangement& a) { a.SymFlag = a.SymFlag == 1 ? 0 : 1; }},
  };
}

// Undo gives back each state with the selection it had when the next change was made, and Undo
// and Redo bring back the geometry and messages of the state shown.
TEST(EditedArrangement, ComputesEveryEditUndoAndRedoAsAFullRecomputationDoes) {
  EditedArrangement edited;
  edited.reset(mixedArrangement(), kMaterial, Origin::Opened);
  expectAsComputedAfresh(edited, mixedArrangement(), "opened");
  ASSERT_FALSE(edited.geometry().allMessages().empty());
  const std::vector<Step> steps = editOfEachScope();
  std::vector<Arrangement> states{edited.arrangement()};
  // The edits that change stored fields, each an undo level; one that changes
  // none leaves no level.
  std::vector<Step> recorded;
  for (const Step& step : steps) {
    Arrangement edit = edited.arrangement();
    step.edit(edit);
    const std::size_t levels = edited.undoLevels();
    edited.change(step.label, step.scope(edited.arrangement()), step.edit);
    expectAsComputedAfresh(edited, edit, step.label);
    if (edited.undoLevels() == levels) continue;
    Selection moved = selectionOf(edited.arrangement());
    moved.CurBulkhead = 1;
    moved.bulkheads.front().CurNode = 2;
    edited.moveSelection(moved);
    states.push_back(edited.arrangement());
    recorded.push_back(step);
  }
  EXPECT_EQ(recorded.size(), steps.size() - 1);  // the removal answered No
  for (std::size_t k = recorded.size(); k > 0; --k) {
    ASSERT_TRUE(edited.undo());
    EXPECT_EQ(edited.arrangement(), states[k - 1]) << "undo " << recorded[k - 1].label;
    expectAsComputedAfresh(edited, edited.arrangement(), "undo " + recorded[k - 1].label);
  }
  EXPECT_FALSE(edited.undo());
  for (const Step& step : recorded) {
    ASSERT_EQ(edited.redoLabel(), step.label);
    ASSERT_TRUE(edited.redo());
    expectAsComputedAfresh(edited, edited.arrangement(), "redo " + step.label);
  }
  EXPECT_FALSE(edited.redo());
  // A change after Undo drops what Redo would have done.
  ASSERT_TRUE(edited.undo());
  edited.change("renamed", EditScope::bulkhead(1),
                [](Arrangement& a) { a.Bulkheads.first().Name = "Fore"; });
  EXPECT_FALSE(edited.canRedo());
  EXPECT_EQ(edited.undoLabel(), "renamed");
}

TEST(EditedArrangement, KeepsTheLatestHundredLevels) {
  EditedArrangement edited;
  edited.reset(testing::sampleArrangement({.bulkheads = 3}), kMaterial, Origin::Opened);
  for (int k = 1; k <= 105; ++k) {
    edited.change("change " + std::to_string(k), EditScope::bulkhead(2), [k](Arrangement& a) {
      a.Bulkheads.at(2).Nodes.first().Y = static_cast<Single>(k);
    });
  }
  int undone = 0;
  while (edited.undo()) ++undone;
  EXPECT_EQ(undone, 100);
  EXPECT_EQ(edited.arrangement().Bulkheads.at(2).Nodes.first().Y, 5);
}

TEST(EditedArrangement, UnsavedMarkFollowsTheStoredFields) {
  EditedArrangement edited;
  edited.reset(mixedArrangement(), kMaterial, Origin::Opened);
  const auto moveNode = [&edited](Single y) {
    edited.change("node", EditScope::bulkhead(1),
                  [y](Arrangement& a) { a.Bulkheads.first().Nodes.at(2).Y = y; });
  };
  const Single original = edited.arrangement().Bulkheads.first().Nodes.at(2).Y;
  EXPECT_FALSE(edited.hasUnsavedChanges());

  moveNode(original + 1);
  moveNode(original + 2);
  EXPECT_TRUE(edited.hasUnsavedChanges());
  edited.undo();
  EXPECT_TRUE(edited.hasUnsavedChanges());  // the first change is still there
  edited.undo();
  EXPECT_FALSE(edited.hasUnsavedChanges());
  edited.redo();
  EXPECT_TRUE(edited.hasUnsavedChanges());

  // Saved in the middle: undoing past the saved state marks it again.
  edited.markSaved();
  EXPECT_FALSE(edited.hasUnsavedChanges());
  edited.undo();
  EXPECT_TRUE(edited.hasUnsavedChanges());
  edited.redo();
  EXPECT_FALSE(edited.hasUnsavedChanges());

  // A value typed back by hand, a selection moved and a default filled in
  // leave it clean.
  moveNode(original + 3);
  moveNode(original + 1);
  Selection moved = selectionOf(edited.arrangement());
  moved.bulkheads.front().CurNode = 4;
  edited.moveSelection(moved);
  edited.amend(EditScope::bulkhead(2), [](Arrangement& a) { a.Bulkheads.at(2).Stool1Z = 0.5F; });
  EXPECT_FALSE(edited.hasUnsavedChanges());

  // A change that changes no stored field (a removal answered No, a current
  // index moved with it) records nothing and keeps what could be redone.
  edited.undo();
  const std::size_t levels = edited.undoLevels();
  edited.change("Delete Node", EditScope::bulkhead(1),
                [](Arrangement& a) { a.Bulkheads.first().CurNode = 2; });
  EXPECT_EQ(edited.undoLevels(), levels);
  EXPECT_TRUE(edited.canRedo());
  EXPECT_TRUE(edited.hasUnsavedChanges());

  // A default accepted as it was shown is stored unrecorded, yet marked.
  const std::string label = edited.undoLabel();
  edited.storeUnrecorded(EditScope::bulkhead(2),
                         [](Arrangement& a) { a.Bulkheads.at(2).Compartments.at(1).N = 3; });
  EXPECT_TRUE(edited.hasUnsavedChanges());
  EXPECT_EQ(edited.undoLabel(), label);

  // A new arrangement counts as unsaved until it is saved.
  edited.reset(Arrangement{}, kMaterial, Origin::New);
  EXPECT_TRUE(edited.hasUnsavedChanges());
  EXPECT_FALSE(edited.canUndo());
  edited.markSaved();
  EXPECT_FALSE(edited.hasUnsavedChanges());
}

TEST(EditedArrangement, CarriedKeepsTheDataAsReadWithTheFieldsWrittenForInformation) {
  Arrangement read = mixedArrangement();
  // A strake without material, which an opened arrangement gets a default for.
  read.Bulkheads.first().StrakeBands.first().Strakes.first().iMat = 0;
  EditedArrangement carried;
  carried.reset(read, kMaterial, Origin::Carried);
  EditedArrangement opened;
  opened.reset(read, kMaterial, Origin::Opened);
  const Bulkhead& kept = carried.arrangement().Bulkheads.first();
  const Bulkhead& computed = opened.arrangement().Bulkheads.first();
  EXPECT_EQ(kept.StrakeBands.first().Strakes.first().iMat, 0);
  EXPECT_EQ(computed.StrakeBands.first().Strakes.first().iMat, kMaterial);
  for (int i = 1; i <= read.Bulkheads.count(); ++i) {
    const Bulkhead& a = carried.arrangement().Bulkheads.at(i);
    const Bulkhead& b = opened.arrangement().Bulkheads.at(i);
    EXPECT_EQ(std::tie(a.Stool1End1, a.Stool1End2, a.Stool2End1, a.Stool2End2),
              std::tie(b.Stool1End1, b.Stool1End2, b.Stool2End1, b.Stool2End2))
        << i;
    for (int k = 1; k <= a.PrimaryMembers.count(); ++k) {
      EXPECT_EQ(a.PrimaryMembers.at(k).Extremities, b.PrimaryMembers.at(k).Extremities) << i;
    }
    for (int k = 1; k <= a.Stiffeners.count(); ++k) {
      EXPECT_EQ(a.Stiffeners.at(k).Extremities, b.Stiffeners.at(k).Extremities) << i;
    }
  }
  // The example's stools and stiffeners do have ends to write.
  EXPECT_NE(kept.Stool2End2, 0);
  EXPECT_TRUE(kept.Stiffeners.first().Extremities.isDimensioned());
}

TEST(EditedArrangement, ChangesShareTheBulkheadsTheyDidNotReach) {
  EditedArrangement edited;
  edited.reset(testing::sampleArrangement({.bulkheads = 4}), kMaterial, Origin::Opened);
  const auto versions = [&edited] {
    std::vector<std::uint64_t> v;
    for (int i = 1; i <= edited.arrangement().Bulkheads.count(); ++i)
      v.push_back(edited.versionOf(i));
    return v;
  };
  const std::vector<std::uint64_t> before = versions();
  edited.change("node", EditScope::bulkhead(3),
                [](Arrangement& a) { a.Bulkheads.at(3).Nodes.first().Z += 1; });
  std::vector<std::uint64_t> after = versions();
  EXPECT_NE(after[2], before[2]);
  after[2] = before[2];
  EXPECT_EQ(after, before);
  // Everything recomputed and nothing changed: every version stays.
  edited.undo();
  edited.recomputeAll();
  EXPECT_EQ(versions(), before);
}

}  // namespace
}  // namespace korain
