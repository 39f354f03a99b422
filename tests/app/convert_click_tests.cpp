// The convert buttons: the click procedure on the panels' own controls, with
// the message boxes recorded.

#include "AppTestSupport.h"

#include "LocaleNumbers.h"

namespace zelvano::app::test {
namespace {

using Message = RecordingServices::Message;

class ConvertClickTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale::c()); }

    void expectOneMessage(const QString& prompt, MessageStyle style) {
        ASSERT_EQ(services.messages().size(), 1u);
        const Message& m = services.messages().front();
        EXPECT_EQ(m.prompt, prompt);
        EXPECT_EQ(m.style, style);
        EXPECT_EQ(m.title, QStringLiteral("Zelvano 3.0"));
    }
};

// Every category, a spread of pairs (first/last, both directions, screen
// order different from UnitIndex order): the result box shows what the engine
// gives for the same input.
TEST_F(ConvertClickTest, EveryCategoryShowsTheEngineText) {
    const convert::NumberSettings c = convert::numberSettings(QLocale::c());
    for (Category category : kAllCategories) {
        const int n = static_cast<int>(convert::categoryTable(category).units.size());
        const std::pair<int, int> pairs[] = {{1, n}, {n, 1}, {2, n - 1},
                                             {n, 2}, {1, 2}, {n - 1, n}};
        for (auto [from, to] : pairs) {
            for (const char* quantity : {"1", "-2.5", "1234.5678", "1E-5"}) {
                const convert::Conversion expected =
                    convert::ConvertQuantity(category, from, to, quantity, c);
                ASSERT_TRUE(expected.ok());
                convert(category, QString::fromLatin1(quantity), from, to);
                EXPECT_EQ(result(category).toStdString(), expected.text)
                    << stemOf(category).toStdString() << ' ' << from << "->" << to << ' '
                    << quantity;
            }
        }
    }
    EXPECT_TRUE(services.messages().empty());
}

// Known values, so that the binding cannot agree with a wrong engine call
// (units swapped, the wrong category).
TEST_F(ConvertClickTest, KnownResults) {
    struct Case {
        Category category;
        const char* quantity;
        int from;
        int to;
        const char* result;
    } const cases[] = {
        {Category::Length, "1", 1, 2, "39.3700787401575"},
        {Category::Length, "1", 2, 3, "0.0833333333333332"},
        {Category::Length, "1E15", 1, 17, "1E+18"},
        {Category::Length, "-0", 1, 17, "0"},
        {Category::Weight, "2", 2, 8, "4.409245244"},
        {Category::Length, "3.196298393785197E+307", 1, 9, "1.79769313486232E+308"},
    };
    for (const Case& c : cases) {
        convert(c.category, QString::fromLatin1(c.quantity), c.from, c.to);
        EXPECT_EQ(result(c.category), QLatin1String(c.result)) << c.quantity;
    }
}

TEST_F(ConvertClickTest, EqualUnitsCopyTheTextAsItStands) {
    for (const QString& text : {QStringLiteral(" "), QStringLiteral("abc"),
                                QStringLiteral("1,5 кг"), QStringLiteral("  2.50  ")}) {
        convert(Category::Temperature, text, 3, 3);
        EXPECT_EQ(result(Category::Temperature), text);
    }
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(ConvertClickTest, EmptyQuantityAsksForOneAndConvertsNothing) {
    for (auto [from, to] : {std::pair{1, 2}, std::pair{2, 2}, std::pair{0, 0}}) {
        services.clear();
        convert(Category::Speed, QString(), from, to);
        expectOneMessage(QStringLiteral("Введите количество!"), MessageStyle::Information);
        EXPECT_TRUE(result(Category::Speed).isEmpty());
    }
}

TEST_F(ConvertClickTest, NothingHappensWithoutBothUnits) {
    for (auto [from, to] : {std::pair{0, 0}, std::pair{2, 0}}) {
        convert(Category::Volume, QStringLiteral("5"), from, to);
        EXPECT_TRUE(result(Category::Volume).isEmpty());
    }
    // From only in one panel, to only in another: panels do not share selections.
    panel(Category::Area).unitButton(UnitList::To, 3)->setChecked(true);
    convert(Category::Volume, QStringLiteral("5"), 1, 0);
    EXPECT_TRUE(result(Category::Volume).isEmpty());
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(ConvertClickTest, AFailedConversionShowsTheErrorAndKeepsTheResult) {
    convert(Category::Length, QStringLiteral("2"), 1, 18);
    const QString before = result(Category::Length);
    ASSERT_EQ(before, QStringLiteral("200"));

    struct Case {
        const char* quantity;
        int error;
        const char* description;
    } const cases[] = {
        {" ", 13, "Type mismatch"},
        {"abc", 13, "Type mismatch"},
        {"1,5", 13, "Type mismatch"}, // "," is no decimal separator in this locale
        {"1E400", 6, "Overflow"},
    };
    for (const Case& c : cases) {
        services.clear();
        convert(Category::Length, QString::fromLatin1(c.quantity), 1, 18);
        expectOneMessage(QStringLiteral("Произошла ошибка № %1\r\n%2")
                             .arg(c.error)
                             .arg(QLatin1String(c.description)),
                         MessageStyle::Critical);
        EXPECT_EQ(result(Category::Length), before) << c.quantity;
    }
}

TEST_F(ConvertClickTest, TheResultBoxAcceptsNoTyping) {
    convert(Category::RadioActivity, QStringLiteral("1"), 1, 2);
    const QString shown = result(Category::RadioActivity);
    QLineEdit* box = panel(Category::RadioActivity).resultBox();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("99"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), shown);
}

TEST_F(ConvertClickTest, StateSurvivesSwitchingPanels) {
    convert(Category::Speed, QStringLiteral("36"), 1, 2);
    const QString converted = result(Category::Speed);
    panel(Category::Speed).quantityBox()->setText(QStringLiteral("72"));
    for (std::size_t i = 0; i < kPanelCount; ++i)
        window->showPanel(static_cast<PanelId>(i));
    window->showPanel(PanelId::Speed);
    CategoryPanel& p = panel(Category::Speed);
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.quantityBox()->text(), QStringLiteral("72"));
    EXPECT_EQ(p.resultBox()->text(), converted);
    EXPECT_EQ(p.selectedUnit(UnitList::From), 1);
    EXPECT_EQ(p.selectedUnit(UnitList::To), 2);
}

class RussianNumbersTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale(QLocale::Russian, QLocale::Russia)); }
};

TEST_F(RussianNumbersTest, CommaIsTheDecimalSeparator) {
    convert(Category::Length, QStringLiteral("1,5"), 1, 18);
    EXPECT_EQ(result(Category::Length), QStringLiteral("150"));
    convert(Category::Length, QStringLiteral("1"), 1, 2);
    EXPECT_EQ(result(Category::Length), QStringLiteral("39,3700787401575"));
    convert(Category::Length, QStringLiteral("-1,5E-3"), 1, 17);
    EXPECT_EQ(result(Category::Length), QStringLiteral("-1,5"));
    EXPECT_TRUE(services.messages().empty());
}

} // namespace
} // namespace zelvano::app::test
