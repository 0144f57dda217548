// Writing a whole file so that it is on the disk when the call returns.
#pragma once

#include <string>
#include <string_view>

namespace korain {

// Creates or truncates the file, writes the bytes and flushes them to the disk.
// False, with the reason in error, when any step fails; a partly written file
// may then remain and is the caller's to remove.
bool writeFileDurably(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace korain
