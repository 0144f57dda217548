#include "widgets/message_box_prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "text/format_message.h"

namespace korain {

void MessageBoxPrompt::showMessage(const std::string& text) {
  QApplication::restoreOverrideCursor();
  QMessageBox::warning(parent_, title_, messageText(text));
}

Answer MessageBoxPrompt::ask(const std::string& text, Choices choices) {
  QApplication::restoreOverrideCursor();
  if (choices == Choices::OkCancel) {
    const auto answer = QMessageBox::warning(parent_, title_, messageText(text),
                                             QMessageBox::Ok | QMessageBox::Cancel);
    return answer == QMessageBox::Ok ? Answer::Yes : Answer::Cancel;
  }
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (choices == Choices::YesNoCancel) buttons |= QMessageBox::Cancel;
  const auto answer = QMessageBox::question(parent_, title_, messageText(text), buttons);
  if (answer == QMessageBox::Yes) return Answer::Yes;
  if (answer == QMessageBox::No || choices == Choices::YesNo) return Answer::No;
  return Answer::Cancel;
}

std::optional<std::string> MessageBoxPrompt::askFileName(const FileQuestion& question) {
  QFileDialog dialog(parent_, QString::fromStdString(question.title),
                     QString::fromStdString(question.initialName), dialogFilter(question.filter));
  dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QString::fromStdString(question.defaultExtension));
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

QString messageText(const std::string& text) {
  return QString::fromStdString(text).replace(QChar(kMessageLineBreak), QChar('\n'));
}

}  // namespace korain
