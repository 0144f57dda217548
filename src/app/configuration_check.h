// The editor's check of "Tessaly.ini" at start-up: every number the file holds outside the
// range its dialog enforces is named once and replaced in the file by its default.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace korain {

// Reads every record of the file as the run will, and returns one remark per number it
// refused, naming the section, the key, the value found, the range and the default used;
// the file then holds the default in its place, so that the value is neither used nor
// written back as it was. A key an earlier release wrote under the string table's
// placeholder name is carried over to its own name first. A file that cannot be written
// adds its error to the remarks.
std::vector<std::string> checkConfiguration(const std::string& iniPath,
                                            const std::string& programFolder);

}  // namespace korain
