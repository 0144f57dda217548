// Asking the editor's questions in message boxes and file dialogs.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/message_box_prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <vector>

#include "text/format_message.h"

namespace korain {
namespace {

std::vector<Answer> answersOf(Choices choices) {
  switch (choices) {
    case Choices::YesNo:
      return {Answer::Yes, Answer::No};
    case Choices::YesNoCancel:
      return {Answer::Yes, Answer::No, Answer::Cancel};
    case Choices::OkCancel:
      return {Answer::Yes, Answer::Cancel};
  }
  return {};
}

QMessageBox::StandardButton buttonOf(Answer answer, Choices choices) {
  switch (answer) {
    case Answer::Yes:
      return choices == Choices::OkCancel ? QMessageBox::Ok : QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
    case Answer::Cancel:
      return QMessageBox::Cancel;
  }
  return QMessageBox::NoButton;
}

QMessageBox::Icon boxIcon(const Question& question) {
  if (question.icon == Icon::CriticalStop) return QMessageBox::Critical;
  return question.choices == Choices::OkCancel ? QMessageBox::Warning : QMessageBox::Question;
}

}  // namespace

void MessageBoxPrompt::showMessage(const std::string& text) {
  QApplication::restoreOverrideCursor();
  QMessageBox::warning(parent_, title_, messageText(text));
}

Answer MessageBoxPrompt::ask(const Question& question) {
  QApplication::restoreOverrideCursor();
  QMessageBox box(boxIcon(question), title_, messageText(question.text), QMessageBox::NoButton,
                  parent_);
  for (const Answer answer : answersOf(question.choices)) {
    QPushButton* button = box.addButton(buttonOf(answer, question.choices));
    if (answer == question.defaultAnswer) box.setDefaultButton(button);
  }
  box.exec();
  const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
  for (const Answer answer : answersOf(question.choices)) {
    if (buttonOf(answer, question.choices) == clicked) return answer;
  }
  // Closed without a button: Cancel where it is offered, else No.
  return question.choices == Choices::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<std::string> MessageBoxPrompt::askFileName(const FileQuestion& question) {
  QFileDialog dialog(parent_, QString::fromStdString(question.title),
                     QString::fromStdString(question.initialName), dialogFilter(question.filter));
  dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QString extension = QString::fromStdString(question.defaultExtension);
  for (const QString& filter : dialog.nameFilters()) {
    if (filterSuffix(filter) == extension) dialog.selectNameFilter(filter);
  }
  dialog.setDefaultSuffix(extension);
  // A name typed without an extension takes the chosen filter's, so that
  // "PNG picture" writes a PNG file whatever the default was.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     const QString suffix = filterSuffix(filter);
                     if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
                   });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

QString dialogFilter(const std::string& familyFilter) {
  const QStringList parts = QString::fromStdString(familyFilter).split('|');
  QStringList filters;
  // Pairs of description and patterns; the dialog reads the patterns from the
  // description's parentheses, so a description without them gets them.
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    filters << (description.contains('(') ? description : description + " (" + patterns + ")");
  }
  return filters.join(";;");
}

QString filterSuffix(const QString& nameFilter) {
  static const QRegularExpression kPattern(QStringLiteral("\\*\\.([A-Za-z0-9_]+)"));
  const QRegularExpressionMatch match = kPattern.match(nameFilter);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString messageText(const std::string& text) {
  return QString::fromStdString(text).replace(QChar(kMessageLineBreak), QChar('\n'));
}

}  // namespace korain
