// The committed schema of the arrangement is the one the field tables make.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_schema.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace korain {
namespace {

constexpr const char* kSchemaPath = KORAIN_DOCS "/arrangement.schema.json";

// With KORAIN_UPDATE_EXPECTED set (scripts/update-expected) the committed schema is rewritten.
TEST(ArrangementSchema, CommittedSchemaIsTheGeneratedOne) {
  const std::string generated = arrangementSchema().dump(2) + "\n";
  if (std::getenv("KORAIN_UPDATE_EXPECTED") != nullptr) {
    std::ofstream(kSchemaPath, std::ios::binary) << generated;
  }
  std::ifstream committed(kSchemaPath, std::ios::binary);
  std::stringstream text;
  text << committed.rdbuf();
  EXPECT_TRUE(text.str() == generated)
      << kSchemaPath
      << " differs from the schema the field tables make; run scripts/update-expected "
      << "and review the change";
}

}  // namespace
}  // namespace korain
