// What the window offers a screen reader: words and lines of the text boxes,
// the panel's accessible tree, and the notification that carries a result.

#include "AppTestSupport.h"
#include "ListeningClient.h"
#include "NavigationSupport.h"
#include "PanelId.h"
#include "QuantityBox.h"
#include "TestSystem.h"

#include "accessibility/TextBoxAccessible.h"

#include <QAccessible>
#include <QGroupBox>

#include <limits>
#include <tuple>

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

// Whatever offsets a client sends, a text call reads within the text and an
// edit removes or replaces a piece of it, or does nothing; it never reads
// outside the string, overflows, or repeats a piece.
TEST_F(PanelAccessibilityTest, TextCallsAtHostileOffsetsClampOrRefuse) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    enum class Call { Delete, Cut, Insert, Replace, Select, Cursor, Read };
    struct Case {
        Call call;
        int start;
        int end;
        const char* argument; // the text inserted, or the text read
        const char* after;
    } const cases[] = {
        {Call::Delete, 0, -60, "", "abcdefghijkl"},
        {Call::Delete, 10, 2, "", "abcdefghijkl"},
        {Call::Cut, 10, 2, "", "abcdefghijkl"},
        {Call::Delete, 2, 0, "", "abcdefghijkl"},
        {Call::Delete, kMin, kMin, "", "abcdefghijkl"},
        {Call::Delete, 2, 4, "", "abefghijkl"},
        {Call::Cut, 2, 4, "", "abefghijkl"},
        {Call::Delete, -5, 3, "", "defghijkl"},
        {Call::Delete, 10, kMax, "", "abcdefghij"},
        {Call::Delete, kMin, kMax, "", ""},
        {Call::Insert, -1, 0, "x", "abcdefghijkl"},
        {Call::Insert, 13, 0, "x", "abcdefghijkl"},
        {Call::Insert, kMax, 0, "x", "abcdefghijkl"},
        {Call::Insert, 12, 0, "x", "abcdefghijklx"},
        {Call::Replace, 5, 2, "z", "abcdefghijkl"},
        {Call::Replace, kMin, kMax, "z", "z"},
        {Call::Replace, 1, 3, "ZZZ", "aZZZdefghijkl"},
        {Call::Read, kMin, kMax, "abcdefghijkl", "abcdefghijkl"},
        {Call::Read, 5, -1, "fghijkl", "abcdefghijkl"},
        {Call::Read, 10, 2, "", "abcdefghijkl"},
        {Call::Read, kMax, kMin, "", "abcdefghijkl"},
        {Call::Read, -3, 2, "ab", "abcdefghijkl"},
    };
    QuantityBox* box = panel(Category::Length).quantityBox();
    QAccessibleInterface* iface = of(box);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "call " << static_cast<int>(c.call) << " (" << c.start
                                        << ", " << c.end << ")");
        box->setText(QStringLiteral("abcdefghijkl"));
        const QString argument = QString::fromUtf8(c.argument);
        switch (c.call) {
        case Call::Delete:
            iface->editableTextInterface()->deleteText(c.start, c.end);
            break;
        case Call::Cut: // as the AT-SPI bridge cuts: read the piece, then delete it
            iface->textInterface()->text(c.start, c.end);
            iface->editableTextInterface()->deleteText(c.start, c.end);
            break;
        case Call::Insert:
            iface->editableTextInterface()->insertText(c.start, argument);
            break;
        case Call::Replace:
            iface->editableTextInterface()->replaceText(c.start, c.end, argument);
            break;
        case Call::Read:
            EXPECT_EQ(iface->textInterface()->text(c.start, c.end), argument);
            break;
        default:
            break;
        }
        EXPECT_EQ(box->text(), QString::fromUtf8(c.after));
    }

    // Selections, the cursor and the character boxes stay within the text.
    QAccessibleTextInterface* text = iface->textInterface();
    box->setText(QStringLiteral("abcdefghijkl"));
    for (const auto& [start, end, selected] :
         {std::tuple(kMin, kMax, "abcdefghijkl"), std::tuple(8, 3, "defgh"),
          std::tuple(kMax, kMax, "")}) {
        text->setSelection(0, start, end);
        EXPECT_EQ(box->selectedText(), QString::fromUtf8(selected)) << start << ", " << end;
    }
    for (const auto& [position, cursor, other] :
         {std::tuple(kMax, 12, kMin), std::tuple(kMin, 0, kMax)}) {
        text->setCursorPosition(position);
        EXPECT_EQ(box->cursorPosition(), cursor);
        text->scrollToSubstring(position, other);
    }
    EXPECT_TRUE(text->characterRect(kMin).isNull());
    int start = 0;
    int end = 0;
    EXPECT_TRUE(text->textAtOffset(kMin, QA::WordBoundary, &start, &end).isEmpty());
    EXPECT_TRUE(text->textAfterOffset(kMax, QA::CharBoundary, &start, &end).isEmpty());
}

