#include "PaneSample.h"

#include "torkExplorerBarCtl.h"

#include <array>

namespace zelvano::designer {
namespace {

struct SampleItem {
    const char* text;
    std::int32_t kind;
};

constexpr const char* kSampleTitle = "Task pane";
constexpr std::array kSampleItems{
    SampleItem{"The program adds bars and items at run time.", ItemKindText},
    SampleItem{"A clickable item", ItemKindLink},
    SampleItem{"Another clickable item", ItemKindLink},
};

} // namespace

void addSampleBar(torkExplorerBarCtl& pane) {
    const bool redraw = pane.Redraw();
    pane.setRedraw(false);
    cExplorerBar bar = pane.Bars().Add({}, {}, QString::fromLatin1(kSampleTitle));
    bar.setIsSpecial(true);
    for (const SampleItem& item : kSampleItems)
        bar.Items().Add({}, {}, QString::fromLatin1(item.text), -1, item.kind);
    pane.setRedraw(redraw);
}

} // namespace zelvano::designer
