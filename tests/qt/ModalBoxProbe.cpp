#include "ModalBoxProbe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace morlune::testing {

ModalBoxSighting CloseModalBoxOpenedBy(const std::function<void()>& opener,
                                       std::chrono::milliseconds watchdog) {
  ModalBoxSighting sighting;
  QElapsedTimer clock;
  clock.start();
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (clock.elapsed() > watchdog.count()) {
      sighting.timedOut = true;
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else if (modal != nullptr) {
        modal->close();
      }
      return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr || !box->isVisible() || sighting.seen) return;
    sighting.seen = true;
    sighting.caption = box->windowTitle();
    sighting.text = box->text();
    sighting.icon = box->icon();
    sighting.modality = box->windowModality();
    sighting.buttonCount = static_cast<int>(box->buttons().size());
    sighting.standardButtons = box->standardButtons();
    if (!box->buttons().isEmpty()) QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
  });
  poll.start();
  opener();
  poll.stop();
  return sighting;
}

}  // namespace morlune::testing
