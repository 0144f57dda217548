// Taking pictures of windows and of modal dialogs into PNG files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <memory>

namespace korain::pictures {
namespace {

// Waits for the modal dialog `form` from inside its event loop, then acts on it.
void onModal(const QString& form, const std::shared_ptr<bool>& waiting,
             const std::function<void(QDialog&)>& act) {
  QTimer::singleShot(10, [=] {
    if (!*waiting) return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->objectName() != form) {
      onModal(form, waiting, act);
      return;
    }
    *waiting = false;
    act(*dialog);
  });
}

}  // namespace

void Camera::take(QWidget& widget, const QString& name) {
  // Layouts and deferred repaints settle before the picture is taken.
  QApplication::processEvents();
  const QString file = QDir(folder_).filePath(name + ".png");
  if (!widget.grab().save(file, "PNG")) failures_ << file + ": cannot be written";
}

void Camera::takeModal(const QString& form, const QString& name,
                       const std::function<void()>& command, std::function<void(QDialog&)> leave) {
  auto waiting = std::make_shared<bool>(true);
  onModal(form, waiting, [this, name, leave](QDialog& dialog) {
    take(dialog, name);
    if (leave) {
      leave(dialog);
    } else {
      dialog.reject();
    }
  });
  command();
  if (*waiting) failures_ << name + ": " + form + " was not shown";
  *waiting = false;
}

}  // namespace korain::pictures
