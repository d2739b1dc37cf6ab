// A second floor for start-up figures: the bare window plus the game's two Chinese menu
// titles, and nothing else. Against the bare window it shows what text in a CJK font costs by
// itself (the font database and the font), which the game cannot avoid.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Menu bar"));
  window.menuBar()->addMenu(QString::fromUtf8("游戏(&F)"));
  window.menuBar()->addMenu(QString::fromUtf8("帮助(&H)"));
  window.resize(544, 462);
  window.show();
  return app.exec();
}
