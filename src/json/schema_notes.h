// What the schema of the arrangement says of each record in words: its name
// among the definitions and what it is; what its fields mean is said with
// them, in their field tables.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/arrangement.h"

namespace korain::schema_notes {

template <typename Record>
struct Notes;

template <>
struct Notes<Scantling> {
  static constexpr std::string_view name = "scantling";
  static constexpr std::string_view text = "Profile dimensions.";
};

template <>
struct Notes<Node> {
  static constexpr std::string_view name = "node";
  static constexpr std::string_view text = "A contour node.";
};

template <>
struct Notes<PrimaryMember> {
  static constexpr std::string_view name = "primaryMember";
  static constexpr std::string_view text = "A primary supporting member.";
};

template <>
struct Notes<Bracket> {
  static constexpr std::string_view name = "bracket";
  static constexpr std::string_view text = "One end of an ordinary stiffener.";
};

template <>
struct Notes<StiffenerSpan> {
  static constexpr std::string_view name = "span";
  static constexpr std::string_view text = "A span of an ordinary stiffener.";
};

template <>
struct Notes<OrdinaryStiffener> {
  static constexpr std::string_view name = "stiffener";
  static constexpr std::string_view text = "A group of ordinary stiffeners.";
};

template <>
struct Notes<Strake> {
  static constexpr std::string_view name = "strake";
  static constexpr std::string_view text = "A strake.";
};

template <>
struct Notes<StrakeBand> {
  static constexpr std::string_view name = "strakeBand";
  static constexpr std::string_view text = "A strake band.";
};

template <>
struct Notes<FillingPoint> {
  static constexpr std::string_view name = "fillingPoint";
  static constexpr std::string_view text = "A filling level; the file keeps 4 decimals.";
};

template <>
struct Notes<Compartment> {
  static constexpr std::string_view name = "compartment";
  static constexpr std::string_view text = "A compartment beside a bulkhead.";
};

template <>
struct Notes<Corrugation> {
  static constexpr std::string_view name = "corrugation";
  static constexpr std::string_view text = "Corrugation of a corrugated bulkhead.";
};

template <>
struct Notes<Bulkhead> {
  static constexpr std::string_view name = "bulkhead";
  static constexpr std::string_view text = "A bulkhead.";
};

template <>
struct Notes<Arrangement> {
  static constexpr std::string_view name = "arrangement";
  static constexpr std::string_view text = "The arrangement.";
};

}  // namespace korain::schema_notes
