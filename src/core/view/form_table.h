// The description of a form: one row a field, naming the stored field it
// edits, its caption, control name, unit, allowed range, what a change of it
// affects and the undo label of the change. Every panel and dialog that edits
// the arrangement is built, filled and checked from one of these tables.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/fields.h"

namespace korain {

// What must follow a change of a row's field, beyond the computation of the
// bulkheads the change reaches.
enum class Affects : std::uint8_t {
  Nothing,   // stored only: no other window shows it
  Name,      // labels its object in the selectors
  Tools,     // which tools and menu items are offered
  Rows,      // the other rows of its form: which are enabled or shown
  Drawing,   // how its objects are drawn and listed, not where they lie
  Geometry,  // the geometry of its bulkhead: every window shows it again
  Every,     // the geometry of every bulkhead
};

// Which records a form edits: the arrangement's own data, or data of the current bulkhead.
enum class FormScope : std::uint8_t { Header, CurrentBulkhead };

// A value as a form shows and takes it: a tick, a number (a code of a list
// too) or a text.
using FormValue = std::variant<bool, double, std::string>;

struct FormRange {
  double minimum = std::numeric_limits<double>::lowest();
  double maximum = std::numeric_limits<double>::max();

  bool holds(double value) const { return value >= minimum && value <= maximum; }
  bool operator==(const FormRange&) const = default;
};

inline constexpr FormRange kAnyNumber{};
inline constexpr FormRange kNotNegative{.minimum = 0};
inline constexpr FormRange kPositive{.minimum = 1e-6};

// The list a coded field is chosen from.
enum class ChoiceList : std::uint8_t {
  None,       // a number, a text or a tick, as the field's type says
  Codes,      // the texts `choiceText` gives, from `firstCode` on
  Materials,  // the ship's materials, numbered from 1
};

// A tool of a row edited by a bar of tools, one down at a time: its tip, its
// icon's name and the code it sets; a tool without a code sets nothing, and
// the bar shows the row's value again once it is pressed. A value that no
// tool sets shows the first tool down.
struct FormTool {
  std::string_view text;
  std::string_view icon;
  std::optional<Long> code;
};

// The stored field a row edits: an entry of the record's field table.
template <typename Record>
using FieldRef = std::variant<const Field<Record, Single>*, const Field<Record, Integer>*,
                              const Field<Record, Long>*, const Field<Record, bool>*,
                              const Field<Record, std::string>*>;

template <typename Record>
struct FormRow {
  FieldRef<Record> field;
  std::string_view objectName;
  std::string_view caption;
  std::string_view unit{};
  Affects affects = Affects::Geometry;
  std::string_view undoLabel{};
  // The name a refusal gives the field where its caption alone does not
  // tell it (two rows captioned alike); empty: its caption.
  std::string_view refusalName{};
  // The name of the caption's label, where the caption is looked for by it.
  std::string_view captionName{};
  // The numbers the field takes; `rangeOf` narrows it from the record
  // (a stool's top within its bulkhead's height) where the record can.
  FormRange range = kAnyNumber;
  std::optional<FormRange> (*rangeOf)(const Record&) = nullptr;
  ChoiceList choices = ChoiceList::None;
  std::optional<std::string> (*choiceText)(Long) = nullptr;
  Long firstCode = 0;
  // Where the row is enabled only for some records (a stool's top while
  // the stool is on), and what it shows then when not its stored value.
  bool (*enabledFor)(const Record&) = nullptr;
  std::optional<FormValue> (*shownFor)(const Record&) = nullptr;
  // A tick that reads its flag inverted: ticked, the flag is off ("No bracket").
  bool inverted = false;
  // A coded field edited by a bar of tools rather than chosen from a list.
  std::span<const FormTool> tools{};
  // A label before the control whose text follows the record (a member's
  // axis, "&Y :" or "&Z :"), named `leadName`.
  std::string_view leadName{};
  std::string_view (*leadFor)(const Record&) = nullptr;

