// Alt+letter: the mnemonic of a text, the first bar and else the first item
// with it clicked, and the list following titles and texts as they change.

#include "CaseNames.h"
#include "input/pcMnemonics.h"
#include "input_support.h"

#include <QSignalSpy>

using namespace zelvano::pane;

namespace {

using inputtest::PaneFixture;

struct MnemonicCase {
    const char16_t* text;
    char16_t expected; // 0: none
};

class MnemonicOf : public ::testing::TestWithParam<MnemonicCase> {};

TEST_P(MnemonicOf, IsTheCharacterAfterTheFirstSingleAmpersand) {
    const QChar m = pcMnemonics::mnemonicOf(QString::fromUtf16(GetParam().text));
    EXPECT_EQ(m, QChar(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MnemonicOf,
    ::testing::Values(MnemonicCase{u"&Вес", u'В'}, MnemonicCase{u"Вес", 0},
                      MnemonicCase{u"Об&ъём", u'ъ'}, MnemonicCase{u"&A &B", u'A'},
                      MnemonicCase{u"R&&D", 0}, // "&&" shows "&"
                      MnemonicCase{u"R&&D &x", u'x'}, MnemonicCase{u"Конец&", 0},
                      MnemonicCase{u"& пробел", 0}),
    [](const auto& info) {
        return zelvano::test::textName(QString::fromUtf16(info.param.text).toStdString());
    });

struct Mnemonics : PaneFixture {
    QSignalSpy* bars = nullptr;
    QSignalSpy* items = nullptr;

    Mnemonics() {
        fillMainWindow();
        bars = new QSignalSpy(pane, &torkExplorerBarCtl::BarClick);
        items = new QSignalSpy(pane, &torkExplorerBarCtl::ItemClick);
    }
    ~Mnemonics() override {
        delete bars;
        delete items;
    }
    void alt(char16_t letter) {
        // By key code and text: QTest's character overloads know only ASCII.
        const QChar c(letter);
        QTest::sendKeyEvent(QTest::Click, &window, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::AltModifier);
    }
};

TEST_F(Mnemonics, AltLetterClicksTheBarOrTheItemWithIt) {
    show();
    alt(u'с');
    ASSERT_EQ(bars->count(), 1);
    EXPECT_EQ((*bars)[0][0].value<cExplorerBar>().Key(), QStringLiteral("HELP"));
    EXPECT_EQ(bar(1).State, BarCollapsed);
    alt(u'в');
    ASSERT_EQ(items->count(), 1);
    EXPECT_EQ((*items)[0][0].value<cExplorerBarItem>().Text(), QStringLiteral("&Вес"));
    EXPECT_EQ(state().focusItemID, item(0, 1).ID);
}

TEST_F(Mnemonics, ABarWinsOverAnItemAndTheFirstItemMadeOverLaterOnes) {
    pane->Bars().Item(1).setTitle(QStringLiteral("&Выбор"));
    pane->Bars().Item(1).Items().Add(1, {}, QStringLiteral("&Ом")); // shown first, made last
    show();
    alt(u'в');
    EXPECT_EQ(bars->count(), 1);
    EXPECT_EQ(items->count(), 0);
    alt(u'о');
    ASSERT_EQ(items->count(), 1);
    EXPECT_EQ((*items)[0][0].value<cExplorerBarItem>().Text(), QStringLiteral("&Объём"));

    pane->Bars().Item(1).Items().Item(4).setCanClick(false); // "&Объём"
    alt(u'о');
    ASSERT_EQ(items->count(), 2);
    EXPECT_EQ((*items)[1][0].value<cExplorerBarItem>().Text(), QStringLiteral("&Ом"))
        << "an item that cannot be clicked is passed over";
}

TEST_F(Mnemonics, FollowTitleAndTextChangesAndRemoval) {
    show();
    auto help = pane->Bars().Item(2);
    help.setTitle(QStringLiteral("Спр&авка"));
    alt(u'с');
    EXPECT_EQ(bars->count(), 0) << "the old letter is gone from the bar";
    ASSERT_EQ(items->count(), 1);
    EXPECT_EQ((*items)[0][0].value<cExplorerBarItem>().Text(), QStringLiteral("&Скорость"));
    alt(u'а');
    EXPECT_EQ(bars->count(), 1);

    pane->Bars().Item(1).Items().Item(2).setText(QStringLiteral("Масса"));
    alt(u'в');
    EXPECT_EQ(items->count(), 1);

    pane->Bars().Remove(QStringLiteral("HELP"));
    alt(u'а');
    EXPECT_EQ(bars->count(), 1) << "a removed bar's letter is gone";
}

} // namespace
