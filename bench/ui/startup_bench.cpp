// Start of the program to the first paint of its window, and the peak resident memory.
// The benchmark starts itself again as a child that does what app/main does, reports the
// first paint of Form1 and ends; the parent times each child from its start and reads the
// children's peak memory. Offscreen unless QT_QPA_PLATFORM says otherwise.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "ui/artwork.h"
#include "ui/form1.h"
#include "ui/look.h"

namespace {

// Watches Form1's client area for its first paint, then ends the program.
class FirstPaint : public QObject {
  public:
    // Ends the event loop after the watched widget's first paint.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

// The child: the program's start-up up to the first paint.
int child(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(korvel::appIcon());
    korvel::installChineseQtTexts(app);
    korvel::Form1 window;
    FirstPaint watcher;
    window.List1->viewport()->installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

}  // namespace

// Runs 20 children and prints the median and worst start-up times and the peak memory.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc > 1 && std::string_view(argv[1]) == "--child") {
        return child(argc, argv);
    }
    std::vector<double> ms;
    for (int i = 0; i < 20; ++i) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--child")});
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        process.waitForFinished(5000);
        if (!process.readLine().startsWith("painted")) {
            std::fputs("the child did not paint its window\n", stderr);
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("start to first paint: median %.1f ms, worst %.1f ms (%zu runs)\n",
                ms[ms.size() / 2], ms.back(), ms.size());
    std::printf("peak resident memory: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
