// The floor for start-up figures: a Qt Widgets program that shows one empty window of the
// game's size and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.resize(544, 462);
  window.show();
  return app.exec();
}
