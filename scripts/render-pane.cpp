// Renders the task pane into PNG files in its three looks (themed, emulated,
// classic) for two contents: the main window's pane and a showcase of every
// kind of bar and item, plus the search style. Drives the renderer directly,
// and the control itself for the main window's pane.
// Usage: render-pane OUTPUT_FOLDER   (QT_SCALE_FACTOR=2 gives the 2x pictures)

#include "PaneRenderer.h"
#include "paint_fixtures.h"
#include "torkExplorerBarCtl.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

bool renderOne(const QString& path, pane::PaneLook look, int style, QSize size,
               const std::function<void(PaneState&)>& fill) {
    const std::unique_ptr<QStyle> classic(look == pane::PaneLook::Classic
                                              ? QStyleFactory::create(QStringLiteral("Windows"))
                                              : nullptr);
    QWidget widget;
    widget.setFont(paintfix::windowFont());
    if (classic)
        widget.setStyle(classic.get());
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

// The control itself, filled through its object model as the main window
// fills it, and grabbed as the window would show it.
bool renderControl(const QString& path, bool classic) {
    const std::unique_ptr<QStyle> style(classic ? QStyleFactory::create(QStringLiteral("Windows"))
                                                : nullptr);
    torkExplorerBarCtl ctl;
    ctl.setFont(paintfix::windowFont());
    if (style)
        ctl.QWidget::setStyle(style.get());
    ctl.resize(233, 401);
    ctl.setBackColorStart(0);
    ctl.setBackColorEnd(0);
    ctl.setRedraw(false);
    ctl.setUseExplorerStyle(true);
    cExplorerBar convert = ctl.Bars().Add({}, QStringLiteral("CONVERT"), QStringLiteral("Область"));
    convert.setIsSpecial(true);
    int n = 0;
    for (const char16_t* text : {u"Длина", u"Вес", u"Объём", u"Площадь", u"Радиоактивность",
                                 u"Температура", u"Скорость", u"Информация"})
        convert.Items().Add({}, QStringLiteral("CN:%1").arg(++n), QString::fromUtf16(text));
    cExplorerBar help = ctl.Bars().Add({}, QStringLiteral("HELP"), QStringLiteral("Справка"));
    n = 0;
    for (const char16_t* text : {u"Лицензионное соглашение", u"Посетить домашнюю страничку",
                                 u"Написать письмо автору", u"Информация о программе"})
        help.Items().Add({}, QStringLiteral("HELP:%1").arg(++n), QString::fromUtf16(text));
    ctl.setRedraw(true);
    convert.setTitle(QStringLiteral("Область: Длина"));
    return ctl.grab().save(path);
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
    ok &= renderControl(dir.filePath(QStringLiteral("control-themed%1.png").arg(suffix)), false);
    ok &= renderControl(dir.filePath(QStringLiteral("control-classic%1.png").arg(suffix)), true);
    return ok ? 0 : 1;
}
