// Repaint costs of the task pane, measured on the renderer as the control
// drives it: a full repaint is render() plus the copy to the window; a
// hot-tracking repaint is renderItem() plus the copy of its rectangle.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; QT_SCALE_FACTOR=2
// measures a HiDPI back buffer.

#include "paint/PaneRenderer.h"
#include "paint_fixtures.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

using namespace zelvano::pane;

namespace {

enum Content { MainWindow, HundredItems };

struct Scene {
    std::unique_ptr<QStyle> style; // not owned by the widget
    QWidget widget;
    PaneState state;
    PaneRenderer renderer{&widget, state};
    QImage window;

    Scene(Content content, PaneLook look) {
        widget.setFont(paintfix::windowFont());
        if (look == PaneLook::Classic) {
            style.reset(QStyleFactory::create(QStringLiteral("Windows")));
            widget.setStyle(style.get());
        }
        widget.resize(233, 401);
        if (content == MainWindow)
            paintfix::fillMainWindow(state);
        else
            paintfix::fillManyItems(state, 100);
        state.UseExplorerStyle = look != PaneLook::Emulated;
        state.BackColorStart = state.BackColorEnd = kDefaultColour;
        renderer.reloadResources();
        renderer.measureAll();
        renderer.layout();
        renderer.render();
        const qreal dpr = widget.devicePixelRatioF();
        window = QImage(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        window.setDevicePixelRatio(dpr);
    }

    void toWindow(const QRect& rect) {
        QPainter p(&window);
        renderer.paint(p, rect);
    }
};

void fullRepaint(benchmark::State& st, Content content, PaneLook look) {
    Scene scene(content, look);
    for (auto _ : st) {
        scene.renderer.render();
        scene.toWindow(scene.widget.rect());
        benchmark::ClobberMemory();
    }
}

void hotTracking(benchmark::State& st, PaneLook look) {
    Scene scene(MainWindow, look);
    const auto& bar = *scene.state.bars[1];
    auto& item = *bar.items[1];
    for (auto _ : st) {
        item.MouseOver = !item.MouseOver;
        scene.toWindow(scene.renderer.renderItem(bar, item));
        benchmark::ClobberMemory();
    }
}

void hotTitle(benchmark::State& st, PaneLook look) {
    Scene scene(MainWindow, look);
    auto& bar = *scene.state.bars[0];
    for (auto _ : st) {
        bar.MouseOver = !bar.MouseOver;
        scene.toWindow(scene.renderer.renderBarTitle(bar));
        benchmark::ClobberMemory();
    }
}

void registerAll() {
    const struct {
        PaneLook look;
        const char* name;
    } looks[] = {{PaneLook::Themed, "themed"},
                 {PaneLook::Emulated, "emulated"},
                 {PaneLook::Classic, "classic"}};
    for (const auto& l : looks) {
        const std::string n = l.name;
        benchmark::RegisterBenchmark(("FullRepaint/main_window/" + n).c_str(), fullRepaint,
                                     MainWindow, l.look)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("FullRepaint/100_items/" + n).c_str(), fullRepaint,
                                     HundredItems, l.look)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("HotTracking/item/" + n).c_str(), hotTracking, l.look)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("HotTracking/title/" + n).c_str(), hotTitle, l.look)
            ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