  constexpr FormRow within(FormRange allowed) const {
    FormRow r = *this;
    r.range = allowed;
    return r;
  }
  constexpr FormRow within(std::optional<FormRange> (*allowed)(const Record&)) const {
    FormRow r = *this;
    r.rangeOf = allowed;
    return r;
  }
  constexpr FormRow refusedAs(std::string_view name) const {
    FormRow r = *this;
    r.refusalName = name;
    return r;
  }
  constexpr FormRow captionNamed(std::string_view name) const {
    FormRow r = *this;
    r.captionName = name;
    return r;
  }
  constexpr FormRow affecting(Affects what) const {
    FormRow r = *this;
    r.affects = what;
    return r;
  }
  constexpr FormRow coded(std::optional<std::string> (*text)(Long), Long first = 0) const {
    FormRow r = *this;
    r.choices = ChoiceList::Codes;
    r.choiceText = text;
    r.firstCode = first;
    return r;
  }
  constexpr FormRow ofMaterials() const {
    FormRow r = *this;
    r.choices = ChoiceList::Materials;
    r.firstCode = 1;
    return r;
  }
  constexpr FormRow asTools(std::span<const FormTool> bar) const {
    FormRow r = *this;
    r.tools = bar;
    return r;
  }
  constexpr FormRow ledBy(std::string_view name, std::string_view (*lead)(const Record&)) const {
    FormRow r = *this;
    r.leadName = name;
    r.leadFor = lead;
    return r;
  }
  constexpr FormRow enabledWhen(bool (*test)(const Record&)) const {
    FormRow r = *this;
    r.enabledFor = test;
    return r;
  }
  constexpr FormRow showing(std::optional<FormValue> (*shown)(const Record&)) const {
    FormRow r = *this;
    r.shownFor = shown;
    return r;
  }
  constexpr FormRow invertedTick() const {
    FormRow r = *this;
    r.inverted = true;
    return r;
  }
};

// A row as most are written: its field, control name, caption, undo label,
// what a change of it affects and its unit; the rest through the row's modifiers.
template <typename Record>
constexpr FormRow<Record> formRow(FieldRef<Record> field, std::string_view objectName,
                                  std::string_view caption, std::string_view undoLabel,
                                  Affects affects = Affects::Geometry, std::string_view unit = {}) {
  return {.field = field,
          .objectName = objectName,
          .caption = caption,
          .unit = unit,
          .affects = affects,
          .undoLabel = undoLabel};
}

// The control a row is edited in, from its field's type and its choices.
enum class Control : std::uint8_t { Tick, Text, Number, WholeNumber, Choice, Tools };

// What a row looks like, whatever its record: what the controls are built from.
struct FormRowLook {
  Control control = Control::Number;
  std::string_view objectName;
  std::string_view caption;
  std::string_view unit;
  std::string_view refusalName;
  std::string_view captionName;
  // A text: the most characters the file keeps (0: no limit).
  int most = 0;
  ChoiceList choices = ChoiceList::None;
  std::optional<std::string> (*choiceText)(Long) = nullptr;
  Long firstCode = 0;
  std::span<const FormTool> tools;
  std::string_view leadName;
  // The lead's text before the form shows a record.
  std::string_view lead;
};

// What a form row shows of the settled model.
struct RowState {
  std::optional<FormValue> value;  // none without a record: the control is emptied
  bool enabled = false;
  FormRange range = kAnyNumber;
  std::string_view lead{};  // the text of the label before the control, if it has one

  bool operator==(const RowState&) const = default;
};

// What a form needs besides the arrangement to find its record: the side of
// the bulkhead whose compartment the compartment panel shows; the tab of the
// stiffeners panel, which chooses the record of each stiffener its rows edit.
struct FormPlace {
  int side = 0;
  int tab = 0;
};

// A form's table: its rows, where its records are and what a change of them
// can reach. `shown` gives the record whose values the form shows (none:
// the form shows nothing and takes nothing); a form of a selection gives
// `shownSelection` instead, the records whose shared values it shows. `edited`
// gives the records a change is written into (the selected stiffeners, all of
// them); `settle` keeps the record's own rules after any of its fields changed
// (a stool switched on takes its default top); `settleAround` the rules that
// reach beyond the records (a stiffener's end span shares its bracket with the
// stiffener, a contour's first node keeps its start code, the primary members
// stay in order).
template <typename Record>
struct FormTable {
  std::span<const FormRow<Record>> rows;
  FormScope scope = FormScope::CurrentBulkhead;
  const Record* (*shown)(const Arrangement&, FormPlace) = nullptr;
  std::vector<Record*> (*edited)(Arrangement&, FormPlace) = nullptr;
  void (*settle)(Record&) = nullptr;
  std::vector<const Record*> (*shownSelection)(const Arrangement&, FormPlace) = nullptr;
  void (*settleAround)(Arrangement&, FormPlace) = nullptr;
};

namespace form_detail {

template <typename T>
FormValue toFormValue(const T& value) {
  if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, std::string>) {
    return value;
  } else {
    return static_cast<double>(value);
  }
}

}  // namespace form_detail

