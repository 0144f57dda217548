// The compartment panel driven as a user does: the side shown, the type and
// destination lists with the naval run's shorter list, the resonance button.
#include "panels/fm_comp.h"

#include <memory>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class CompartmentPanel : public ExampleTest {
 protected:
  // The panel as the run's modes make it on load.
  std::unique_ptr<FM_Comp> makePanel() {
    auto panel = std::make_unique<FM_Comp>(editor);
    editor.setPanel(panel.get());
    panel->refresh();
    return panel;
  }
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
  EXPECT_FALSE(session().canUndo());

  choose(*type, 7);
  choose(*destination, 5);
  EXPECT_EQ(compartment(kAftwardCompartment).A, 8);
  EXPECT_EQ(compartment(kAftwardCompartment).B, 6);
  EXPECT_EQ(compartment(kForwardCompartment).A, 5);
  EXPECT_EQ(session().undoLabel(), "Compartment type or destination change");
  EXPECT_TRUE(session().hasUnsavedChanges());

  // Resonance opens only with length, breadth and height: the forward compartment's height
  // taken away disables it.
  auto* resonance = control<QPushButton>(*panel, "BT_R");
  choose(*control<QComboBox>(*panel, "CB_ForeAft"), 0);
  EXPECT_TRUE(resonance->isEnabled());
  session().change(
      {.label = "test",
       .scope = EditScope::bulkhead(1),
       .edit =
           [](Arrangement& a) { a.Bulkheads.at(1).Compartments.at(1).Table1.at(kHeightEntry) = 0; },
       .follow = Follow::Panel});
  EXPECT_FALSE(resonance->isEnabled());
}

// Which destination stands where in either list is the compartment edits' rule, tested in the
// core; the panel must use the naval list in a naval run.
TEST_F(CompartmentPanel, NavalRunOffersFourDestinationsAndShowsNoneForOthers) {
  session().run.NavalMode = true;
  auto panel = makePanel();
  auto* destination = control<QComboBox>(*panel, "CB_MainDest");
  ASSERT_EQ(destination->count(), 4);
  EXPECT_EQ(destination->itemText(2), "6 - Fresh water");
  EXPECT_EQ(destination->currentIndex(), -1);  // dry bulk cargo is no naval destination
  choose(*destination, 2);
  EXPECT_EQ(compartment(kForwardCompartment).B, 6);
}

}  // namespace
}  // namespace korain::testing
