// One animation step of the task pane as the control runs it, unpaced: each
// iteration collapses or expands the main window's category bar, and the
// "step" counter divides the time by the steps painted. Runs offscreen unless
// QT_QPA_PLATFORM says otherwise; QT_SCALE_FACTOR=2 measures a HiDPI pane.

#include "input/PaneAnimation.h"
#include "paint_fixtures.h"
#include "torkExplorerBarCtl.h"

#include <QApplication>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

using namespace zelvano::pane;

namespace {

enum class Look { Themed, Emulated, Classic };

struct PaintCounter : QObject {
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void animationStep(benchmark::State& st, Look look) {
    PaneAnimation::setPaced(false);
    QWidget window;
    window.resize(260, 420);
    auto* pane = new torkExplorerBarCtl(&window);
    pane->setFont(paintfix::windowFont());
    if (look == Look::Classic)
        static_cast<QWidget*>(pane)->setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    pane->setGeometry(0, 0, 233, 401);
    pane->setBackColorStart(0);
    pane->setBackColorEnd(0);
    pane->setUseExplorerStyle(look != Look::Emulated);
    paintfix::buildMainWindow(*pane);
    window.show();
    QApplication::processEvents();

    PaintCounter counter;
    pane->installEventFilter(&counter);
    auto bar = pane->Bars().Item(QStringLiteral("CONVERT"));
    for (auto _ : st)
        bar.setState(bar.State() == BarExpanded ? BarCollapsed : BarExpanded);
    st.counters["steps"] =
        benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
    st.counters["step"] = benchmark::Counter(
        double(counter.paints), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("AnimationStep/main_window/themed", animationStep, Look::Themed)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("AnimationStep/main_window/emulated", animationStep,
                                 Look::Emulated)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("AnimationStep/main_window/classic", animationStep, Look::Classic)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
