// The fixed lines that frame every block of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace korain {

// Texts of the numbered table that the writer, the reader and the block finder
// share, fetched once.
struct DatabaseTexts {
  std::string commentMarker;
  std::string blockBanner;
  std::string versionBanner;
  std::string generalBanner;
  std::string panelsBanner;
  std::string nodesBanner;
  std::string compartmentsBanner;
  std::string compartmentPartBanner;
  std::string coordinateFormat;

  static const DatabaseTexts& get();
};

inline constexpr char kZelKeyword[] = "ZEL";
inline constexpr char kTorsionKeyword[] = "TORSION";

}  // namespace korain
