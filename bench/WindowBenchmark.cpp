// Speed of the window program on Qt:
//   - a mode change and "Default Palette", from the click to the repainted
//     image display, with a full Mode 0 dump current (decoding from disk and
//     the preview included);
//   - start-up, from starting the process to the first painted main window.
// Runs on the X display in DISPLAY, or offscreen without one. Prints medians.
#include "conversion/ScreenMode.h"
#include "platform/qt/QtPlatform.h"
#include "ui/Identifiers.h"
#include "ui/Program.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

void waitForPaint(PaintCounter& counter, int before) {
    while (counter.paints == before) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

std::string writeFullMode0Dump() {
    const auto path = std::filesystem::temp_directory_path() / "tessaview-window-bench.dump";
    std::mt19937 random(7);
    std::vector<char> bytes(std::size_t(findScreenMode(0)->fullScreenBytes()));
    for (char& b : bytes) {
        b = char(random());
    }
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return path.string();
}

// Types the path into the Open dialog once its own loop runs.
void answerOpenDialog(const std::string& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            answerOpenDialog(path);
            return;
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Clicks the control and times until the image display has painted again.
std::vector<double> timeClicks(QtPlatform& platform, Program& program, PaintCounter& counter,
                               ControlId control, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const int before = counter.paints;
        const Clock::time_point start = Clock::now();
        QTest::mouseClick(platform.widgetOf(control), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        program.eventLoopPass();
        waitForPaint(counter, before);
        times.push_back(milliseconds(Clock::now() - start));
    }
    return times;
}

int commandBenchmark(int argc, char** argv) {
    QApplication application(argc, argv);
    QtPlatform platform;
    Program program(platform);
    program.startUp();
    const std::string dump = writeFullMode0Dump();
    answerOpenDialog(dump);
    QTest::mouseClick(platform.widgetOf(mode0OptionId), Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, 5));
    program.eventLoopPass();
    platform.windowOf(mainWindowId)->menuBar()->actions()[0]->menu()->actions()[0]->trigger();
    program.eventLoopPass();
    PaintCounter counter;
    platform.widgetOf(imageDisplayId)->installEventFilter(&counter);
    constexpr int runs = 200;
    const double mode = median(timeClicks(platform, program, counter, mode0OptionId, runs));
    const double palette =
        median(timeClicks(platform, program, counter, defaultPaletteButtonId, runs));
    std::printf("platform %s, full Mode 0 dump %s\n", qPrintable(QGuiApplication::platformName()),
                program.state().currentPath.c_str());
    std::printf("mode change to repainted display:     median %.2f ms (%d runs)\n", mode, runs);
    std::printf("Default Palette to repainted display: median %.2f ms (%d runs)\n", palette, runs);
    std::filesystem::remove(dump);
    return 0;
}

// The child of the start-up benchmark: starts the program and reports the
// first paint of the main window on stdout.
int startUpChild(int argc, char** argv) {
    QApplication application(argc, argv);
    QtPlatform platform;
    Program program(platform);
    program.startUp();
    PaintCounter counter;
    platform.windowOf(mainWindowId)->clientArea()->installEventFilter(&counter);
    waitForPaint(counter, 0);
    QCoreApplication::processEvents();
    std::printf("painted\n");
    std::fflush(stdout);
    std::_Exit(0);
}

int startUpBenchmark(const char* self) {
    constexpr int runs = 20;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return 1;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        char childFlag[] = "--start-up-child";
        char* arguments[] = {const_cast<char*>(self), childFlag, nullptr};
        pid_t child = 0;
        const Clock::time_point start = Clock::now();
        if (posix_spawn(&child, self, &actions, nullptr, arguments, environ) != 0) {
            return 1;
        }
        close(pipeEnds[1]);
        char line[16] = {};
        const bool painted = read(pipeEnds[0], line, sizeof line - 1) > 0;
        const Clock::time_point end = Clock::now();
        close(pipeEnds[0]);
        waitpid(child, nullptr, 0);
        posix_spawn_file_actions_destroy(&actions);
        if (!painted) {
            return 1;
        }
        times.push_back(milliseconds(end - start));
    }
    std::printf("start-up to first painted window:     median %.2f ms (%d runs)\n", median(times),
                runs);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (argc > 1 && std::string(argv[1]) == "--start-up-child") {
        return startUpChild(argc, argv);
    }
    const int result = commandBenchmark(argc, argv);
    return result != 0 ? result : startUpBenchmark(argv[0]);
}
