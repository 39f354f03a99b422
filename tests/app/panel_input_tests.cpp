// What a category panel shows and takes from the keyboard: a result read
// from its start and kept until the next click, Enter converting, the
// keypad's decimal key, the quantity's length bound and the boxes' names.

#include "AppTestSupport.h"

#include "LocaleNumbers.h"

#include <QAccessible>
#include <QClipboard>
#include <QStyleOptionFrame>

namespace zelvano::app::test {
namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

class PanelInputTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(kRussian); }

    // The character under the left edge of the box's text area, once painted.
    static int firstVisiblePosition(QLineEdit& box) {
        box.grab(); // the scroll offset is settled when the box paints
        QStyleOptionFrame option;
        option.initFrom(&box);
        option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
        const QRect text = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
        return box.cursorPositionAt(QPoint(text.left() + 3, text.center().y()));
    }
};

// A result wider than the box shows its start; the whole text is in the
// tooltip and the accessible description. A short one needs neither.
TEST_F(PanelInputTest, ALongResultShowsItsStart) {
    struct Case {
        const char* quantity;
        int from;
        int to;
        const char* result;
    } const cases[] = {
        {"-0,001", 16, 6, "-1,23434125279878E-07"}, // "Пядь" to "Миля [морская]"
        {"1", 16, 6, "0,000123434125279878"},
        {"-1E300", 16, 6, "-1,23434125279878E+296"},
        {"12345678901234567890,123456789", 4, 4, "12345678901234567890,123456789"}, // a copy
        {"1,5", 1, 18, "150"},
    };
    CategoryPanel& p = panel(Category::Length);
    ResultBox& box = *p.resultBox();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.quantity);
        convert(Category::Length, QString::fromUtf8(c.quantity), c.from, c.to);
        const QString expected = QString::fromUtf8(c.result);
        ASSERT_EQ(box.text(), expected);
        EXPECT_EQ(box.cursorPosition(), 0);
        EXPECT_EQ(firstVisiblePosition(box), 0);
        const QString whole = box.textFits() ? QString() : expected;
        EXPECT_EQ(box.textFits(), expected.size() < 10);
        EXPECT_EQ(box.toolTip(), whole);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Description), whole);
    }
    EXPECT_TRUE(services.messages().empty());
}

// A result stays until the next click, however the inputs change meanwhile;
// the click then shows the result of the new inputs.
TEST_F(PanelInputTest, AResultStaysUntilTheNextClick) {
    struct Case {
        const char* what;
        std::function<void(CategoryPanel&)> change;
        const char* next; // the result of the next click
    };
    const auto key = [](QWidget* widget, Qt::Key k) {
        widget->setFocus();
        QTest::keyClick(widget, k);
    };
    const Case cases[] = {
        {"a digit typed", [&](CategoryPanel& p) { key(p.quantityBox(), Qt::Key_6); },
         "90103,9999999999"},
        {"another \"from\" unit clicked",
         [](CategoryPanel& p) {
             QTest::mouseClick(p.unitButton(UnitList::From, 4), Qt::LeftButton);
         },
         "4,57199999999999"},
        {"an arrow key in the \"to\" list",
         [&](CategoryPanel& p) { key(p.unitButton(UnitList::To, 1), Qt::Key_Down); },
         "8044999,99999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        convert(Category::Length, QStringLiteral("5"), 5, 1); // "Миля [сухопутная]" to "Метр"
        ASSERT_EQ(result(Category::Length), QStringLiteral("8044,99999999999"));
        CategoryPanel& p = panel(Category::Length);
        c.change(p);
        EXPECT_EQ(result(Category::Length), QStringLiteral("8044,99999999999"));
        QTest::mouseClick(p.convertButton(), Qt::LeftButton);
        EXPECT_EQ(result(Category::Length), QString::fromUtf8(c.next));
    }
    EXPECT_TRUE(services.messages().empty());
}

// Enter and Return click the panel's button once from the quantity box, a
// unit button and the button itself; Space on the button still does.
TEST_F(PanelInputTest, EnterConvertsOnce) {
    CategoryPanel& p = panel(Category::Temperature);
    window->showPanel(PanelId::Temperature);
    // An empty quantity: each click of the button shows one prompt.
    p.quantityBox()->clear();
    struct Case {
        const char* where;
        QWidget* widget;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::size_t clicks;
    } const cases[] = {
        {"quantity, Return", p.quantityBox(), Qt::Key_Return, Qt::NoModifier, 1},
        {"quantity, keypad Enter", p.quantityBox(), Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"unit button, Return", p.unitButton(UnitList::To, 3), Qt::Key_Return, Qt::NoModifier, 1},
        {"unit button, Enter", p.unitButton(UnitList::From, 5), Qt::Key_Enter, Qt::KeypadModifier,
         1},
        {"button, Return", p.convertButton(), Qt::Key_Return, Qt::NoModifier, 1},
        {"button, Enter", p.convertButton(), Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"button, Space", p.convertButton(), Qt::Key_Space, Qt::NoModifier, 1},
        {"button, Ctrl+Return", p.convertButton(), Qt::Key_Return, Qt::ControlModifier, 0},
        {"result box, Return", p.resultBox(), Qt::Key_Return, Qt::NoModifier, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        services.clear();
        c.widget->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), c.widget);
        QTest::keyClick(c.widget, c.key, c.modifiers);
        EXPECT_EQ(services.messages().size(), c.clicks);
    }

    // A held key converts once, not once per repeat.
    services.clear();
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(p.convertButton(), &repeat);
    EXPECT_TRUE(services.messages().empty());

    // With a quantity and both units, Enter in the box gives the result.
    p.quantityBox()->setText(QStringLiteral("100"));
    p.unitButton(UnitList::From, 1)->setChecked(true);
    p.unitButton(UnitList::To, 5)->setChecked(true);
    QTest::keyClick(p.quantityBox(), Qt::Key_Return);
    const convert::Conversion expected = convert::ConvertQuantity(
        Category::Temperature, 1, 5, "100", convert::numberSettings(kRussian));
    EXPECT_EQ(result(Category::Temperature).toStdString(), expected.text);
}

