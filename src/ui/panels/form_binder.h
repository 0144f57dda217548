// Builds a form's controls from its table, fills them from the settled model
// and hands each value committed in them to the session as one change.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor.h"
#include "form_change.h"
#include "panels/form_rows.h"
#include "view/form_table.h"

namespace korain {

class FormBinder : public QObject {
  Q_OBJECT

 public:
  // A panel's field goes to the model once committed; a dialog's on Ok.
  enum class Commit { EachField, OnConfirm };
  // Where a row's caption goes: beside its control, or above it across the
  // form's width (a caption that reads as a sentence ending in the choice).
  enum class Caption { Beside, Above };

  FormBinder(Editor& editor, QWidget& form, Commit commit = Commit::EachField);

  // Adds the table's row whose control is named so to the rows.
  template <typename Record>
  QWidget* addRow(FormRows& rows, const FormTable<Record>& table, std::string_view objectName,
                  Caption caption = Caption::Beside);
  // Adds every row of the table, in its order.
  template <typename Record>
  void addRows(FormRows& rows, const FormTable<Record>& table);
  // The control of the table's row named so, without its caption, for the
  // form to lay out where its caption serves several controls.
  template <typename Record>
  QWidget* addControl(const FormTable<Record>& table, std::string_view objectName);

  // What the form asks before a value committed in the control named so goes
  // to the model: the value to store, or none to store nothing (the form then
  // shows the model again).
  using Ask = std::function<std::optional<FormValue>(std::string_view objectName, FormValue value)>;
  void setAsk(Ask ask) { ask_ = std::move(ask); }

  // The side whose compartment the form shows.
  void setPlace(FormPlace place) { place_ = place; }
  // Shows every row's state in the settled model.
  void fill();
  // Ok of a dialog: every value that differs from the stored one, as one
  // change under the label. False, with the refusing field holding the focus,
  // when a field refuses its text.
  bool confirm(const std::string& label);

 private:
  struct Bound {
    QWidget* control = nullptr;
    std::string_view objectName;
    QLabel* caption = nullptr;
    QLabel* lead = nullptr;
    std::span<const FormTool> tools;
    std::string_view unit;
    ChoiceList choices = ChoiceList::None;
    Long firstCode = 0;
    Affects affects = Affects::Nothing;
    FormScope scope = FormScope::CurrentBulkhead;
    std::function<RowState(const Arrangement&, FormPlace)> state;
    std::function<ChangeRequest(FormValue, const Arrangement&, FormPlace)> change;
    std::function<EditOutcome(Arrangement&, const FormValue&, FormPlace)> apply;
  };

  struct Built {
    QWidget* control;
    QLabel* caption;
    QLabel* lead;
  };
  Built build(FormRows& rows, const FormRowLook& look, Caption caption);
  Built build(const FormRowLook& look);
  QLabel* captionOf(FormRows& rows, const FormRowLook& look, Caption caption, QWidget* control,
                    QLabel* lead);
  void add(Bound bound);
  template <typename Record>
  void bind(const FormTable<Record>& table, const FormRow<Record>& row, Built built);
  void show(const Bound& bound, const RowState& state);
  // The value the control gives; none when it gives none (a list showing no
  // item, a tool that sets nothing).
  std::optional<FormValue> valueOf(const Bound& bound) const;
  void committed(const Bound& bound);

  Editor& editor_;
  QWidget& form_;
  Commit commit_;
  FormPlace place_{};
  std::vector<Bound> bound_;
  Ask ask_;
};

template <typename Record>
QWidget* FormBinder::addRow(FormRows& rows, const FormTable<Record>& table,
                            std::string_view objectName, Caption caption) {
  const FormRow<Record>* row = rowNamed(table, objectName);
  if (row == nullptr) return nullptr;
  const Built built = build(rows, lookOf(*row), caption);
  bind(table, *row, built);
  return built.control;
}

template <typename Record>
QWidget* FormBinder::addControl(const FormTable<Record>& table, std::string_view objectName) {
  const FormRow<Record>* row = rowNamed(table, objectName);
  if (row == nullptr) return nullptr;
  const Built built = build(lookOf(*row));
  bind(table, *row, built);
  return built.control;
}

template <typename Record>
void FormBinder::bind(const FormTable<Record>& table, const FormRow<Record>& row, Built built) {
  const FormRow<Record>* bound = &row;
  add({.control = built.control,
       .objectName = row.objectName,
       .caption = built.caption,
       .lead = built.lead,
       .tools = row.tools,
       .unit = row.unit,
       .choices = row.choices,
       .firstCode = row.firstCode,
       .affects = row.affects,
       .scope = table.scope,
       .state = [&table, bound](const Arrangement& a,
                                FormPlace place) { return tableRowState(table, *bound, a, place); },
       .change = [&table, bound](
                     FormValue value, const Arrangement& a,
                     FormPlace place) { return formChange(table, *bound, value, place, a); },
       .apply = [&table, bound](
                    Arrangement& a, const FormValue& value,
                    FormPlace place) { return setFormField(a, table, *bound, value, place); }});
}

template <typename Record>
void FormBinder::addRows(FormRows& rows, const FormTable<Record>& table) {
  for (const FormRow<Record>& row : table.rows) addRow(rows, table, row.objectName);
}

}  // namespace korain
