// The rows of the primary members panel: the current member's position, on
// the axis its direction gives, and its direction.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "edit/member_edits.h"
#include "model/codes.h"
#include "model/record_fields.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

using F = Fields<PrimaryMember>;

constexpr char kMemberChanges[] = "Primary supporting member data changes";

// A vertical member stands at a y, any other at a z.
std::string_view axisOf(const PrimaryMember& member) {
  return member.HV == kVertical ? "&Y :" : "&Z :";
}

const std::array kRows{FormRow<PrimaryMember>{.field = &F::position,
                                              .objectName = "FTX_m",
                                              .caption = "&Position :",
                                              .unit = "m",
                                              .undoLabel = kMemberChanges}
                           .ledBy("LB_yz", axisOf),
                       FormRow<PrimaryMember>{.field = &F::hv,
                                              .objectName = "CB_HorVer",
                                              .caption = "&Direction :",
                                              .undoLabel = kMemberChanges}
                           .coded([](Long code) {
                             const auto text = directionText(code);
                             return text ? std::optional<std::string>(*text) : std::nullopt;
                           })};

}  // namespace

const FormTable<PrimaryMember>& memberForm() {
  static const FormTable<PrimaryMember> table{
      .rows = kRows,
      .shown = [](const Arrangement& a, FormPlace) -> const PrimaryMember* {
        const Bulkhead* b = shownBulkhead(a);
        if (b == nullptr || !b->PrimaryMembers.inBounds(b->CurPrim)) return nullptr;
        return &b->PrimaryMembers.at(b->CurPrim);
      },
      .edited =
          [](Arrangement& a, FormPlace) {
            Bulkhead* b = editedBulkhead(a);
            if (b == nullptr || !b->PrimaryMembers.inBounds(b->CurPrim)) {
              return std::vector<PrimaryMember*>{};
            }
            return std::vector<PrimaryMember*>{&b->PrimaryMembers.at(b->CurPrim)};
          },
      // A member that changed direction or passed another moves in the list;
      // the current index follows it.
      .settleAround =
          [](Arrangement& a, FormPlace) {
            if (Bulkhead* b = editedBulkhead(a)) sortMembers(b->PrimaryMembers, b->CurPrim);
          }};
  return table;
}

}  // namespace korain
