#include "frmMain.h"

#include "AboutPanel.h"
#include "AboutTexts.h"
#include "accessibility/Announcer.h"
#include "AppFont.h"
#include "AppIcon.h"
#include "CategoryPanel.h"
#include "ConvertClick.h"
#include "Deployment.h"
#include "HelpActions.h"
#include "LocaleNumbers.h"
#include "Messages.h"
#include "Navigation.h"
#include "PanelLayout.h"
#include "Platform.h"
#include "RuntimeErrors.h"
#include "WindowPlacement.h"
#include "torkExplorerBarCtl.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zelvano::app {

namespace {

constexpr std::array kPanelOfCategory{
    PanelId::Length,      PanelId::Weight, PanelId::Volume,      PanelId::Area,
    PanelId::Temperature, PanelId::Speed,  PanelId::Information, PanelId::RadioActivity,
};

// The pane's settings as stored with the window: a black background gradient
// for the emulated look; everything else at its default.
PanePropertyBag storedPaneSettings() {
    PanePropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColorEnd"), 0, kSysColourWindow);
    bag.WriteProperty(QStringLiteral("BackColorStart"), 0, kSysColourWindow);
    return bag;
}

} // namespace

PanelId panelOf(convert::Category category) {
    return kPanelOfCategory[static_cast<std::size_t>(category)];
}

frmMain::frmMain(ToolkitServices& services, const QLocale& numberLocale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , services_(services)
    , numbers_(convert::numberSettings(numberLocale)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(programTitle());
    setWindowIcon(programIcon());
    setFont(windowFont());
    setFixedSize(toPixels({0, 0, WindowLayout::ClientWidth, WindowLayout::ClientHeight}).size());

    taskPane_ = createTaskPane();

    for (const convert::CategoryTable& table : convert::categoryTables()) {
        auto* panel = new CategoryPanel(table, categoryLayout(table.category), this);
        panel->hide();
        panel->quantityBox()->setDecimalSeparator(
            QString::fromStdString(numbers_.decimalSeparator));
        connect(panel->convertButton(), &QPushButton::clicked, this,
                [this, panel] { convertClick(*panel, services_, numbers_); });
        categoryPanels_[static_cast<std::size_t>(table.category)] = panel;
        panels_[static_cast<std::size_t>(panelOf(table.category))] = panel;
    }

    about_ = new AboutPanel(deployment(), services_, this);
    about_->hide();
    panels_[static_cast<std::size_t>(PanelId::About)] = about_;
    announcer_ = new Announcer(this);

    Form_Load();
    placeOnScreen();
}

frmMain::~frmMain() {
    platform::suppressFaultDialogs();
}

torkExplorerBarCtl* frmMain::createTaskPane() {
    auto* pane = new torkExplorerBarCtl(this);
    pane->setObjectName(QStringLiteral("torkExplorerBarCtl"));
    pane->setAccessibleName(QStringLiteral("Навигация"));
    pane->setGeometry(toPixels(WindowLayout::TaskPane));
    pane->readProperties(storedPaneSettings());
    connect(pane, &torkExplorerBarCtl::ItemClick, this, &frmMain::torkExplorerBarCtl_ItemClick);
    return pane;
}

void frmMain::Form_Load() {
    taskPane_->setRedraw(false);
    taskPane_->setUseExplorerStyle(true);
    cExplorerBars bars = taskPane_->Bars();
    for (std::size_t i = 0; i < navigationBars().size(); ++i) {
        const NavigationBar& entry = navigationBars()[i];
        cExplorerBar bar = bars.Add({}, entry.key.toString(), entry.title.toString());
        if (entry.special)
            bar.setIsSpecial(true);
        cExplorerBarItems items = bar.Items();
        for (const NavigationItem& item : navigationItems())
            if (item.bar == static_cast<int>(i) + 1)
                items.Add({}, item.key.toString(), item.text.toString());
    }
    taskPane_->setRedraw(true);
    showNavigationTarget(navigationItemFor(PanelId::Length), PanelId::Length);
    about_->versionLabel()->setText(
        versionLine(services_.version(), platform::buildPlatformName()));
}

void frmMain::torkExplorerBarCtl_ItemClick(const cExplorerBarItem& itm) {
    QString key;
    try {
        key = itm.Key();
    } catch (const NumberedError&) {
        return; // the item is gone: there is nothing to route
    }
    const NavigationItem* item = findNavigationItem(key);
    if (item == nullptr)
        return;
    if (const PanelId* panel = std::get_if<PanelId>(&item->action)) {
        showNavigationTarget(*item, *panel);
        // The focus stays in the pane, so a screen reader is told what is
        // shown now: the category as the retitled bar names it, the about
        // panel by its item.
        announcer_->announce(*panel == PanelId::About ? item->text.toString()
                                                      : item->categoryBarTitle.toString());
    } else
        runHelpAction(std::get<HelpAction>(item->action), services_, this);
}

void frmMain::showNavigationTarget(const NavigationItem& item, PanelId panel) {
    taskPane_->Bars().Item(1).setTitle(item.categoryBarTitle.toString());
    showPanel(panel);
}

CategoryPanel* frmMain::categoryPanel(convert::Category category) const {
    return categoryPanels_[static_cast<std::size_t>(category)];
}

void frmMain::showPanel(PanelId id) {
    for (std::size_t i = 0; i < panels_.size(); ++i)
        panels_[i]->setVisible(static_cast<PanelId>(i) == id);
}

PanelId frmMain::visiblePanel() const {
    for (std::size_t i = 0; i < panels_.size(); ++i)
        if (!panels_[i]->isHidden())
            return static_cast<PanelId>(i);
    return PanelId::Length;
}

void frmMain::placeOnScreen() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    // move() places the frame, title bar included, where setGeometry() would
    // place the client area below it.
    if (screen != nullptr)
        move(windowPosition(size(), screen->availableGeometry()));
}

} // namespace zelvano::app
