// What the window offers a screen reader: words and lines of the text boxes,
// the panel's accessible tree, and the notification that carries a result.

#include "AppTestSupport.h"

#include "TextBoxAccessible.h"

#include <QAccessible>
#include <QGroupBox>

namespace zelvano::app::test {
namespace {

using QA = QAccessible;

// Words, lines and characters of a one-line text, above all at its end,
// where the toolkit's own search never returned.
TEST(TextPiece, FindsEveryPieceUpToTheEnd) {
    struct Case {
        const char* text;
        TextPiece which;
        int offset;
        QA::TextBoundaryType boundary;
        const char* piece;
        int start;
        int end;
    } const cases[] = {
        {"4,409245244", TextPiece::At, 11, QA::WordBoundary, "4,409245244", 0, 11},
        {"4,409245244", TextPiece::At, 3, QA::WordBoundary, "4,409245244", 0, 11},
        {"12 34", TextPiece::At, 5, QA::WordBoundary, "34", 3, 5},
        {"12 34", TextPiece::At, 0, QA::WordBoundary, "12", 0, 2},
        {"12 34", TextPiece::At, 2, QA::WordBoundary, " ", 2, 3},
        {"12 34", TextPiece::Before, 5, QA::WordBoundary, "34", 3, 5},
        {"12 34", TextPiece::Before, 3, QA::WordBoundary, " ", 2, 3},
        {"12 34", TextPiece::After, 0, QA::WordBoundary, " ", 2, 3},
        {"12 34", TextPiece::After, 4, QA::WordBoundary, "", -1, -1},
        {"12 34", TextPiece::After, 5, QA::WordBoundary, "", -1, -1},
        {"4,409245244", TextPiece::At, 10, QA::LineBoundary, "4,409245244", 0, 11},
        {"4,409245244", TextPiece::At, 11, QA::LineBoundary, "4,409245244", 0, 11},
        {"4,409245244", TextPiece::Before, 11, QA::LineBoundary, "", -1, -1},
        {"4,409245244", TextPiece::After, 0, QA::ParagraphBoundary, "", -1, -1},
        {"ab", TextPiece::At, 1, QA::CharBoundary, "b", 1, 2},
        {"ab", TextPiece::At, 2, QA::CharBoundary, "", -1, -1},
        {"ab", TextPiece::Before, 2, QA::CharBoundary, "b", 1, 2},
        {"ab", TextPiece::After, 0, QA::CharBoundary, "b", 1, 2},
        {"ab", TextPiece::At, 0, QA::NoBoundary, "ab", 0, 2},
        {"", TextPiece::At, 0, QA::WordBoundary, "", -1, -1},
        {"ab", TextPiece::At, 3, QA::WordBoundary, "", -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" " << static_cast<int>(c.which)
                                        << " at " << c.offset << " by " << c.boundary);
        int start = 0;
        int end = 0;
        const QString piece =
            textPiece(QString::fromUtf8(c.text), c.which, c.offset, c.boundary, &start, &end);
        EXPECT_EQ(piece, QString::fromUtf8(c.piece));
        EXPECT_EQ(start, c.start);
        EXPECT_EQ(end, c.end);
    }
}

class PanelAccessibilityTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale(QLocale::Russian, QLocale::Russia)); }

    static QAccessibleInterface* of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    static std::vector<QAccessibleInterface*> children(QAccessibleInterface* iface) {
        std::vector<QAccessibleInterface*> all;
        for (int i = 0; i < iface->childCount(); ++i)
            all.push_back(iface->child(i));
        return all;
    }
    static QAccessibleInterface* childWithRole(QAccessibleInterface* iface, QA::Role role) {
        for (QAccessibleInterface* c : children(iface))
            if (c->role() == role)
                return c;
        return nullptr;
    }
};

