// Renders the task pane into PNG files in its three looks (themed, emulated,
// classic) for two contents: the main window's pane and a showcase of every
// kind of bar and item, plus the search style. Drives the renderer directly.
// Usage: render-pane OUTPUT_FOLDER   (QT_SCALE_FACTOR=2 gives the 2x pictures)

#include "PaneRenderer.h"
#include "paint_fixtures.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QStyleFactory>

#include <cstdio>
#include <functional>

namespace {

bool renderOne(const QString& path, pane::PaneLook look, int style, QSize size,
               const std::function<void(PaneState&)>& fill) {
    QWidget widget;
    widget.setFont(paintfix::windowFont());
    if (look == pane::PaneLook::Classic)
        widget.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    widget.resize(size);
    PaneState state;
    fill(state);
    state.UseExplorerStyle = look != pane::PaneLook::Emulated;
    state.Style = style;
    if (look == pane::PaneLook::Emulated) {
        state.BackColorStart = kDefaultColor; // the gradient of the look, not the stored black
        state.BackColorEnd = kDefaultColor;
    }
    PaneRenderer renderer(&widget, state);
    renderer.reloadResources();
    for (auto& bar : state.bars)
        renderer.recolourWatermark(*bar);
    renderer.measureAll();
    renderer.layout();
    renderer.measureAll();
    renderer.layout();
    renderer.render();
    if (renderer.look() != look) {
        std::fprintf(stderr, "render-pane: %s: look fell back\n", qPrintable(path));
        return false;
    }
    const qreal dpr = widget.devicePixelRatioF();
    QImage out(size * dpr, QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(dpr);
    out.fill(Qt::white);
    QPainter p(&out);
    renderer.paint(p, QRect(QPoint(), size));
    if (state.scrollBarVisible) // where the control puts its scroll bar
        p.fillRect(QRect(size.width() - renderer.scrollBarWidth(), 0, renderer.scrollBarWidth(),
                         size.height()),
                   QColor(200, 200, 200));
    p.end();
    return out.save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render-pane OUTPUT_FOLDER\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(QStringLiteral("."));
    const qreal dpr = app.devicePixelRatio();
    const QString suffix = dpr > 1 ? QStringLiteral("@%1x").arg(dpr) : QString();
    const struct {
        pane::PaneLook look;
        const char* name;
    } looks[] = {{pane::PaneLook::Themed, "themed"},
                 {pane::PaneLook::Emulated, "emulated"},
                 {pane::PaneLook::Classic, "classic"}};
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
    return ok ? 0 : 1;
}
