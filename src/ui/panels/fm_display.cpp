// The display panel: one box per element the drawing can always show, each
// tied to a bit of the display word.
#include "panels/fm_display.h"

#include <QLabel>

#include "view/display_options.h"
#include "view_state.h"

namespace korain {
namespace {

struct ViewBox {
  const char* caption;
  Long bit;
};

constexpr std::array<ViewBox, 8> kViews = {{
    {"Axis", display_bit::kAxis},
    {"Stools", display_bit::kStools},
    {"Nodes", display_bit::kNodes},
    {"Node numbers", display_bit::kNodeNumbers},
    {"Primary stiffeners", display_bit::kPrimaryMembers},
    {"Secondary stiffeners", display_bit::kStiffeners},
    {"Strakes", display_bit::kStrakes},
    {"Corrugation", display_bit::kCorrugation},
}};

}  // namespace

FM_Display::FM_Display(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Display, SelectorUse::Hidden, parent) {
  setObjectName("FM_Display");
  body()->addWidget(new QLabel("Display always", this));
  for (std::size_t i = 0; i < views_.size(); ++i) {
    views_[i] = new QCheckBox(kViews[i].caption, this);
    views_[i]->setObjectName("OP_View_" + QString::number(i));
    body()->addWidget(views_[i]);
    connect(views_[i], &QCheckBox::clicked, this,
            [this, i](bool ticked) { viewClicked(i, ticked); });
  }
}

void FM_Display::fillControls() {
  const DisplayOptions& display = session().display();
  for (std::size_t i = 0; i < views_.size(); ++i)
    views_[i]->setChecked(display.shows(kViews[i].bit));
}

void FM_Display::viewClicked(std::size_t box, bool ticked) {
  if (editor().refreshing()) return;
  // What the drawing shows is no part of the arrangement: nothing to undo.
  Long& word = session().display().DisplayWord;
  word = ticked ? (word | kViews[box].bit) : (word & ~kViews[box].bit);
  session().refresh(Follow::Redraw);
}

}  // namespace korain
