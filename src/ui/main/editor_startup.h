// Start-up of the editor from the command line to the shown main window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "command_line.h"
#include "main/fm_main.h"
#include "prompt.h"
#include "session.h"

namespace korain {

struct EditorStart {
  CommandLine commandLine;
  std::string iniPath;        // "Tessaly.ini"
  std::string programFolder;  // where the program lies, the folders' fall-back
};

// The main window start-up made, with the remarks gathered on the way (a configuration
// value refused, a folder or copy that failed, what the reader could not take in).
struct StartedEditor {
  std::unique_ptr<FM_Main> window;  // none when start-up ended the program
  std::vector<std::string> remarks;
};

// Runs start-up in its order: splash, library check, configuration (checked, and
// mended where it was refused), the database (asked for when missing), its ".old"
// copy, the ship data and the block named, then shows the main window with the
// arrangement. No window when start-up ends the program (the user has been told why,
// when there is a why). What it still asks for is left to finishStartup.
StartedEditor startEditor(Session& session, Prompt& prompt, const EditorStart& start);

// Runs what start-up leaves to the user once the main window stands: the new-arrangement
// command (the new-arrangement dialog, then the main data) when no arrangement was read,
// or the database's arrangements to choose from when they were asked for. The remarks
// are listed last, so that the refresh of a new or chosen arrangement does not take them.
void finishStartup(StartedEditor& started, Session& session);

// Keeps the database being edited as the last one for the next run.
void rememberLastDatabase(const Session& session, const std::string& iniPath);
// Keeps the width the user gave the panel column for the next run.
void rememberPanelWidth(const FM_Main& window, const std::string& iniPath);
// Keeps where the messages window stands, and whether it is shown, for the next run.
void rememberMessagesWindow(const FM_Main& window, const std::string& iniPath);
// Keeps the display options the next run starts with: whether the drawing
// shows the scantling labels, and the spans' supports on the stiffeners panel.
void rememberDisplayOptions(const Session& session, const std::string& iniPath);

}  // namespace korain
