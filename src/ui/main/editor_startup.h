// Start-up of the editor from the command line to the shown main window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

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

// Runs start-up in its order: splash, library check, configuration, the
// database (asked for when missing), its ".old" copy, the ship data and the
// block named, then shows the main window with the arrangement. Nothing when
// start-up ends the program (the user has been told why, when there is a why).
// What it still asks for, a new arrangement or one of the list, is left to startupEnd.
std::unique_ptr<FM_Main> startEditor(Session& session, Prompt& prompt, const EditorStart& start);

// Keeps the database being edited as the last one for the next run.
void rememberLastDatabase(const Session& session, const std::string& iniPath);
// Keeps the width the user gave the panel column for the next run.
void rememberPanelWidth(const FM_Main& window, const std::string& iniPath);
// Keeps where the messages window stands, and whether it is shown, for the next run.
void rememberMessagesWindow(const FM_Main& window, const std::string& iniPath);
// Keeps whether the drawing shows the scantling labels for the next run.
void rememberScantlingLabels(const Session& session, const std::string& iniPath);

}  // namespace korain
