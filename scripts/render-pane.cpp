// Renders the task pane into PNG files in its three looks (themed, emulated,
// classic) for several contents: the main window's pane, a showcase of every
// kind of bar and item, the search style and a pane that scrolls. Fonts and
// style are set up by the program's own start-up code, the scroll bar is the
// real one, and the control-* pictures are the main window's pane itself.
// Usage: render-pane OUTPUT_FOLDER   (QT_SCALE_FACTOR=2 gives the 2x pictures)

#include "AppFont.h"
#include "RecordingServices.h"
#include "frmMain.h"
#include "modMain.h"
#include "paint_harness.h"
#include "torkExplorerBarCtl.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include <cstdio>
#include <functional>
#include <memory>

using namespace zelvano::pane;

namespace {

bool renderOne(const QString& path, PaneLook look, int style, QSize size,
               const std::function<void(PaneState&)>& fill) {
    paintfix::Harness h(size);
    h.widget.setFont(zelvano::app::windowFont());
    if (look == PaneLook::Classic)
        h.useClassicStyle();
    fill(h.state);
    h.state.UseExplorerStyle = look != PaneLook::Emulated;
    h.state.Style = style;
    if (look == PaneLook::Emulated) {
        h.state.BackColorStart = kDefaultColour; // the gradient of the look, not the stored black
        h.state.BackColorEnd = kDefaultColour;
    }
    h.renderer.reloadResources();
    for (auto& bar : h.state.bars)
        h.renderer.recolourWatermark(*bar);
    h.refresh();
    if (h.renderer.look() != look) {
        std::fprintf(stderr, "render-pane: %s: look fell back\n", qPrintable(path));
        return false;
    }
    return h.windowShot().save(path);
}

// The main window's pane, as the running program shows it.
bool renderControl(const QString& path, bool classic) {
    zelvano::app::RecordingServices services;
    zelvano::app::frmMain window(services);
    const std::unique_ptr<QStyle> style(classic ? QStyleFactory::create(QStringLiteral("Windows"))
                                                : nullptr);
    if (style)
        window.taskPane()->QWidget::setStyle(style.get());
    return window.taskPane()->grab().save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zelvano::app::modMain::prepareApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render-pane OUTPUT_FOLDER\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(QStringLiteral("."));
    const qreal dpr = app.devicePixelRatio();
    const QString suffix = dpr > 1 ? QStringLiteral("@%1x").arg(dpr) : QString();
    const struct {
        PaneLook look;
        const char* name;
    } looks[] = {{PaneLook::Themed, "themed"},
                 {PaneLook::Emulated, "emulated"},
                 {PaneLook::Classic, "classic"}};
    bool ok = true;
    for (const auto& l : looks) {
        const QString name = QString::fromLatin1(l.name);
        ok &= renderOne(dir.filePath(QStringLiteral("main-%1%2.png").arg(name, suffix)), l.look,
                        PaneStyleTaskPane, QSize(233, 401), paintfix::fillMainWindow);
        ok &= renderOne(dir.filePath(QStringLiteral("showcase-%1%2.png").arg(name, suffix)), l.look,
                        PaneStyleTaskPane, QSize(233, 640), paintfix::fillShowcase);
        ok &= renderOne(dir.filePath(QStringLiteral("search-%1%2.png").arg(name, suffix)), l.look,
                        PaneStyleSearch, QSize(233, 401), paintfix::fillShowcase);
        ok &= renderOne(dir.filePath(QStringLiteral("scrolled-%1%2.png").arg(name, suffix)), l.look,
                        PaneStyleTaskPane, QSize(233, 401),
                        [](PaneState& s) { paintfix::fillManyItems(s, 30); });
    }
    ok &= renderControl(dir.filePath(QStringLiteral("control-themed%1.png").arg(suffix)), false);
    ok &= renderControl(dir.filePath(QStringLiteral("control-classic%1.png").arg(suffix)), true);
    return ok ? 0 : 1;
}
