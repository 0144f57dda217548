// Writing a whole file at once: into a temporary beside it, then renamed over
// it, so that a failed write leaves the old file as it was.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <string>

namespace korain {

// Saves `bytes` as the file at `path`; on failure `error` says why.
bool saveBytes(const std::string& path, const QByteArray& bytes, std::string& error);

}  // namespace korain
