// Writing, reading and editing blocks in memory, for the block tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "io/zel_reader.h"
#include "io/zel_writer.h"

namespace korain::testing {

inline ZelWriteContext fixedContext() {
  return {.program = {1, 0, 1},
          .user = "tester",
          .site = "yard",
          .date = "05/12/2026",
          .time = "10:30:00",
          .identification = {}};
}

// The block as the writer makes it, for an arrangement taken by value so that
// the caller's copy keeps an empty ID empty.
inline std::string zelText(Arrangement arrangement, Integer blockNumber = 1) {
  std::string out;
  writeZelBlock(out, arrangement, blockNumber, fixedContext());
  return out;
}

inline Arrangement readBack(const std::string& bytes, Integer blockNumber = 1,
                            ZelReadResult* result = nullptr) {
  Arrangement arrangement;
  ZelReadResult read = readZelBlockFromBytes(bytes, "test.ko2", blockNumber, arrangement);
  if (result) *result = read;
  return arrangement;
}

// The text with the first occurrence of a whole line replaced; the test fails when it is missing.
inline std::string withLine(std::string text, const std::string& line,
                            const std::string& replacement) {
  const std::size_t at = text.find("\r\n" + line + "\r\n");
  EXPECT_NE(at, std::string::npos) << "no line '" << line << "'";
  if (at != std::string::npos) text.replace(at + 2, line.size(), replacement);
  return text;
}

// The block with remarks after every line, a blank line before each line of its parts that starts
// with " 1 \t", and an empty line before each line that starts with `record` (unless empty): all of
// them nothing to a reader.
inline std::string withRemarksAndBlankLines(const std::string& text, std::string_view record) {
  const std::size_t records = text.find("------------------ COMPARTMENT RECORD");
  std::string changed;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start) + 2;
    const std::string line = text.substr(start, end - start);
    if (start < records && line.starts_with(" 1 \t")) changed += " \t \r\n";
    if (!record.empty() && line.starts_with(record)) changed += "\r\n";
    changed += line + "* a remark\r\n*\r\n";
    start = end;
  }
  return changed;
}

}  // namespace korain::testing
