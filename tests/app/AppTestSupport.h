#pragma once

#include "CategoryPanel.h"
#include "RecordingServices.h"
#include "frmMain.h"
#include "modMain.h"
#include "torkExplorerBarCtl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace zelvano::app::test {

using convert::Category;

inline constexpr std::array kAllCategories{
    Category::Length,      Category::Weight, Category::Volume,      Category::Area,
    Category::Temperature, Category::Speed,  Category::Information, Category::RadioActivity,
};

inline QString stemOf(Category category) {
    const std::string_view stem = convert::categoryTable(category).stem;
    return QString::fromUtf8(stem.data(), static_cast<qsizetype>(stem.size()));
}

// A fresh window with a recorder for the message boxes, as the program builds
// it (application style and font included).
class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        modMain::prepareApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
    }

    void makeWindow(const QLocale& locale) {
        window = std::make_unique<frmMain>(services, locale);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    CategoryPanel& panel(Category category) { return *window->categoryPanel(category); }

    // Types the quantity, selects the units (0: leave the list alone) and clicks
    // the convert button with the mouse.
    void convert(Category category, const QString& quantity, int from, int to) {
        CategoryPanel& p = panel(category);
        p.quantityBox()->setText(quantity);
        if (from > 0)
            p.unitButton(UnitList::From, from)->setChecked(true);
        if (to > 0)
            p.unitButton(UnitList::To, to)->setChecked(true);
        window->showPanel(panelOf(category));
        QTest::mouseClick(p.convertButton(), Qt::LeftButton);
    }

    QString result(Category category) { return panel(category).resultBox()->text(); }

    RecordingServices services;
    std::unique_ptr<frmMain> window;
};

} // namespace zelvano::app::test
