#include "frmMain.h"

#include "AppFont.h"
#include "AppIcon.h"
#include "CategoryPanel.h"
#include "ConvertClick.h"
#include "LocaleNumbers.h"
#include "Messages.h"
#include "PanelLayout.h"
#include "Platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zelvano {

namespace {

constexpr std::array kPanelOfCategory{
    PanelId::Length,      PanelId::Weight, PanelId::Volume,      PanelId::Area,
    PanelId::Temperature, PanelId::Speed,  PanelId::Information, PanelId::RadioActivity,
};

} // namespace

PanelId panelOf(Category category) {
    return kPanelOfCategory[static_cast<std::size_t>(category)];
}

frmMain::frmMain(ToolkitServices& services, const QLocale& numberLocale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , services_(services)
    , numbers_(zelvano::numberSettings(numberLocale)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(programTitle());
    setWindowIcon(programIcon());
    setFont(windowFont());
    setFixedSize(toPixels({0, 0, WindowLayout::ClientWidth, WindowLayout::ClientHeight}).size());

    taskPane_ = createTaskPane();

    for (const CategoryTable& table : categoryTables()) {
        auto* panel = new CategoryPanel(table, categoryLayout(table.category), this);
        panel->hide();
        connect(panel->convertButton(), &QPushButton::clicked, this,
                [this, panel] { convertClick(*panel, services_, numbers_); });
        categoryPanels_[static_cast<std::size_t>(table.category)] = panel;
        panels_[static_cast<std::size_t>(panelOf(table.category))] = panel;
    }

    // Its content is filled in by the about panel's own code.
    auto* about = new QWidget(this);
    about->setObjectName(QStringLiteral("picAbout"));
    about->setGeometry(toPixels(WindowLayout::Panel));
    about->hide();
    panels_[static_cast<std::size_t>(PanelId::About)] = about;

    Form_Load();
    centreOnScreen();
}

frmMain::~frmMain() {
    platform::suppressFaultDialogs();
}

// The one place that makes the task pane, so that the control can replace the
// plain placeholder without touching the rest of the window.
QWidget* frmMain::createTaskPane() {
    auto* pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("torkExplorerBarCtl"));
    pane->setGeometry(toPixels(WindowLayout::TaskPane));
    return pane;
}

void frmMain::Form_Load() {
    showPanel(PanelId::Length);
}

CategoryPanel* frmMain::categoryPanel(Category category) const {
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

void frmMain::centreOnScreen() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen != nullptr)
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

} // namespace zelvano
