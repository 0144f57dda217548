// Which groups of load data the loading dialog shows for each load type, in a standard and a
// JBP run, and the caption of the bulk data.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/loading_dialog_state.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(LoadingDialogState, EachTypeShowsTheGroupsItUses) {
  using enum LoadingMode;
  const std::string home = "Homogeneous";
  const std::string load = "Load Data";
  const struct {
    Long type;
    LoadingMode mode;
    LoadingDialogState shown;
  } cases[] = {
      {0, Standard, {false, false, false, load, false}},
      {1, Standard, {true, false, false, home, false}},
      {2, Standard, {true, false, false, home, false}},
      {3, Standard, {true, true, false, home, false}},
      {4, Standard, {false, false, true, load, false}},
      {5, Standard, {false, false, true, load, false}},
      {6, Standard, {true, false, true, home, false}},
      {7, Standard, {false, false, false, load, false}},
      {0, Jbp, {false, false, false, home, false}},
      {3, Jbp, {true, true, false, home, false}},
      {5, Jbp, {false, false, true, home, true}},
      {6, Jbp, {true, false, true, home, true}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(loadingDialogState(c.type, c.mode), c.shown)
        << c.type << (c.mode == Jbp ? " JBP" : "");
  }
}

}  // namespace
}  // namespace korain
