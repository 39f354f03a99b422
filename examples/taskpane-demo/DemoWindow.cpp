#include "DemoWindow.h"

#include "ui_DemoWindow.h"

#include <array>

namespace {

struct DemoBar {
    const char* key;
    const char* title;
    bool special;
    std::array<const char*, 3> items;
};

constexpr std::array kBars{
    DemoBar{"START",
            QT_TR_NOOP("Getting started"),
            true,
            {QT_TR_NOOP("Open a document"), QT_TR_NOOP("Create a document"),
             QT_TR_NOOP("Recent documents")}},
    DemoBar{"EDIT",
            QT_TR_NOOP("Editing"),
            false,
            {QT_TR_NOOP("Undo"), QT_TR_NOOP("Find"), QT_TR_NOOP("Replace")}},
    DemoBar{"HELP",
            QT_TR_NOOP("Help"),
            false,
            {QT_TR_NOOP("Contents"), QT_TR_NOOP("Keyboard shortcuts"), QT_TR_NOOP("About")}},
};

} // namespace

DemoWindow::DemoWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui_(std::make_unique<Ui::DemoWindow>()) {
    ui_->setupUi(this);
    fillPane();
    connect(ui_->taskPane, &torkExplorerBarCtl::ItemClick, this, &DemoWindow::showItem);
    connect(ui_->homePage, &HyperLink::Click, this,
            [this] { ui_->chosen->setText(tr("Opened %1").arg(ui_->homePage->hyperLink())); });
}

DemoWindow::~DemoWindow() = default;

void DemoWindow::fillPane() {
    // One repaint for the whole set, not one per bar and item.
    ui_->taskPane->setRedraw(false);
    for (const DemoBar& demo : kBars) {
        cExplorerBar bar =
            ui_->taskPane->Bars().Add({}, QString::fromLatin1(demo.key), tr(demo.title));
        bar.setIsSpecial(demo.special);
        for (const char* text : demo.items)
            bar.Items().Add({}, {}, tr(text));
    }
    ui_->taskPane->setRedraw(true);
}

void DemoWindow::showItem(const cExplorerBarItem& item) {
    ui_->chosen->setText(tr("Clicked \"%1\"").arg(item.Text()));
}
