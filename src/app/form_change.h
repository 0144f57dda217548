// A value committed in a form as the session's change: its label, the
// bulkheads it reaches and what the windows show again after it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "change_request.h"
#include "edit/form_edit.h"
#include "view/form_table.h"

namespace korain {

// What the windows show again after a field that affects so much changed.
Follow followOf(Affects affects);

// The bulkheads a change of such a field of such a form reaches.
EditScope scopeOf(FormScope scope, Affects affects, const Arrangement& arrangement);

// The change that sets the row's field of the form's records to the value.
template <typename Record>
ChangeRequest formChange(const FormTable<Record>& table, const FormRow<Record>& row,
                         FormValue value, FormPlace place, const Arrangement& arrangement) {
  return {.label = std::string(row.undoLabel),
          .scope = scopeOf(table.scope, row.affects, arrangement),
          .edit = [&table, &row, value = std::move(value),
                   place](Arrangement& a) { return setFormField(a, table, row, value, place); },
          .follow = followOf(row.affects)};
}

}  // namespace korain
