// Qt's own notes on standard error that say nothing to our users.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korain {

// Keeps Qt's note that XDG_RUNTIME_DIR is not set (as on a console or in a
// service, where Qt falls back to a private folder of its own and goes on)
// off standard error, so that a run that succeeds writes nothing there. Every
// other message still goes where it went. Call before the application object
// is made.
void silenceRuntimeFolderNote();

}  // namespace korain
