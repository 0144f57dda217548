// Building a form's controls from its rows, filling them and committing their values.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/form_binder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

#include "main/toolbar_icons.h"
#include "widgets/commit_field.h"
#include "widgets/material_list.h"
#include "widgets/number_field.h"

namespace korain {
namespace {

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* choiceList(const FormRowLook& look, FormBinder::Commit commit, QWidget* parent) {
  auto* list = new QComboBox(parent);
  // A panel's list stays narrow enough for the panel column; a dialog's shows its items whole.
  if (commit == FormBinder::Commit::EachField) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(10);
  }
  if (look.choices == ChoiceList::Codes) {
    for (Long code = look.firstCode; const auto text = look.choiceText(code); ++code) {
      list->addItem(QString::fromStdString(*text));
    }
  }
  return list;
}

NumberField* numberField(const FormRowLook& look, QWidget* parent) {
  auto* field = new NumberField(parent);
  // An index kept as a whole number rounds a fraction typed.
  if (look.control == Control::WholeNumber) field->setWholeNumbers(NumberField::Fraction::Rounded);
  if (!look.refusalName.empty()) field->setCaption(fromView(look.refusalName));
  return field;
}

// A bar of raised toggles `name`_0, `name`_1 ..., one down at a time.
QWidget* toolBar(const FormRowLook& look, QWidget* parent) {
  auto* bar = new QWidget(parent);
  auto* line = new QHBoxLayout(bar);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(0);
  auto* group = new QButtonGroup(bar);
  for (int t = 0; t < std::ssize(look.tools); ++t) {
    const FormTool& tool = look.tools[static_cast<std::size_t>(t)];
    auto* button = new QToolButton(bar);
    button->setObjectName(fromView(look.objectName) + QString("_%1").arg(t));
    button->setText(fromView(tool.text));
    button->setToolTip(button->text());
    button->setIcon(toolbarIcon(fromView(tool.icon)));
    button->setIconSize({24, 24});
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setCheckable(true);
    group->addButton(button, t);
    line->addWidget(button);
  }
  return bar;
}

QButtonGroup& toolsOf(const QWidget& bar) { return *bar.findChild<QButtonGroup*>(); }

// Puts down the tool of the code; none lets every tool go.
void showTool(QButtonGroup& group, std::span<const FormTool> tools, std::optional<Long> code) {
  // Showing the model is no press of a tool.
  const QSignalBlocker quiet(&group);
  if (!code) {
    // An exclusive group keeps one tool down; it lets go only while not exclusive.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) button->setChecked(false);
    group.setExclusive(true);
    return;
  }
  int down = 0;  // a code no tool sets shows the first tool down
  for (std::size_t t = 0; t < tools.size(); ++t) {
    if (tools[t].code == code) down = static_cast<int>(t);
  }
  group.button(down)->setChecked(true);
}

QWidget* controlFor(const FormRowLook& look, FormBinder::Commit commit, QWidget* parent) {
  switch (look.control) {
    case Control::Tick:
      return new QCheckBox(fromView(look.caption), parent);
    case Control::Text: {
      auto* field = new CommitField(parent);
      if (look.most > 0) field->setMaxLength(look.most);
      return field;
    }
    case Control::Choice:
      return choiceList(look, commit, parent);
    case Control::Tools:
      return toolBar(look, parent);
    case Control::Number:
    case Control::WholeNumber:
      return numberField(look, parent);
  }
  return nullptr;
}

// The tip of a number field: what it takes, with its unit.
QString rangeTip(const NumberField& field, std::string_view unit) {
  QString range = field.rangeText();
  if (range.isEmpty() || unit.empty()) return range;
  return range + " " + fromView(unit);
}

}  // namespace

FormBinder::FormBinder(Editor& editor, QWidget& form, Commit commit)
    : QObject(&form), editor_(editor), form_(form), commit_(commit) {}

FormBinder::Built FormBinder::build(FormRows& rows, const FormRowLook& look, Caption caption) {
  QWidget* control = controlFor(look, commit_, &form_);
  control->setObjectName(fromView(look.objectName));
  if (look.control == Control::Tick) {
    rows.addWide(control);
    return {control, nullptr, nullptr};
  }
  QLabel* lead = nullptr;
  if (!look.leadName.empty()) {
    lead = new QLabel(fromView(look.lead), &form_);
    lead->setObjectName(fromView(look.leadName));
    lead->setBuddy(control);
  }
  QLabel* label = captionOf(rows, look, caption, control, lead);
  label->setObjectName(fromView(look.captionName));
  return {control, label, lead};
}

FormBinder::Built FormBinder::build(const FormRowLook& look) {
  QWidget* control = controlFor(look, commit_, &form_);
  control->setObjectName(fromView(look.objectName));
  return {control, nullptr, nullptr};
}

QLabel* FormBinder::captionOf(FormRows& rows, const FormRowLook& look, Caption caption,
                              QWidget* control, QLabel* lead) {
  const QString text = fromView(look.caption);
  if (caption == Caption::Above) return rows.addAbove(text, control);
  // A caption that names its unit, "Span reduction  (m):", needs it no more beside the field.
  const bool unitBeside = !look.unit.empty() && !text.contains("(" + fromView(look.unit) + ")");
  if (!unitBeside && lead == nullptr) return rows.add(text, control);
  auto* line = new QHBoxLayout;
  if (lead != nullptr) line->addWidget(lead);
  line->addWidget(control, 1);
  if (unitBeside) line->addWidget(new QLabel(fromView(look.unit), &form_));
  return rows.add(text, line, control);
}

