// One start of the program (`window`), of a bare Qt window of the same size
// (`bare`) or of that window with one line of text (`text`). At the first paint of a top-level
// window it prints the monotonic clock in nanoseconds and quits, so the caller can measure from the
// moment it started the process.

#include "modMain.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            // Reported after the event that paints the window and its children.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

// Runs as soon as the application object exists, in both modes alike.
void installProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}
Q_COREAPP_STARTUP_FUNCTION(installProbe)

int runBare(int argc, char** argv, bool withText) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zelvano 3.0"));
    window.setFixedSize(681, 401);
    QLabel label(QStringLiteral("Количество единиц:"), &window);
    label.setVisible(withText);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const auto is = [&](const char* mode) { return argc >= 2 && std::strcmp(argv[1], mode) == 0; };
    if (is("bare") || is("text"))
        return runBare(argc, argv, is("text"));
    if (is("window"))
        return zelvano::app::modMain::run(argc, argv);
    std::fprintf(stderr, "usage: zelvano_startup_probe bare|text|window\n");
    return 2;
}