// Both boxes read their whole text through their own interface: one run of
// attributes over the text, the line at the last character whole, and a
// read-only box takes no text from outside.
TEST_F(PanelAccessibilityTest, TheBoxesReadTheirWholeText) {
    convert(Category::Weight, QStringLiteral("2"), 2, 8);
    CategoryPanel& p = panel(Category::Weight);
    for (QLineEdit* box :
         {static_cast<QLineEdit*>(p.quantityBox()), static_cast<QLineEdit*>(p.resultBox())}) {
        SCOPED_TRACE(box->objectName().toStdString());
        QAccessibleTextInterface* text = of(box)->textInterface();
        ASSERT_NE(text, nullptr);
        const int last = text->characterCount() - 1;
        int start = 0;
        int end = 0;
        text->attributes(last, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, text->characterCount()));
        EXPECT_EQ(text->textAtOffset(last, QA::LineBoundary, &start, &end), box->text());
        EXPECT_EQ(text->textAtOffset(-1, QA::WordBoundary, &start, &end), box->text());
    }
    of(p.resultBox())->editableTextInterface()->replaceText(0, 1, QStringLiteral("9"));
    of(p.resultBox())->setText(QA::Value, QStringLiteral("9"));
    EXPECT_EQ(result(Category::Weight), QStringLiteral("4,409245244"));
}

// The result box reads beside the quantity frame, named, with no frame as
// its label; each unit frame reads with its name over a nameless container.
TEST_F(PanelAccessibilityTest, ThePanelReadsInTheOrderOfTheWork) {
    CategoryPanel& p = panel(Category::Length);
    QAccessibleInterface* result = of(p.resultBox());
    QAccessibleInterface* frame = of(p.quantityBox()->parentWidget());
    EXPECT_EQ(result->parent(), of(&p));
    EXPECT_EQ(result->text(QA::Name), QStringLiteral("Результат"));
    EXPECT_TRUE(result->relations(QA::Label).isEmpty());
    const auto inFrame = children(frame);
    EXPECT_EQ(std::count(inFrame.begin(), inFrame.end(), result), 0);
    EXPECT_EQ(frame->text(QA::Name), QStringLiteral("Количество единиц:"));
    const auto inPanel = children(of(&p));
    const auto at = std::find(inPanel.begin(), inPanel.end(), result);
    ASSERT_NE(at, inPanel.end());
    EXPECT_EQ(at[-1], frame) << "right after the frame that shows it";
    EXPECT_EQ(of(&p)->indexOfChild(result), at - inPanel.begin());

    for (const auto& [list, name] : {std::pair(UnitList::From, QStringLiteral("Из:")),
                                     std::pair(UnitList::To, QStringLiteral("В:"))}) {
        QAccessibleInterface* container = of(p.unitButton(list, 1))->parent();
        EXPECT_TRUE(container->text(QA::Name).isEmpty());
        EXPECT_EQ(container->parent()->text(QA::Name), name);
    }
}

// Each conversion shows the result in a notification, also a repeated one;
// a failed one leaves the notification as it was.
TEST_F(PanelAccessibilityTest, TheNotificationCarriesTheLastResult) {
    QAccessibleInterface* notification =
        childWithRole(of(&panel(Category::Weight)), QA::Notification);
    ASSERT_NE(notification, nullptr);
    EXPECT_TRUE(notification->text(QA::Name).isEmpty());
    convert(Category::Weight, QStringLiteral("2"), 2, 8);
    EXPECT_EQ(notification->text(QA::Name), QStringLiteral("4,409245244"));
    EXPECT_FALSE(notification->state().invisible);
    EXPECT_FALSE(notification->state().focusable);
    convert(Category::Weight, QStringLiteral("abc"), 2, 8);
    EXPECT_EQ(notification->text(QA::Name), QStringLiteral("4,409245244"));
    convert(Category::Weight, QStringLiteral("5"), 2, 2);
    EXPECT_EQ(notification->text(QA::Name), QStringLiteral("5"));
}

} // namespace
} // namespace zelvano::app::test
