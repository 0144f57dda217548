// The field tables of the section block's lines: where each value of a record
// stands on its line, so that the section reader takes them as the ZEL reader does.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/fields.h"
#include "section/section.h"

namespace korain {

// Line 1 of the general data is the name; line 2 its numbers.
template <>
struct Fields<Section> {
  static constexpr std::tuple stored{field("Name", &Section::Name, zel(0, 1)),
                                     field("X", &Section::X, zel(1, 2)),
                                     field("SymFlag", &Section::SymFlag, zel(2, 2)),
                                     field("HopperBreadth", &Section::HopperBreadth, zel(3, 2)),
                                     field("HopperZTop", &Section::HopperZTop, zel(4, 2)),
                                     field("DefaultMaterial", &Section::DefaultMaterial, zel(5, 2)),
                                     field("Tolerance", &Section::Tolerance, zel(6, 2))};
};

// The values after the panel's name.
template <>
struct Fields<SectionPanel> {
  static constexpr std::tuple stored{field("iMat", &SectionPanel::iMat, zel(1))};
};

// Value 1 of the lines below is the panel's number.
template <>
struct Fields<SectionStrake> {
  static constexpr std::tuple stored{
      field("Ref", &SectionStrake::Ref, zel(2)),  field("Y1", &SectionStrake::Y1, zel(3)),
      field("Z1", &SectionStrake::Z1, zel(4)),    field("Y2", &SectionStrake::Y2, zel(5)),
      field("Z2", &SectionStrake::Z2, zel(6)),    field("Th", &SectionStrake::Th, zel(7)),
      field("iMat", &SectionStrake::iMat, zel(8))};
};

template <>
struct Fields<TwoEndedObject> {
  static constexpr std::tuple stored{
      field("Y1", &TwoEndedObject::Y1, zel(2)), field("Z1", &TwoEndedObject::Z1, zel(3)),
      field("Y2", &TwoEndedObject::Y2, zel(4)), field("Z2", &TwoEndedObject::Z2, zel(5))};
};

// The items of a list that follow their count, each from its own first value.
template <>
struct Fields<StiffenerEnd> {
  static constexpr std::tuple stored{field("Y", &StiffenerEnd::Y, zel(1)),
                                     field("Z", &StiffenerEnd::Z, zel(2)),
                                     field("Side", &StiffenerEnd::Side, zel(3))};
};

template <>
struct Fields<NodeRef> {
  static constexpr std::tuple stored{field("Ipan", &NodeRef::Ipan, zel(1)),
                                     field("Inod", &NodeRef::Inod, zel(2))};
};

}  // namespace korain
