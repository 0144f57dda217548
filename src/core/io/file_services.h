// File and folder services of the database commands: existence, copies, moves, temporary names.
#pragma once

#include <string>
#include <string_view>

namespace korain {

// True when the file exists and can be opened for reading.
bool fileExists(const std::string& path);

// Deletes the file when it exists; errors are ignored.
void deleteFile(const std::string& path);

// Copies the file to the same name with its extension replaced ("ship.ko2" with
// "bak" gives "ship.bak"), replacing an existing copy. False, with the reason in
// error, when the copy cannot be made.
bool backupCopy(const std::string& path, std::string_view newExtension, std::string& error);

// The name backupCopy would write to.
std::string withExtension(const std::string& path, std::string_view newExtension);

// Moves source onto target, replacing it. False, with the reason in error, on failure;
// the target is then left as it was.
bool moveFile(const std::string& source, const std::string& target, std::string& error);

// A new file name in the given folder (the system's temporary folder when empty),
// beginning with the program's name, that no file has yet.
std::string tempFileName(const std::string& folder = {});

// Makes the folder current; false, with the reason in error, when it cannot be.
bool changeFolder(const std::string& path, std::string& error);

}  // namespace korain
