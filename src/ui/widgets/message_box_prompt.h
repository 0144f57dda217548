// The questions and warnings of the editor as message boxes and file dialogs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "prompt.h"

namespace korain {

class MessageBoxPrompt : public Prompt {
 public:
  // Boxes carry the application title and sit over `parent` once it is set.
  explicit MessageBoxPrompt(QString title) : title_(std::move(title)) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  using Prompt::ask;
  void showMessage(const std::string& text) override;
  Answer ask(const Question& question) override;
  std::optional<std::string> askFileName(const FileQuestion& question) override;

 private:
  QString title_;
  QPointer<QWidget> parent_;
};

// The family's file filter ("Ship database (*.ko2)|*.ko2|All files (*.*)|*.*")
// as a file dialog's ("Ship database (*.ko2);;All files (*.*)").
QString dialogFilter(const std::string& familyFilter);

// The extension a name filter of a file dialog stands for ("png" for
// "PNG picture (*.png)"); empty for one of every file ("*.*", "*").
QString filterSuffix(const QString& nameFilter);

// The message's line breaks as new lines.
QString messageText(const std::string& text);

}  // namespace korain
