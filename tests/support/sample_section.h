// Writes hull sections as section blocks, for tests and benchmarks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"
#include "section/section.h"
#include "section/section_format.h"

namespace korain::testing {

// Appends the section as block n with the given data version. Korain itself
// never writes sections: the midship-section program does. This writer keeps
// the layout that docs/file-format.md describes, so that tests and benchmarks
// can make section blocks of any size; it writes each list part only when some
// panel has an element of it.
void writeSectionBlock(std::string& out, const Section& section, Integer blockNumber,
                       Single version = kSectionVersion);

std::string sectionBlockText(const Section& section, Integer blockNumber = 1,
                             Single version = kSectionVersion);

}  // namespace korain::testing