void FormBinder::add(Bound bound) {
  bound_.push_back(std::move(bound));
  const std::size_t index = bound_.size() - 1;
  QWidget* control = bound_.back().control;
  const auto commit = [this, index] { committed(bound_[index]); };
  if (auto* tick = qobject_cast<QCheckBox*>(control)) {
    connect(tick, &QCheckBox::clicked, this, commit);
  } else if (auto* list = qobject_cast<QComboBox*>(control)) {
    connect(list, &QComboBox::activated, this, commit);
  } else if (auto* field = qobject_cast<CommitField*>(control)) {
    connect(field, &CommitField::committed, this, commit);
  } else if (!bound_.back().tools.empty()) {
    connect(&toolsOf(*control), &QButtonGroup::idToggled, this, [commit](int, bool down) {
      if (down) commit();
    });
  }
}

void FormBinder::fill() {
  const Arrangement& a = editor_.session().arrangement();
  for (const Bound& bound : bound_) show(bound, bound.state(a, place_));
}

void FormBinder::show(const Bound& bound, const RowState& state) {
  bound.control->setEnabled(state.enabled);
  if (bound.caption != nullptr) bound.caption->setEnabled(state.enabled);
  if (bound.lead != nullptr && !state.lead.empty()) bound.lead->setText(fromView(state.lead));
  const FormValue* value = state.value ? &*state.value : nullptr;
  if (!bound.tools.empty()) {
    showTool(toolsOf(*bound.control), bound.tools,
             value ? std::optional(static_cast<Long>(std::get<double>(*value))) : std::nullopt);
  } else if (auto* tick = qobject_cast<QCheckBox*>(bound.control)) {
    // A flag the records of a selection do not share shows neither state.
    const bool differs = value == nullptr && state.enabled;
    tick->setCheckState(differs                                      ? Qt::PartiallyChecked
                        : value != nullptr && std::get<bool>(*value) ? Qt::Checked
                                                                     : Qt::Unchecked);
  } else if (auto* list = qobject_cast<QComboBox*>(bound.control)) {
    if (bound.choices == ChoiceList::Materials) fillMaterialList(*list, editor_.session().ship());
    showCode(*list, value ? static_cast<Long>(std::get<double>(*value)) - bound.firstCode : -1);
  } else if (auto* number = qobject_cast<NumberField*>(bound.control)) {
    number->setRange(state.range.minimum, state.range.maximum);
    number->setToolTip(rangeTip(*number, bound.unit));
    if (value == nullptr) {
      number->showEmpty();
    } else {
      number->showValue(std::get<double>(*value));
    }
  } else if (auto* text = qobject_cast<CommitField*>(bound.control)) {
    text->showText(value ? QString::fromStdString(std::get<std::string>(*value)) : QString());
  }
}

std::optional<FormValue> FormBinder::valueOf(const Bound& bound) const {
  if (!bound.tools.empty()) {
    const int down = toolsOf(*bound.control).checkedId();
    if (down < 0) return std::nullopt;
    const std::optional<Long> code = bound.tools[static_cast<std::size_t>(down)].code;
    return code ? std::optional<FormValue>(static_cast<double>(*code)) : std::nullopt;
  }
  if (auto* tick = qobject_cast<QCheckBox*>(bound.control)) return tick->isChecked();
  if (auto* list = qobject_cast<QComboBox*>(bound.control)) {
    if (list->currentIndex() < 0) return std::nullopt;
    return static_cast<double>(list->currentIndex() + bound.firstCode);
  }
  if (auto* number = qobject_cast<NumberField*>(bound.control)) return number->value();
  return qobject_cast<CommitField*>(bound.control)->text().toStdString();
}

void FormBinder::committed(const Bound& bound) {
  if (commit_ != Commit::EachField || editor_.refreshing()) return;
  const Arrangement& a = editor_.session().arrangement();
  const RowState state = bound.state(a, place_);
  std::optional<FormValue> given = valueOf(bound);
  if (!state.enabled) return;
  // A tool that sets nothing leaves the row showing its value.
  if (!given) {
    fill();
    return;
  }
  FormValue value = std::move(*given);
  // The question comes first: a rule can ask again about the value already
  // stored (a soft toe chosen again beside a bracket).
  if (ask_) {
    std::optional<FormValue> answered = ask_(bound.objectName, std::move(value));
    if (!answered) {
      fill();
      return;
    }
    value = std::move(*answered);
  }
  // A value that a selection does not share is empty: any value given changes it.
  if (state.value == value) {
    fill();
    return;
  }
  editor_.change(bound.change(std::move(value), a, place_));
}

bool FormBinder::confirm(const std::string& label) {
  if (!settleNumberFields(form_)) return false;
  const Arrangement& a = editor_.session().arrangement();
  std::vector<std::pair<const Bound*, FormValue>> changed;
  Follow follow = Follow::Nothing;
  Affects widest = Affects::Nothing;
  for (const Bound& bound : bound_) {
    // A control that gives no value (a list showing no item) keeps the stored one.
    std::optional<FormValue> value = valueOf(bound);
    const RowState state = bound.state(a, place_);
    if (!value || !state.value || *state.value == *value) continue;
    follow = follow | followOf(bound.affects);
    if (bound.affects == Affects::Every) widest = Affects::Every;
    changed.emplace_back(&bound, std::move(*value));
  }
  if (changed.empty()) return true;
  const FormPlace place = place_;
  editor_.change({.label = label,
                  .scope = scopeOf(bound_.front().scope, widest, a),
                  .edit =
                      [&changed, place](Arrangement& arrangement) {
                        EditOutcome outcome;
                        for (const auto& [bound, value] : changed) {
                          EditOutcome told = bound->apply(arrangement, value, place);
                          outcome.messages.insert(outcome.messages.end(), told.messages.begin(),
                                                  told.messages.end());
                        }
                        return outcome;
                      },
                  .follow = follow});
  return true;
}

}  // namespace korain
