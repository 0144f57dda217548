// Starting the editor: the configuration, the database, the main window and what it remembers.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/editor_startup.h"

#include <QApplication>
#include <QDir>

#include "configuration_check.h"
#include "main/fm_load.h"
#include "messages_window_settings.h"
#include "session_loading.h"
#include "view_state.h"

namespace korain {
namespace {

constexpr char kBaseTitle[] = "Korain";

// Reads what the session edits; what cannot be read is told and start-up goes
// on. Remarks worth keeping go to the message list.
void readDatabase(Session& session, Prompt& prompt, std::vector<std::string>& remarks) {
  const FileMessages shipMessages = openDatabase(session, session.run().paths.DatabasePath);
  if (!shipMessages.empty()) prompt.showMessage(messagesText(shipMessages));
  PathConfig paths = session.run().paths;
  if (paths.ArrangementNumber <= 0) {
    paths.ArrangementNumber = 0;
    session.setPaths(paths);
    session.findHullSection();
    return;
  }
  const ZelReadResult read = openArrangement(session, paths.ArrangementNumber);
  if (!read.found()) {
    paths.ArrangementNumber = 0;
    session.setPaths(paths);
    prompt.showMessage(messagesText(read.messages));
    return;
  }
  for (const FileMessage& message : read.messages) remarks.push_back(message.toString());
}

// Questions asked during start-up: the splash, kept above every window, would
// hide them, so it goes first.
class StartupPrompt : public Prompt {
 public:
  StartupPrompt(Prompt& prompt, std::unique_ptr<FM_Load>& splash)
      : prompt_(prompt), splash_(splash) {}

  void showMessage(const std::string& text) override {
    splash_.reset();
    prompt_.showMessage(text);
  }
  using Prompt::ask;
  Answer ask(const Question& question) override {
    splash_.reset();
    return prompt_.ask(question);
  }
  std::optional<std::string> askFileName(const FileQuestion& question) override {
    splash_.reset();
    return prompt_.askFileName(question);
  }

 private:
  Prompt& prompt_;
  std::unique_ptr<FM_Load>& splash_;
};

// The folders and preferences the run starts with, once the file has been checked: what it
// refused is among the remarks, and its default in the file.
PathConfig readStartupConfiguration(const EditorStart& start, std::vector<std::string>& remarks) {
  for (std::string& refused : checkConfiguration(start.iniPath, start.programFolder)) {
    remarks.push_back(std::move(refused));
  }
  return readPathConfig(start.iniPath, start.programFolder);
}

}  // namespace

StartedEditor startEditor(Session& session, Prompt& userPrompt, const EditorStart& start) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  CommandLine commandLine = start.commandLine;
  anchorDatabaseName(commandLine, QDir::currentPath().toStdString());
  StartupState state = startupState(commandLine, kBaseTitle);
  std::unique_ptr<FM_Load> splash;
  StartupPrompt prompt(userPrompt, splash);
  if (showsSplash(state)) {
    splash = std::make_unique<FM_Load>(QString::fromStdString(state.applicationTitle));
    splash->show();
    QApplication::processEvents();
  }
  const auto stop = [&](const StartupResult& result) {
    QApplication::restoreOverrideCursor();
    splash.reset();
    if (!result.message.empty()) prompt.showMessage(result.message);
    return StartedEditor{};
  };
  std::vector<std::string> remarks;
  const StartupResult debugFolder = enterDebugFolder(state, start.iniPath, prompt);
  if (!debugFolder.message.empty()) remarks.push_back(debugFolder.message);
  if (const StartupResult check = checkLibraryVersions(); !check.proceed) return stop(check);

  state.paths = readStartupConfiguration(start, remarks);
  session.startRun(state);
  auto window = std::make_unique<FM_Main>(session, userPrompt);
  PathConfig& paths = state.paths;
  if (const StartupResult folder = enterWorkingFolder(paths); !folder.message.empty()) {
    remarks.push_back(folder.message);
  }
  if (const StartupResult chosen = chooseDatabase(commandLine, paths, prompt); !chosen.proceed) {
    return stop(chosen);
  }
  settleStartupArrangement(commandLine, state);
  if (const StartupResult copy = makeStartupCopy(paths); !copy.message.empty()) {
    remarks.push_back(copy.message);
  }
  state.Loading = false;
  session.startRun(state);
  session.usePreferencesFile(start.iniPath);
  session.showPanel(PanelCode::Bulkhead, Follow::Nothing);

  readDatabase(session, prompt, remarks);
  window->show();
  window->setPanelWidth(readPanelWidth(start.iniPath));
  window->setMessagesWindowPlace(readMessagesWindowPlace(start.iniPath));
  QApplication::processEvents();
  window->initialiseView();
  splash.reset();
  QApplication::restoreOverrideCursor();
  return {.window = std::move(window), .remarks = std::move(remarks)};
}

void finishStartup(StartedEditor& started, Session& session) {
  switch (startupEnd(session.run())) {
    case StartupEnd::NewArrangement:
      started.window->createArrangement("&New...");
      break;
    case StartupEnd::ArrangementList:
      started.window->openArrangement();
      break;
    case StartupEnd::Shown:
      break;
  }
  session.report(started.remarks);
}

void rememberLastDatabase(const Session& session, const std::string& iniPath) {
  PathConfig paths = session.run().paths;
  paths.DatabasePath = session.database().DatabasePath;
  writePathConfig(iniPath, paths);
}

void rememberPanelWidth(const FM_Main& window, const std::string& iniPath) {
  writePanelWidth(iniPath, window.panelWidth());
}

void rememberMessagesWindow(const FM_Main& window, const std::string& iniPath) {
  writeMessagesWindowPlace(iniPath, window.messagesWindowPlace());
}

void rememberDisplayOptions(const Session& session, const std::string& iniPath) {
  writeScantlingLabels(iniPath, session.display().shows(display_bit::kScantlings));
  writeStiffenerSupports(iniPath, session.display().SupportsWhileEditingStiffeners);
}

}  // namespace korain
