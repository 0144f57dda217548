// What the editor's benchmarks share: the example or another arrangement in a
// shown main window on one panel, a prompt that answers No, and typing into a field.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <optional>
#include <stdexcept>
#include <string>

#include "edit/selection_edits.h"
#include "main/fm_main.h"
#include "session_loading.h"
#include "widgets/number_field.h"

namespace korain::bench {

inline constexpr char kExample[] = KORAIN_EXAMPLES "/bulk_carrier.ko2";

// Benchmarks ask nothing: every question is answered No.
struct SilentPrompt : Prompt {
  void showMessage(const std::string&) override {}
  using Prompt::ask;
  Answer ask(const Question&) override { return Answer::No; }
  std::optional<std::string> askFileName(const FileQuestion&) override { return std::nullopt; }
};

// The example's arrangement, or another in its place, in a shown main window
// on a panel of bulkhead 1.
struct EditorOn {
  explicit EditorOn(const Arrangement* replacement, PanelCode panel = PanelCode::Nodes) {
    StartupState run;
    run.applicationTitle = "Korain";
    session.startRun(run);
    openDatabase(session, kExample);
    if (!openArrangement(session, 1).found()) throw std::runtime_error("no example");
    if (replacement) session.startArrangement(*replacement, Origin::Opened);
    Selection first = selectionOf(session.arrangement());
    chooseBulkhead(first, 1);
    session.moveSelection(first, Follow::Nothing);
    session.showPanel(panel, Follow::Nothing);
    window.resize(1600, 1000);
    window.show();
    window.initialiseView();
    QApplication::processEvents();
  }

  NumberField& field(const char* name) {
    auto* found = window.findChild<NumberField*>(name);
    if (found == nullptr) throw std::runtime_error(std::string("no field ") + name);
    return *found;
  }

  Session session;
  SilentPrompt prompt;
  FM_Main window{session, prompt};
};

// Types a value into a field and leaves it, as the user does.
inline void typeInto(NumberField& field, double value) {
  field.setText(numberFieldText(value));
  field.setModified(true);
  emit field.committed();
}

}  // namespace korain::bench
