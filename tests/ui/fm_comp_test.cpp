// The compartment panel driven as a user does: the side shown, the type and
// destination lists with the naval run's shorter list.
#include "panels/fm_comp.h"

#include <QComboBox>
#include <QPushButton>
#include <functional>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class CompartmentPanel : public ::testing::Test {
 protected:
  void SetUp() override { editor.openExample(1); }

  // The panel as the run's modes make it on load.
  std::unique_ptr<FM_Comp> makePanel() {
    auto panel = std::make_unique<FM_Comp>(editor);
    editor.setPanel(panel.get());
    panel->refresh();
    return panel;
  }
  const Compartment& compartment(int side) {
    return editor.session().arrangement().Bulkheads.at(1).Compartments.at(side);
  }
  // A change of the forward compartment made elsewhere, which the panel follows.
  void storeForward(const std::function<void(Compartment&)>& edit) {
    editor.session().change(
        {.label = "test",
         .scope = EditScope::bulkhead(1),
         .edit = [&edit](Arrangement& a) { edit(a.Bulkheads.at(1).Compartments.at(1)); },
         .follow = Follow::Panel});
  }

  TestEditor editor;
};

TEST_F(CompartmentPanel, TheSideShownCarriesItsTypeAndDestination) {
  auto panel = makePanel();
  auto* type = control<QComboBox>(*panel, "CB_Type");
  auto* destination = control<QComboBox>(*panel, "CB_MainDest");
  ASSERT_EQ(type->count(), 8);
  EXPECT_EQ(type->itemText(0), "1 - Double bottom tank");
  EXPECT_EQ(type->currentText(), "5 - Cargo hold");
  ASSERT_EQ(destination->count(), 7);
  EXPECT_EQ(destination->currentText(), "4 - Dry bulk cargo");

  choose(*control<QComboBox>(*panel, "CB_ForeAft"), 1);
  EXPECT_EQ(panel->side(), kAftwardCompartment);
  EXPECT_EQ(destination->currentText(), "1 - Water ballast");
  EXPECT_FALSE(editor.session().canUndo());

  choose(*type, 7);
  choose(*destination, 5);
  EXPECT_EQ(compartment(kAftwardCompartment).A, 8);
  EXPECT_EQ(compartment(kAftwardCompartment).B, 6);
  EXPECT_EQ(compartment(kForwardCompartment).A, 5);
  EXPECT_EQ(editor.session().undoLabel(), "Compartment type or destination change");
  EXPECT_TRUE(editor.session().hasUnsavedChanges());
}

TEST_F(CompartmentPanel, NavalRunOffersFourDestinationsAndShowsNoneForOthers) {
  editor.session().run.NavalMode = true;
  auto panel = makePanel();
  auto* destination = control<QComboBox>(*panel, "CB_MainDest");
  ASSERT_EQ(destination->count(), 4);
  EXPECT_EQ(destination->itemText(2), "6 - Fresh water");
  EXPECT_EQ(destination->currentIndex(), -1);  // dry bulk cargo is no naval destination

  storeForward([](Compartment& c) { c.B = 3; });
  EXPECT_EQ(destination->currentIndex(), -1);
  choose(*destination, 2);
  EXPECT_EQ(compartment(kForwardCompartment).B, 6);
  storeForward([](Compartment& c) { c.B = 7; });
  EXPECT_EQ(destination->currentIndex(), 3);
}

TEST_F(CompartmentPanel, ResonanceOpensOnlyWithLengthBreadthAndHeight) {
  auto panel = makePanel();
  auto* resonance = control<QPushButton>(*panel, "BT_R");
  EXPECT_TRUE(resonance->isEnabled());
  storeForward([](Compartment& c) { c.Table1.at(kHeightEntry) = 0; });
  EXPECT_FALSE(resonance->isEnabled());
  storeForward([](Compartment& c) { c.Table1.at(kHeightEntry) = 16.2F; });
  EXPECT_TRUE(resonance->isEnabled());
}

}  // namespace
}  // namespace korain::testing
