// A Qt GUI application object for the commands that draw: Qt's fonts need
// one, even with no screen to show anything on.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

#include "qt_notes.h"

namespace korain {

class OffscreenApplication {
 public:
  OffscreenApplication() = default;

 private:
  static bool chooseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    silenceRuntimeFolderNote();
    return true;
  }

  // Members are made in this order: the platform is chosen before the application.
  bool platformChosen_ = chooseOffscreenPlatform();
  int argc_ = 1;
  char name_[11] = "korain-cli";
  char* argv_[2] = {name_, nullptr};
  QGuiApplication application_{argc_, argv_};
};

}  // namespace korain
