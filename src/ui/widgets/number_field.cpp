// Showing, reading and checking a number field's value against its range.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/number_field.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "text/line_values.h"
#include "widgets/number_validator.h"
#include "widgets/refusal_notice.h"
#include "widgets/typed_number.h"

namespace korain {
namespace {

// Lengths closer than this are the same to the model: a limit shown with four
// decimals and typed back as shown lies within the range.
constexpr double kSlack = 0.001;

bool isBounded(double limit) {
  return limit > std::numeric_limits<double>::lowest() &&
         limit < std::numeric_limits<double>::max();
}

}  // namespace

NumberField::NumberField(QWidget* parent) : CommitField(parent) {
  setValidator(new NumberValidator(this));
  setAlignment(Qt::AlignRight);
  connect(this, &QLineEdit::inputRejected, this, &NumberField::refuseTyping);
  connect(this, &QLineEdit::textEdited, this, &NumberField::endTypingRefusal);
  // The line edit's own Undo (its context menu) may put the model's text back.
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!isModified()) endRefusal();
  });
}

double NumberField::value() const {
  double number = 0;
  if (takes(text(), number)) return number;
  bool ok = false;
  number = typedNumber(shownText(), ok);
  return ok && std::isfinite(number) ? number : 0.0;
}

void NumberField::setWholeNumbers(Fraction fraction) {
  whole_ = true;
  fraction_ = fraction;
  setToolTip(rangeText());
}

int NumberField::wholeValue() const {
  return static_cast<int>(std::lround(std::clamp(value(), -2e9, 2e9)));
}

void NumberField::showValue(double value) { showText(numberFieldText(value)); }

void NumberField::showValue(std::optional<double> value) {
  if (value) {
    showValue(*value);
  } else {
    showEmpty();
  }
}

void NumberField::setRange(double minimum, double maximum) {
  minimum_ = std::min(minimum, maximum);
  maximum_ = std::max(minimum, maximum);
  setToolTip(rangeText());
}

QString NumberField::rangeText() const {
  QString text = whole_ ? QStringLiteral("a whole number") : QString();
  QString range;
  if (isBounded(minimum_) && isBounded(maximum_)) {
    range = "from " + numberFieldText(minimum_) + " to " + numberFieldText(maximum_);
  } else if (isBounded(minimum_)) {
    range = "at least " + numberFieldText(minimum_);
  } else if (isBounded(maximum_)) {
    range = "at most " + numberFieldText(maximum_);
  }
  if (!range.isEmpty()) text = text.isEmpty() ? range : text + ' ' + range;
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

QString NumberField::caption() const {
  if (!caption_.isEmpty()) return caption_;
  for (const QLabel* label : window()->findChildren<QLabel*>()) {
    if (label->buddy() != this) continue;
    QString text = label->text();
    text.remove(QRegularExpression("&(?!&)"));
    return text.remove(QRegularExpression("\\s*:\\s*$"));
  }
  return objectName();
}

bool NumberField::takes(const QString& text, double& number) const {
  bool ok = false;
  number = typedNumber(text, ok);
  if (whole_ && fraction_ == Fraction::Rounded) number = std::round(number);
  // The model keeps its values as Single: a number beyond it would be stored
  // as infinity and written to the file as 0.
  return ok && toSingle(number).has_value() && number >= minimum_ - kSlack &&
         number <= maximum_ + kSlack && (!whole_ || number == std::round(number));
}

bool NumberField::settle() {
  double number = 0;
  if (!takes(text(), number)) return false;
  showRounded(number);
  endRefusal();
  return true;
}

void NumberField::showRounded(double number) {
  if (!whole_ || fraction_ != Fraction::Rounded) return;
  const QString rounded = numberFieldText(number);
  if (text() != rounded) setText(rounded);
}

void NumberField::refuse() {
  QString reason = rangeText();
  if (!reason.isEmpty()) {
    reason[0] = reason[0].toLower();
  } else {
    reason = notANumberReason(text());
  }
  refused_ = true;
  selectAll();
  announce(reason);
  // Leaving the field by Tab or a click takes the focus first: it comes back
  // once the event that moved it is done.
  QTimer::singleShot(0, this, [this] {
    if (!refused_ || !isVisible() || !isEnabled()) return;
    setFocus(Qt::OtherFocusReason);
    selectAll();
  });
}

void NumberField::keyPressEvent(QKeyEvent* event) {
  // What the key would type, for the refusal to quote when the validator turns it away.
  lastTyped_ = event->text();
  CommitField::keyPressEvent(event);
  lastTyped_.clear();
}

void NumberField::focusOutEvent(QFocusEvent* event) {
  CommitField::focusOutEvent(event);
  if (leaves(*event)) endTypingRefusal();
}

void NumberField::refuseTyping() {
  announce(rejectedTypingReason(lastTyped_));
  typingRefused_ = true;
}

void NumberField::announce(const QString& reason) {
  typingRefused_ = false;
  announceRefusal(*this, caption() + " : " + reason);
}

void NumberField::textShown() { endRefusal(); }

void NumberField::endRefusal() {
  if (!refused_ && !typingRefused_) return;
  refused_ = false;
  typingRefused_ = false;
  announceRefusal(*this, {});
}

void NumberField::endTypingRefusal() {
  if (!typingRefused_) return;
  typingRefused_ = false;
  // A text refused on leaving keeps its word until it is mended or taken back.
  if (!refused_) announceRefusal(*this, {});
}

bool settleNumberFields(QWidget& form) {
  NumberField* firstRefused = nullptr;
  for (NumberField* field : form.findChildren<NumberField*>()) {
    field->commitIfChanged();
    if (field->holdsRefusal() && firstRefused == nullptr) firstRefused = field;
  }
  if (firstRefused != nullptr) firstRefused->setFocus(Qt::OtherFocusReason);
  return firstRefused == nullptr;
}

QString numberFieldText(double value) {
  QString text = QLocale::c().toString(value, 'f', 4);
  while (text.endsWith('0')) text.chop(1);
  if (text.endsWith('.')) text.chop(1);
  return text == "-0" ? QStringLiteral("0") : text;
}

}  // namespace korain
