// What follows a form's change, and which bulkheads it reaches.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_change.h"

namespace korain {

Follow followOf(Affects affects) {
  switch (affects) {
    case Affects::Nothing:
      return Follow::Nothing;
    case Affects::Name:
      return Follow::Selector;
    case Affects::Tools:
      return Follow::Menus;
    case Affects::Rows:
      return Follow::Rows;
    case Affects::Drawing:
      return Follow::Panel | Follow::Redraw;
    case Affects::Geometry:
    case Affects::Every:
      return kRefreshAll;
  }
  return kRefreshAll;
}

EditScope scopeOf(FormScope scope, Affects affects, const Arrangement& arrangement) {
  if (affects == Affects::Every) return EditScope::all();
  if (scope == FormScope::Header) return EditScope::header();
  return EditScope::bulkhead(arrangement.CurBulkhead);
}

}  // namespace korain