// A client's edit is the user's: held to the box's length, undone by the
// user's undo; the read-only result box takes none at all.
TEST_F(PanelAccessibilityTest, EditsFromAClientGoThroughTheBox) {
    QuantityBox* box = panel(Category::Length).quantityBox();
    box->setText(QStringLiteral("12"));
    of(box)->editableTextInterface()->insertText(1, QString(300, u'5'));
    EXPECT_EQ(box->text().size(), QuantityBox::kMaxLength);
    box->undo();
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    of(box)->setText(QA::Value, QString(300, u'7'));
    EXPECT_EQ(box->text(), QString(QuantityBox::kMaxLength, u'7'));

    convert(Category::Weight, QStringLiteral("2"), 2, 8);
    QAccessibleEditableTextInterface* written =
        of(panel(Category::Weight).resultBox())->editableTextInterface();
    written->deleteText(0, -1);
    written->insertText(0, QStringLiteral("9"));
    EXPECT_EQ(result(Category::Weight), QStringLiteral("4,409245244"));
}

// The path of an object in the window, by its class and name, for messages.
std::string pathOf(QAccessibleInterface* iface) {
    std::string path;
    for (; iface != nullptr; iface = iface->parent()) {
        const QObject* object = iface->object();
        const QString step = object ? QStringLiteral("%1 %2").arg(
                                          QString::fromLatin1(object->metaObject()->className()),
                                          object->objectName())
                                    : QStringLiteral("(role %1)").arg(iface->role());
        path = step.toStdString() + (path.empty() ? "" : " / ") + path;
        if (object != nullptr && object->isWidgetType() &&
            static_cast<const QWidget*>(object)->isWindow())
            break;
    }
    return path;
}

// Every object the keyboard can reach, in each of the nine panels and in the
// pane, says what it is.
TEST_F(PanelAccessibilityTest, EveryFocusableObjectHasAName) {
    for (std::size_t at = 0; at < kPanelCount; ++at) {
        const auto id = static_cast<PanelId>(at);
        window->showPanel(id);
        SCOPED_TRACE(window->panel(id)->objectName().toStdString());
        int focusable = 0;
        std::vector<QAccessibleInterface*> todo{of(window.get())};
        while (!todo.empty()) {
            QAccessibleInterface* iface = todo.back();
            todo.pop_back();
            const QAccessible::State state = iface->state();
            if (state.invisible)
                continue;
            if (state.focusable) {
                ++focusable;
                EXPECT_FALSE(iface->text(QA::Name).trimmed().isEmpty()) << pathOf(iface);
            }
            for (int i = 0; i < iface->childCount(); ++i)
                if (QAccessibleInterface* c = iface->child(i))
                    todo.push_back(c);
        }
        EXPECT_GT(focusable, 10);
    }
}

// With an assistive client listening, each result is announced, a repeated
// one too, and so is each panel the pane opens; a failed conversion says
// nothing new.
class AnnouncementTest : public NavigationTest {
protected:
    void SetUp() override { makeWindow(QLocale(QLocale::Russian, QLocale::Russia)); }
};

TEST_F(AnnouncementTest, ResultsAndPanelsAreAnnounced) {
    zelvano::test::ListeningClient client;
    click(QStringLiteral("CN:02"));
    const QA::Event said = announcementEvent();
    convert(Category::Weight, QStringLiteral("2"), 2, 8);
    convert(Category::Weight, QStringLiteral("2"), 2, 8);
    convert(Category::Weight, QStringLiteral("abc"), 2, 8);
    EXPECT_EQ(client.names(said, QStringLiteral("announcer")),
              (std::vector<QString>{QStringLiteral("Область: Вес"), QStringLiteral("4,409245244"),
                                    QStringLiteral("4,409245244")}));
    // Qt's UI Automation bridge speaks a value change only when it carries
    // a string: the announced text itself.
    for (const auto& heard : client.heard()) {
        if (heard.type == QA::ValueChanged && heard.object &&
            heard.object->objectName() == QLatin1String("announcer")) {
            EXPECT_EQ(heard.value, QVariant(heard.name));
        }
    }
}

} // namespace
} // namespace zelvano::app::test
