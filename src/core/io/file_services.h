// File and folder services of the database commands: existence, copies with
// another extension, the current folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace korain {

// True when the file exists and can be opened for reading.
bool fileExists(const std::string& path);

// Copies the file to the same name with its extension replaced ("ship.ko2" with
// "old" gives "ship.old"), replacing an existing copy in one step. The copy
// keeps the file's permissions and group, so that a private database stays
// private in its copies; a file given through a symbolic link is copied beside
// the file the link points to. False, with the reason in error, when the copy
// cannot be made.
bool backupCopy(const std::string& path, std::string_view newExtension, std::string& error);

// The name backupCopy would write to.
std::string withExtension(const std::string& path, std::string_view newExtension);

// Makes the folder current; false, with the reason in error, when it cannot be.
bool changeFolder(const std::string& path, std::string& error);

}  // namespace korain
