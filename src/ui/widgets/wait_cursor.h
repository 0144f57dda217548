// The hourglass for as long as a long step runs; the previous pointer comes
// back however the step ends.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace korain {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace korain
