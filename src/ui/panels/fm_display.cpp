// The display panel: one box per element the drawing can always show, each
// tied to a bit of the display word.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_display.h"

#include <QLabel>

#include "view/display_boxes.h"
#include "view/display_options.h"
#include "view_state.h"

namespace korain {

FM_Display::FM_Display(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Display, SelectorUse::Hidden, parent) {
  setObjectName("FM_Display");
  body()->addWidget(new QLabel("Display always", this));
  for (std::size_t i = 0; i < views_.size(); ++i) {
    views_[i] = new QCheckBox(kDisplayBoxes.at(i).caption, this);
    views_[i]->setObjectName("OP_View_" + QString::number(i));
    body()->addWidget(views_[i]);
    connect(views_[i], &QCheckBox::clicked, this,
            [this, i](bool ticked) { viewClicked(i, ticked); });
  }
}

void FM_Display::fillControls() {
  const DisplayOptions& display = session().display();
  for (std::size_t i = 0; i < views_.size(); ++i)
    views_[i]->setChecked(display.shows(kDisplayBoxes.at(i).bit));
}

void FM_Display::viewClicked(std::size_t box, bool ticked) {
  if (editor().refreshing()) return;
  // What the drawing shows is no part of the arrangement: nothing to undo.
  const Long word = session().display().DisplayWord;
  session().setDisplayWord(withDisplayBox(word, box, ticked ? Tick::Ticked : Tick::Cleared));
}

}  // namespace korain
