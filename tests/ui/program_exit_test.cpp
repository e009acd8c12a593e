// How the program ends: the exit button and the window's close control end it
// with status 0; without a usable display it says so in one line and ends
// with status 1. Each case runs a program in a child process.
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "window_fixture.hpp"

using namespace flange::ui::testing;

namespace {

constexpr char kChildSwitch[] = "--run-program-then=";

// In the child: the program runs as flange-weight runs it, while a user
// presses the exit button or closes the window once it is shown.
int RunProgramAsChild(int argc, char** argv, const QString& action) {
  QApplication app(argc, argv);
  QTimer::singleShot(0, [action] {
    if (!QTest::qWaitForWindowExposed(&Window())) {
      QCoreApplication::exit(3);
    } else if (action == "close") {
      Window().close();
    } else {
      QTest::mouseClick(&Window().Command0(), Qt::LeftButton);
    }
  });
  return flange::ui::Module1::RunProgram();
}

// Runs a program to its end: its exit code, -1 when it crashed or never ended.
int RunToEnd(QProcess& process, const QString& program, const QStringList& arguments) {
  process.start(program, arguments);
  const bool ended = process.waitForFinished(30000);
  return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

class ProgramExitTest : public QObject {
  Q_OBJECT

 private slots:
  void endsWithStatusZero() {
    for (const QString action : {"exit", "close"}) {
      QProcess child;
      QCOMPARE(RunToEnd(child, QCoreApplication::applicationFilePath(),
                        {kChildSwitch + action, "-platform", QApplication::platformName()}),
               0);
    }
  }

  // No display, or one that cannot be reached: one line that says how to run
  // the program as it was started under xvfb-run, and status 1, not an abort.
  void withoutAUsableDisplaySaysSoInOneLine_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    // Far above the numbers xvfb-run -a takes (from 99) for the suites that
    // run beside this one, where an X server may appear at any moment.
    int unused = 700;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(unused))) {
      ++unused;
    }
    QTest::newRow("none set") << QString() << QString();
    QTest::newRow("no X server there") << QStringLiteral(":%1").arg(unused) << QString();
    QTest::newRow("malformed DISPLAY") << QStringLiteral("no-display") << QString();
    QTest::newRow("stale WAYLAND_DISPLAY") << QString() << QStringLiteral("wayland-gone");
  }
  void withoutAUsableDisplaySaysSoInOneLine() {
    QFETCH(QString, display);
    QFETCH(QString, waylandDisplay);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(name);
    }
    if (!display.isEmpty()) {
      environment.insert("DISPLAY", display);
    }
    if (!waylandDisplay.isEmpty()) {
      environment.insert("WAYLAND_DISPLAY", waylandDisplay);
      environment.insert("XDG_SESSION_TYPE", "wayland");
    }
    program.setProcessEnvironment(environment);
    QCOMPARE(RunToEnd(program, FLANGE_WEIGHT_EXECUTABLE, {}), 1);
    const QString standardError = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(standardError.count(u'\n'), 1);
    QVERIFY2(standardError.contains("no display") &&
                 standardError.endsWith("xvfb-run -a " FLANGE_WEIGHT_EXECUTABLE "\n"),
             qPrintable(standardError));
  }
};

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    if (argument.startsWith(kChildSwitch)) {
      return RunProgramAsChild(argc, argv, argument.mid(int(sizeof kChildSwitch) - 1));
    }
  }
  ProgramExitTest suite;
  return RunSuite(argc, argv, suite);
}

#include "program_exit_test.moc"
