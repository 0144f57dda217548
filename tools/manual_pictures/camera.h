// Takes pictures of windows into PNG files of one folder, modal dialogs too:
// a dialog is taken once its command has shown it, then closed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace korain::pictures {

class Camera {
 public:
  explicit Camera(QString folder) : folder_(std::move(folder)) {}

  // The widget as it is drawn now, into NAME.png.
  void take(QWidget& widget, const QString& name);
  // Runs `command`, which shows the modal dialog `form`; the dialog is taken
  // as NAME.png once shown, and then `leave` closes it (by default it is
  // cancelled). A dialog that never shows is recorded as a failure.
  void takeModal(const QString& form, const QString& name, const std::function<void()>& command,
                 std::function<void(QDialog&)> leave = {});

  // The pictures that could not be taken or written.
  const QStringList& failures() const { return failures_; }

 private:
  QString folder_;
  QStringList failures_;
};

}  // namespace korain::pictures
