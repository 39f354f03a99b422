// Shows the main window, optionally on one panel and after one conversion, and
// writes what is on the screen into a PNG. Message boxes are printed, not shown.
//
//   zelvano-screenshot --out FILE [--panel picWeight | --item HELP:4] [--locale ru_RU]
//                      [--quantity TEXT --from N --to N]
//
// --panel shows a panel directly; --item clicks a task-pane item by its key, as
// the user would (help items that call the shell are printed, not run).

#include "CategoryPanel.h"
#include "RecordingServices.h"
#include "frmMain.h"
#include "modMain.h"
#include "torkExplorerBarCtl.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <cstdio>

using namespace zelvano;
using namespace zelvano::app;

namespace {

void processEventsFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

bool waitForExposure(QWidget& window) {
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (window.windowHandle() != nullptr && window.windowHandle()->isExposed())
            return true;
        QThread::msleep(5);
    }
    return false;
}

CategoryPanel* shownCategoryPanel(frmMain& window) {
    for (std::size_t i = 0; i < convert::kCategoryCount; ++i)
        if (CategoryPanel* panel = window.categoryPanel(static_cast<convert::Category>(i));
            panel->isVisible())
            return panel;
    return nullptr;
}

bool selectUnit(CategoryPanel& panel, UnitList list, const QString& value) {
    bool ok = false;
    QRadioButton* button = panel.unitButton(list, value.toInt(&ok));
    if (button == nullptr)
        return false;
    button->setChecked(true);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    modMain::prepareApplication(app);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption out({QStringLiteral("o"), QStringLiteral("out")},
                                 QStringLiteral("PNG file to write."), QStringLiteral("file"));
    const QCommandLineOption panelName(QStringLiteral("panel"),
                                       QStringLiteral("Panel to show (picLength ... picAbout)."),
                                       QStringLiteral("name"));
    const QCommandLineOption locale(QStringLiteral("locale"),
                                    QStringLiteral("Number locale (default: the system's)."),
                                    QStringLiteral("name"));
    const QCommandLineOption quantity(
        QStringLiteral("quantity"), QStringLiteral("Quantity to convert."), QStringLiteral("text"));
    const QCommandLineOption from(
        QStringLiteral("from"), QStringLiteral("UnitIndex to convert from."), QStringLiteral("n"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("UnitIndex to convert to."),
                                QStringLiteral("n"));
    const QCommandLineOption itemKey(QStringLiteral("item"),
                                     QStringLiteral("Task-pane item to click (CN:02 ... HELP:4)."),
                                     QStringLiteral("key"));
    parser.addOptions({out, panelName, itemKey, locale, quantity, from, to});
    parser.process(app);
    if (!parser.isSet(out)) {
        std::fprintf(stderr, "zelvano-screenshot: --out is required\n");
        return 2;
    }

    RecordingServices services;
    const QLocale numbers =
        parser.isSet(locale) ? QLocale(parser.value(locale)) : QLocale::system();
    frmMain window(services, numbers);

    if (parser.isSet(panelName)) {
        bool found = false;
        for (std::size_t i = 0; i < kPanelCount; ++i)
            if (window.panel(static_cast<PanelId>(i))->objectName() == parser.value(panelName)) {
                window.showPanel(static_cast<PanelId>(i));
                found = true;
            }
        if (!found) {
            std::fprintf(stderr, "zelvano-screenshot: no panel %s\n",
                         qPrintable(parser.value(panelName)));
            return 2;
        }
    }

    if (parser.isSet(itemKey)) {
        cExplorerBars bars = window.taskPane()->Bars();
        cExplorerBarItem item;
        for (int bar = 1; bar <= bars.Count() && item.isNull(); ++bar)
            if (bars.Item(bar).Items().Exists(parser.value(itemKey)))
                item = bars.Item(bar).Items().Item(parser.value(itemKey));
        if (item.isNull()) {
            std::fprintf(stderr, "zelvano-screenshot: no item %s\n",
                         qPrintable(parser.value(itemKey)));
            return 2;
        }
        emit window.taskPane()->ItemClick(item);
    }

    window.show();
    if (!waitForExposure(window)) {
        std::fprintf(stderr, "zelvano-screenshot: the window was never exposed\n");
        return 1;
    }

    if (CategoryPanel* panel = shownCategoryPanel(window)) {
        if (parser.isSet(quantity))
            panel->quantityBox()->setText(parser.value(quantity));
        if (parser.isSet(from) && !selectUnit(*panel, UnitList::From, parser.value(from)))
            std::fprintf(stderr, "zelvano-screenshot: no unit %s\n",
                         qPrintable(parser.value(from)));
        if (parser.isSet(to) && !selectUnit(*panel, UnitList::To, parser.value(to)))
            std::fprintf(stderr, "zelvano-screenshot: no unit %s\n", qPrintable(parser.value(to)));
        if (parser.isSet(quantity) || parser.isSet(from) || parser.isSet(to))
            panel->convertButton()->click();
    }
    for (const RecordingServices::ShellRequest& r : services.shellRequests())
        std::fprintf(stderr, "shell %s: %s\n", qPrintable(r.verb), qPrintable(r.target));
    for (const RecordingServices::Message& m : services.messages())
        std::fprintf(stderr, "message box (%d) %s: %s\n", static_cast<int>(m.style),
                     qPrintable(m.title), qPrintable(m.prompt));

    processEventsFor(300);
    // What the display shows where it has one; the widget's own rendering otherwise.
    QPixmap shot;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        shot = window.screen()->grabWindow(window.winId());
    if (shot.isNull())
        shot = window.grab();
    if (!shot.save(parser.value(out), "PNG")) {
        std::fprintf(stderr, "zelvano-screenshot: cannot write %s\n",
                     qPrintable(parser.value(out)));
        return 1;
    }
    std::printf("%s: %dx%d pixels (device pixel ratio %g)\n", qPrintable(parser.value(out)),
                shot.width(), shot.height(), window.devicePixelRatioF());
    return 0;
}
