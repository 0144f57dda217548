// The Help menu's manual: its first page opened in the desktop's browser.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/fm_main.h"

namespace korain {

void FM_Main::showManual() {
  const QString page = firstExistingFile(manualBrowser_.pages);
  if (page.isEmpty()) {
    prompt().showMessage("The Korain manual is not installed: " +
                         manualBrowser_.pages.join(", ").toStdString() + " not found.");
    return;
  }
  if (!manualBrowser_.open(QUrl::fromLocalFile(page))) {
    prompt().showMessage("The Korain manual " + page.toStdString() +
                         " could not be opened: no browser took it.");
  }
}

}  // namespace korain
