// Uses the installed controls as another program would: the pane's object
// model and its errors, the hyperlink's click, the stored settings as
// properties, and the installed designer plugin (argument 1) creating a
// pane that this program's handles reach. Prints what fails; exit 0 when
// nothing does.

#include <HyperLink.h>
#include <RuntimeErrors.h>
#include <torkExplorerBarCtl.h>
// Included by their bare names, as programs have done since the first release.
#include <PaneTypes.h>
#include <cExplorerBarItem.h>

#include <QApplication>
#ifdef CHECK_DESIGNER_PLUGIN
#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#endif

#include <cstdio>

namespace {

int failures = 0;

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "failed: %s\n", what);
        ++failures;
    }
}

void usePane() {
    torkExplorerBarCtl pane;
    pane.resize(200, 300);
    cExplorerBar bar = pane.Bars().Add({}, QStringLiteral("FILES"), QStringLiteral("Files"));
    bar.Items().Add({}, QStringLiteral("OPEN"), QStringLiteral("Open"));
    check(pane.Bars().Count() == 1 && bar.Items().Count() == 1, "bars and items added");
    int number = 0;
    try {
        pane.Bars().Add({}, QStringLiteral("files"));
    } catch (const zelvano::NumberedError& error) {
        number = error.number();
    }
    check(number == 457, "a duplicate key raises error 457 that the program catches");
    check(pane.setProperty("BackColorStart", 0) && pane.BackColorStart() == 0,
          "stored settings are properties");
}

void useLink() {
    HyperLink link;
    QString opened;
    bool clicked = false;
    link.setShellOpen([&](const QString&, const QString& target) { opened = target; });
    QObject::connect(&link, &HyperLink::Click, [&] { clicked = true; });
    link.setHyperLink(QStringLiteral("https://www.example.org/"));
    link.click();
    check(opened == QStringLiteral("https://www.example.org/") && clicked,
          "a click opens the link");
}

#ifdef CHECK_DESIGNER_PLUGIN
void usePlugin(const QString& path) {
    QPluginLoader loader(path);
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    check(collection != nullptr, "the installed designer plugin loads");
    if (!collection) {
        std::fprintf(stderr, "%s\n", qPrintable(loader.errorString()));
        return;
    }
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        if (widget->name() != QStringLiteral("torkExplorerBarCtl"))
            continue;
        QWidget parent;
        auto* pane = qobject_cast<torkExplorerBarCtl*>(widget->createWidget(&parent));
        check(pane != nullptr, "the plugin's pane is this program's class");
        if (!pane)
            continue;
        pane->Bars().Add();
        check(pane->Bars().Count() == 1, "this program's handles reach the plugin's pane");
    }
}

#endif

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    usePane();
    useLink();
#ifdef CHECK_DESIGNER_PLUGIN
    if (argc > 1)
        usePlugin(QString::fromLocal8Bit(argv[1]));
#endif
    std::puts(failures ? "FAILED" : "ok");
    return failures ? 1 : 0;
}
