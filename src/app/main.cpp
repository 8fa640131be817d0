#include <QApplication>
#include <QFile>
#include <QLocale>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup_defaults.h"
#include "base/startup_options.h"
#include "headless/headless_scan.h"
#include "output/qt_locale_format.h"

int main(int argc, char** argv) {
  // `krellix scan ...` runs without a window, before anything would need a display.
  if (argc > 1 && std::string_view(argv[1]) == "scan") {
    return krellix::RunHeadlessScan(std::vector<std::string>(argv + 1, argv + argc),
                                    krellix::LocaleFormatOf(QLocale()));
  }

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
