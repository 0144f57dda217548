// Reading section blocks held in memory and the sections of the test data, for the section tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "io/text_file.h"
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

// A file of the test data; the test fails when it cannot be read.
inline std::string testDataBytes(const std::string& name) {
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(KORAIN_TEST_DATA "/" + name, error);
  EXPECT_TRUE(bytes) << error;
  return bytes.value_or("");
}

// Four panels carrying an element of every kind, and three compartments round them.
inline const Section& sampleSection() {
  static const Section section = readSectionText(testDataBytes("sample_section.ko2"));
  return section;
}

}  // namespace korain::testing