// The keypad's decimal key types the separator of the numbers' locale,
// whichever character the keyboard layout gives it; the main keyboard's
// period and comma type themselves.
TEST_F(PanelInputTest, KeypadDecimalTypesTheLocalesSeparator) {
    struct Case {
        QLocale locale;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* typed;
    } const cases[] = {
        {kRussian, Qt::Key_Period, Qt::KeypadModifier, "1,5"},
        {kRussian, Qt::Key_Comma, Qt::KeypadModifier, "1,5"},
        {kRussian, Qt::Key_Period, Qt::NoModifier, "1.5"},
        {kEnglish, Qt::Key_Comma, Qt::KeypadModifier, "1.5"},
        {kEnglish, Qt::Key_Period, Qt::KeypadModifier, "1.5"},
        {kEnglish, Qt::Key_Comma, Qt::NoModifier, "1,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        makeWindow(c.locale);
        QLineEdit& box = *panel(Category::Length).quantityBox();
        box.setFocus();
        box.clear();
        QTest::keyClick(&box, Qt::Key_1, Qt::KeypadModifier);
        QTest::keyClick(&box, c.key, c.modifiers);
        QTest::keyClick(&box, Qt::Key_5, Qt::KeypadModifier);
        EXPECT_EQ(box.text(), QLatin1String(c.typed));
    }
}

// A page of pasted text keeps only as much as any number needs, and so does
// the equal-units copy of it.
TEST_F(PanelInputTest, AQuantityHoldsAtMostItsMaximumLength) {
    CategoryPanel& p = panel(Category::Area);
    window->showPanel(PanelId::Area);
    QString page;
    for (int i = 0; page.size() < 32767; ++i)
        page += QString::number(i % 10);
    QGuiApplication::clipboard()->setText(page);
    p.quantityBox()->setFocus();
    QTest::keyClick(p.quantityBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(p.quantityBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(p.quantityBox()->text(), page.left(QuantityBox::kMaxLength));

    p.unitButton(UnitList::From, 2)->setChecked(true);
    p.unitButton(UnitList::To, 2)->setChecked(true);
    QTest::mouseClick(p.convertButton(), Qt::LeftButton);
    EXPECT_EQ(result(Category::Area), page.left(QuantityBox::kMaxLength));
}

// A screen reader tells the two boxes apart; the unit groups keep their captions.
TEST_F(PanelInputTest, BoxesHaveTheirOwnAccessibleNames) {
    for (Category category : kAllCategories) {
        CategoryPanel& p = panel(category);
        const auto name = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        EXPECT_EQ(name(p.quantityBox()), QStringLiteral("Количество единиц"));
        EXPECT_EQ(name(p.resultBox()), QStringLiteral("Результат"));
        EXPECT_EQ(name(p.unitButton(UnitList::From, 1)->parentWidget()->parentWidget()),
                  QStringLiteral("Из:"));
        EXPECT_EQ(name(p.unitButton(UnitList::To, 1)->parentWidget()->parentWidget()),
                  QStringLiteral("В:"));
    }
}

} // namespace
} // namespace zelvano::app::test
