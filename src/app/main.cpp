#include <QApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup_defaults.h"
#include "base/program_arguments.h"
#include "base/startup_options.h"
#include "headless/headless_scan.h"
#include "help/program_icon.h"
#include "output/qt_locale_format.h"
#include "platform/file_system.h"

int main(int argc, char** argv) {
  // `krellix scan ...` runs without a window, before anything would need a display.
  if (argc > 1 && std::string_view(argv[1]) == "scan") {
    return krellix::RunHeadlessScan(std::vector<std::string>(argv + 1, argv + argc),
                                    krellix::LocaleFormatOf(QLocale()));
  }

  // --help, --version and bad command lines are answered without a display too.
  const krellix::ProgramRequest request =
      krellix::ReadProgramArguments(std::vector<std::string>(argv, argv + argc));
  switch (request.kind) {
    case krellix::ProgramRequest::Kind::kHelp:
      std::fputs(krellix::ProgramUsage().c_str(), stdout);
      return 0;
    case krellix::ProgramRequest::Kind::kVersion:
      std::fputs(krellix::ProgramVersion().c_str(), stdout);
      return 0;
    case krellix::ProgramRequest::Kind::kBadOption:
      std::fprintf(stderr, "%s\n", request.error.c_str());
      return krellix::kExitUsage;
    case krellix::ProgramRequest::Kind::kRun:
      break;
  }
  if (!request.start_dir.empty() && !krellix::DirectoryExists(request.start_dir)) {
    std::fprintf(stderr, "krellix: '%s' is not a directory that can be opened\n",
                 request.start_dir.c_str());
    return krellix::kExitUsage;
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
  QApplication::setWindowIcon(krellix::ProgramIcon());
  // The desktop finds the program's entry (its name and icon) by this name.
  QGuiApplication::setDesktopFileName("krellix");

  krellix::MainWindow form(args);
  form.show();
  if (splash) splash->finish(&form);
  splash.reset();
  return QApplication::exec();
}
