// Builds hull sections of any size and writes them as section blocks, for tests and benchmarks.
#pragma once

#include <string>

#include "model/arrangement.h"
#include "section/section.h"
#include "section/section_format.h"

namespace korain::testing {

struct SectionSize {
  int panels = 4;
  int nodesPerPanel = 4;
  int stiffenersPerPanel = 2;
  int endsPerStiffener = 2;  // at most kMaxStiffenerEnds
  int strakesPerPanel = 2;
  int twoEndedPerPanel = 1;  // girders, brackets and cut-outs each
  int compartments = 3;
  int fillingLevels = 2;
};

// Every stored field gets a value that the file keeps exactly (coordinates with
// at most four decimals, other Singles with few digits), so that writing,
// reading and writing again gives the same bytes. Compartment k runs around the
// nodes of one panel and back to the first (at most kMaxNodeRefs references).
Section sampleSection(const SectionSize& size);

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
