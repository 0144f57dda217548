// The display panel: one box per element the drawing can always show, each
// tied to a bit of the display word.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_display.h"

#include <QLabel>

#include "view/display_boxes.h"
#include "view/display_options.h"
#include "view_state.h"
#include "widgets/display_box_checks.h"

namespace korain {

FM_Display::FM_Display(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Display, SelectorUse::Hidden, parent) {
  setObjectName("FM_Display");
  body()->addWidget(new QLabel("Display always", this));
  for (std::size_t box = 0; box < kDisplayBoxes.size(); ++box) {
    body()->addWidget(displayBoxCheck(
        this, box, [this](std::size_t clicked, bool ticked) { viewClicked(clicked, ticked); }));
  }
  // Not a box of the display word: it shows the members only while the
  // stiffeners panel is shown, and the drawing print dialog has no use for it.
  stiffenerSupports_ = new QCheckBox("Supports while editing stiffeners", this);
  stiffenerSupports_->setObjectName("OP_StiffenerSupports");
  stiffenerSupports_->setToolTip(
      "On the stiffeners panel the primary members and the span breaks are drawn thin");
  body()->addWidget(stiffenerSupports_);
  connect(stiffenerSupports_, &QCheckBox::clicked, this, &FM_Display::supportsClicked);
}

void FM_Display::fillControls() {
  tickDisplayBoxes(*this, session().display());
  stiffenerSupports_->setChecked(session().display().SupportsWhileEditingStiffeners);
}

void FM_Display::supportsClicked(bool ticked) {
  if (!editor().refreshing()) session().setStiffenerSupports(ticked);
}

void FM_Display::viewClicked(std::size_t box, bool ticked) {
  if (editor().refreshing()) return;
  // What the drawing shows is no part of the arrangement: nothing to undo.
  const Long word = session().display().DisplayWord;
  session().setDisplayWord(withDisplayBox(word, box, ticked ? Tick::Ticked : Tick::Cleared));
}

}  // namespace korain
