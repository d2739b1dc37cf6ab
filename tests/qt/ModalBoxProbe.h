// Watches for the modal message box a call opens, notes what it shows and closes it by its
// button, so a test can call code that blocks until the player answers.
#pragma once

#include <QMessageBox>
#include <QString>
#include <chrono>
#include <functional>

namespace morlune::testing {

struct ModalBoxSighting {
  bool seen = false;
  // The watchdog had to close whatever was open: the box never closed by its button.
  bool timedOut = false;
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::WindowModality modality = Qt::NonModal;
  int buttonCount = 0;
  QMessageBox::StandardButtons standardButtons;
};

// Runs `opener`, which should open a modal QMessageBox and return once it is closed. The box
// is closed by a click on its first button; after `watchdog` any modal window still open is
// closed instead, so a box that does not close cannot hang the test run.
ModalBoxSighting CloseModalBoxOpenedBy(
    const std::function<void()>& opener,
    std::chrono::milliseconds watchdog = std::chrono::seconds(5));

}  // namespace morlune::testing
