// A change of the arrangement as the windows hand it to the session: its undo
// label, the edit, which bulkheads it can reach and what must follow it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "edit/edit_outcome.h"
#include "edit/edited_arrangement.h"
#include "model/edit_scope.h"

namespace korain {

// What the windows show again after a change, beyond the caption, the undo
// and redo items, the message list and the drawing, which follow every change
// (every change computes again the bulkheads it reaches). Combined with `|`.
enum class Follow : std::uint8_t {
  Nothing = 0,
  // The drawing is painted again.
  Redraw = 1 << 1,
  // The current panel (and the bulkhead selector above it) is filled again.
  Panel = 1 << 2,
  // Only the current panel's rows are filled again: the stool controls of the
  // bulkhead panel, the list rows of a list panel.
  Rows = 1 << 3,
  // The enabled states and texts of the menus and tools.
  Menus = 1 << 4,
  // The bulkhead selector's texts.
  Selector = 1 << 5,
  // The message list shows the session's messages.
  Messages = 1 << 6,
};

constexpr Follow operator|(Follow a, Follow b) {
  return static_cast<Follow>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

constexpr bool has(Follow set, Follow flag) {
  return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(flag)) != 0;
}

// What every change of the arrangement shows again, whatever it asks for: the
// messages and the drawing of the geometry just computed.
inline constexpr Follow kEveryChangeShows = Follow::Messages | Follow::Redraw;

// The whole refresh cycle: what follows most changes, F9, Undo and Redo.
inline constexpr Follow kRefreshAll =
    Follow::Messages | Follow::Panel | Follow::Menus | Follow::Redraw;

// A function that edits a `Target`: it returns what it has to tell (an
// `EditOutcome`), or returns nothing when it never has anything to tell.
template <typename F, typename Target>
concept EditingOf = std::invocable<const F&, Target&> &&
    (std::is_void_v<std::invoke_result_t<const F&, Target&>> ||
     std::convertible_to<std::invoke_result_t<const F&, Target&>, EditOutcome>);

// An edit of a `Target` (the arrangement, or one bulkhead of it) as the
// windows hand it on. Any editing function converts to it without a cast, so
// that a request is written with its edit as it comes.
template <typename Target>
class EditOf {
 public:
  EditOf() = default;
  template <EditingOf<Target> F>
  EditOf(F edit) : run_(telling(std::move(edit))) {}  // NOLINT(google-explicit-constructor)

  EditOutcome operator()(Target& target) const { return run_(target); }

 private:
  template <typename F>
  static std::function<EditOutcome(Target&)> telling(F edit) {
    if constexpr (std::is_void_v<std::invoke_result_t<const F&, Target&>>) {
      return [edit = std::move(edit)](Target& target) {
        edit(target);
        return EditOutcome{};
      };
    } else {
      return edit;
    }
  }

  std::function<EditOutcome(Target&)> run_;
};

using ChangeEdit = EditOf<Arrangement>;

struct ChangeRequest {
  // The name of the change in the Undo and Redo items.
  std::string label;
  // The bulkheads the edit can change, which are computed again; the others
  // keep their geometry, drawn paths and undo copies.
  EditScope scope;
  ChangeEdit edit;
  Follow follow = kRefreshAll;
};

}  // namespace korain