// The field's key in the files (the JSON key), for messages and tests.
template <typename Record>
std::string_view fieldKey(const FieldRef<Record>& field) {
  return std::visit([](const auto* f) { return f->name; }, field);
}

// The most characters a text field keeps; 0 for no limit or no text.
template <typename Record>
int fieldMost(const FieldRef<Record>& field) {
  return std::visit([](const auto* f) { return f->most; }, field);
}

template <typename Record>
bool isWholeNumber(const FieldRef<Record>& field) {
  return std::holds_alternative<const Field<Record, Integer>*>(field) ||
         std::holds_alternative<const Field<Record, Long>*>(field);
}

template <typename Record>
FormValue storedValue(const FormRow<Record>& row, const Record& record) {
  FormValue value =
      std::visit([&](const auto* f) { return form_detail::toFormValue(f->of(record)); }, row.field);
  if (row.inverted) value = !std::get<bool>(value);
  return value;
}

template <typename Record>
FormRange rangeFor(const FormRow<Record>& row, const Record& record) {
  if (row.rangeOf == nullptr) return row.range;
  return row.rangeOf(record).value_or(row.range);
}

template <typename Record>
RowState rowState(const FormRow<Record>& row, const Record* record) {
  if (record == nullptr) return {};
  std::optional<FormValue> shown = row.shownFor ? row.shownFor(*record) : std::nullopt;
  return {.value = shown ? std::move(shown) : storedValue(row, *record),
          .enabled = row.enabledFor == nullptr || row.enabledFor(*record),
          .range = rangeFor(row, *record),
          .lead = row.leadFor ? row.leadFor(*record) : std::string_view{}};
}

// What a row of a selection shows: the value its records share, none where
// they differ (the control writes nothing until given a value); it is enabled
// when it is for every record.
template <typename Record>
RowState selectionRowState(const FormRow<Record>& row, std::span<const Record* const> records) {
  if (records.empty()) return {};
  RowState state = rowState(row, records.front());
  for (const Record* record : records.subspan(1)) {
    const RowState other = rowState(row, record);
    if (other.value != state.value) state.value.reset();
    state.enabled = state.enabled && other.enabled;
  }
  return state;
}

// What a row of the table shows of the settled model.
template <typename Record>
RowState tableRowState(const FormTable<Record>& table, const FormRow<Record>& row,
                       const Arrangement& arrangement, FormPlace place) {
  if (table.shownSelection == nullptr) return rowState(row, table.shown(arrangement, place));
  return selectionRowState<Record>(row, table.shownSelection(arrangement, place));
}

// The state of every row of a table, in its order.
template <typename Record>
std::vector<RowState> formState(const FormTable<Record>& table, const Arrangement& arrangement,
                                FormPlace place = {}) {
  std::vector<RowState> states;
  states.reserve(table.rows.size());
  for (const FormRow<Record>& row : table.rows) {
    states.push_back(tableRowState(table, row, arrangement, place));
  }
  return states;
}

template <typename Record>
FormRowLook lookOf(const FormRow<Record>& row) {
  const Control control = std::visit(
      [&](const auto* f) {
        using T = typename std::remove_pointer_t<decltype(f)>::Type;
        if constexpr (std::is_same_v<T, bool>) return Control::Tick;
        if constexpr (std::is_same_v<T, std::string>) return Control::Text;
        if (!row.tools.empty()) return Control::Tools;
        if (row.choices != ChoiceList::None) return Control::Choice;
        return std::is_integral_v<T> ? Control::WholeNumber : Control::Number;
      },
      row.field);
  return {.control = control,
          .objectName = row.objectName,
          .caption = row.caption,
          .unit = row.unit,
          .refusalName = row.refusalName,
          .captionName = row.captionName,
          .most = fieldMost(row.field),
          .choices = row.choices,
          .choiceText = row.choiceText,
          .firstCode = row.firstCode,
          .tools = row.tools,
          .leadName = row.leadName,
          .lead = row.leadFor ? row.leadFor(Record{}) : std::string_view{}};
}

// The row of a table whose control is named so; none when there is none.
template <typename Record>
const FormRow<Record>* rowNamed(const FormTable<Record>& table, std::string_view objectName) {
  for (const FormRow<Record>& row : table.rows) {
    if (row.objectName == objectName) return &row;
  }
  return nullptr;
}

}  // namespace korain
