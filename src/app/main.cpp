#include <QApplication>
#include <QFile>
#include <memory>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup_defaults.h"
#include "base/startup_options.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<std::string> args(argv, argv + argc);
  // The program's folder comes from its real location, not from how it was typed.
  args[0] = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();

  std::unique_ptr<krellix::TSplash> splash;
  if (krellix::WantsSplash(args)) {
    splash = std::make_unique<krellix::TSplash>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
  }
  QApplication::setApplicationName(krellix::kApplicationTitle);

  krellix::MainWindow form(args);
  form.show();
  if (splash) splash->finish(&form);
  splash.reset();
  return QApplication::exec();
}
