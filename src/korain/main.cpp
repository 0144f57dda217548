// korain: the bulkhead arrangement editor.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "ini_file.h"
#include "main/editor_startup.h"
#include "main/toolbar_icons.h"
#include "model/versions.h"
#include "qt_notes.h"
#include "startup.h"
#include "text/text_utils.h"
#include "widgets/message_box_prompt.h"

namespace {

constexpr char kUsage[] =
    "Usage: korain [/V] [/JBP] [/d] [/mil] [--list] [database] [block]\n"
    "       korain --help | --version\n"
    "\n"
    "Edits the transverse bulkhead arrangement of one hull section, kept as a\n"
    "ZEL block in a ship database file (.ko2).\n"
    "\n"
    "  database  the ship database; without it, the last one edited\n"
    "  block     the number of the arrangement block to open; without it, a new\n"
    "            arrangement is made (the new-arrangement dialog, then its main data)\n"
    "  --list    without a block, the database's arrangements are listed to choose\n"
    "            from instead: its only one is opened, a new one made when it has none\n"
    "  /V        the arrangement's state is driven from outside; no splash screen\n"
    "  /JBP      loading conditions of the JBP variant\n"
    "  /d        debug mode: errors reported, the configured program folder made current\n"
    "  /mil      naval ship\n"
    "\n"
    "A database name holding blanks is put in quotes. Switches may be written in\n"
    "any case. The configuration is read from Tessaly.ini in the standard\n"
    "configuration folder (KORAIN_CONFIG_DIR names another).\n";

// Asked before any window system is needed, so that they work on a console.
bool asks(int argc, char** argv, std::initializer_list<std::string_view> options) {
  for (int i = 1; i < argc; ++i) {
    for (const std::string_view option : options) {
      if (argv[i] == option) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (asks(argc, argv, {"--help", "-h", "/?"})) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (asks(argc, argv, {"--version"})) {
    std::printf("korain %s\n", std::string(korain::kReleaseVersion).c_str());
    return 0;
  }
  korain::silenceRuntimeFolderNote();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Korain");
  // Every window carries it, so that the window system shows it in task bars and switchers.
  QApplication::setWindowIcon(korain::programIcon());
  const QStringList arguments = QApplication::arguments().mid(1);

  const korain::CommandLine commandLine = korain::parseArguments(arguments);
  korain::Session session;
  korain::MessageBoxPrompt prompt(
      QString::fromStdString(korain::applicationTitle("Korain", commandLine)));
  const korain::EditorStart start{
      .commandLine = commandLine,
      .iniPath = korain::configurationFilePath(),
      .programFolder = QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString()};
  korain::StartedEditor started = korain::startEditor(session, prompt, start);
  if (!started.window) return 1;
  prompt.setParent(started.window.get());
  korain::finishStartup(started, session);
  const int result = QApplication::exec();
  korain::rememberLastDatabase(session, start.iniPath);
  korain::rememberPanelWidth(*started.window, start.iniPath);
  korain::rememberMessagesWindow(*started.window, start.iniPath);
  korain::rememberDisplayOptions(session, start.iniPath);
  return result;
}
