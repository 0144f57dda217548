// Reading section blocks held in memory, for the section tests.
#pragma once

#include <string>
#include <string_view>

#include "section/section_reader.h"

namespace korain::testing {

inline Section readSectionText(std::string_view bytes, Integer blockNumber = 1,
                               SectionReadResult* result = nullptr,
                               Arrangements arrangements = Arrangements::ReadAsSections) {
  Section section;
  SectionReadResult read =
      readSectionFromBytes(bytes, "test.ko2", blockNumber, section, arrangements);
  if (result) *result = read;
  return section;
}

// The texts of the messages, one a line, for failure output and substring checks.
inline std::string messageTexts(const SectionReadResult& result) {
  std::string texts;
  for (const FileMessage& m : result.messages) texts += m.toString() + "\n";
  return texts;
}

}  // namespace korain::testing
