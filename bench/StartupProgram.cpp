// Start-up time and memory of the editor, or of a bare window for comparison:
//   forgeline_startup editor|bare <launch time>
// The launch time is the monotonic clock in nanoseconds when the caller started the process
// (bench/startup.py). The program quits on the window's first paint and prints
//   startup_ms=<launch to first paint> vmrss_kb=<resident now> vmhwm_kb=<resident peak>
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "platform/Platform.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long statusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field + ":")) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    return -1;
}

// Takes the time once the first paint has gone through, then reports and quits.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(long long launchedNs) : launchedNs_(launchedNs) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, &FirstPaint::report);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void report() const {
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count();
        std::printf("startup_ms=%.3f vmrss_kb=%ld vmhwm_kb=%ld\n", (now - launchedNs_) / 1e6,
                    statusKilobytes("VmRSS"), statusKilobytes("VmHWM"));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    long long launchedNs_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const std::string kind = argc == 3 ? argv[1] : "";
    if (kind != "editor" && kind != "bare") {
        std::fprintf(stderr, "usage: forgeline_startup editor|bare <launch time in ns>\n");
        return 2;
    }
    const long long launchedNs = std::stoll(argv[2]);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(forgeline::ProgramTitle));
    FirstPaint firstPaint(launchedNs);

    if (kind == "bare") {
        QWidget window;
        window.installEventFilter(&firstPaint);
        window.show();
        return QApplication::exec();
    }
    const std::string folder = forgeline::platform::ProgramFolder();
    forgeline::FolderToolchain toolchain(folder);
    forgeline::QtDialogs dialogs;
    forgeline::frmMain window({folder, &toolchain, &dialogs});
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
