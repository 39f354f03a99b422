#include "accessibility/TextBoxAccessible.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace zelvano::app {

namespace {

// Where the pieces of `text` of the given kind start, and its end.
std::vector<int> pieceBounds(const QString& text, QTextBoundaryFinder::BoundaryType type) {
    std::vector<int> bounds{0};
    QTextBoundaryFinder finder(type, text);
    const bool any = type == QTextBoundaryFinder::Grapheme;
    while (finder.toNextBoundary() > 0) {
        // Words and sentences end or start at an item's edge; other breaks
        // (inside a run of blanks, say) split nothing a reader would name.
        if (any || (finder.boundaryReasons() &
                    (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem)))
            bounds.push_back(finder.position());
    }
    if (bounds.back() != text.size())
        bounds.push_back(static_cast<int>(text.size()));
    return bounds;
}

QString none(int* startOffset, int* endOffset) {
    *startOffset = *endOffset = -1;
    return {};
}

} // namespace

QString textPiece(const QString& text, TextPiece which, int offset,
                  QAccessible::TextBoundaryType boundary, int* startOffset, int* endOffset) {
    const int length = static_cast<int>(text.size());
    if (text.isEmpty() || offset < 0 || offset > length)
        return none(startOffset, endOffset);

    QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
    switch (boundary) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        type = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        type = QTextBoundaryFinder::Sentence;
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary:
        // One line: the whole text, with nothing before or after it.
        if (which != TextPiece::At)
            return none(startOffset, endOffset);
        *startOffset = 0;
        *endOffset = length;
        return text;
    }

    const std::vector<int> bounds = pieceBounds(text, type);
    const int pieces = static_cast<int>(bounds.size()) - 1;
    // The piece that holds `offset`; at the end of the text there is no
    // character, but the word or sentence that ends there is still read.
    int at = 0;
    while (at + 1 < pieces && bounds[std::size_t(at) + 1] <= offset)
        ++at;
    if (offset == length && type == QTextBoundaryFinder::Grapheme)
        at = pieces;

    int wanted = at;
    if (which == TextPiece::Before)
        wanted = offset == length ? pieces - 1 : at - 1;
    else if (which == TextPiece::After)
        wanted = at + 1;
    if (wanted < 0 || wanted >= pieces)
        return none(startOffset, endOffset);
    *startOffset = bounds[std::size_t(wanted)];
    *endOffset = bounds[std::size_t(wanted) + 1];
    return text.mid(*startOffset, *endOffset - *startOffset);
}

TextBoxAccessible::TextBoxAccessible(QLineEdit* box, Place place)
    : QAccessibleWidget(box, QAccessible::EditableText)
    , place_(place) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* TextBoxAccessible::box() const {
    return static_cast<QLineEdit*>(widget());
}

QAccessibleInterface* TextBoxAccessible::parent() const {
    QWidget* frame = widget()->parentWidget();
    if (place_ == Place::BesideFrame && frame != nullptr && frame->parentWidget() != nullptr)
        return QAccessible::queryAccessibleInterface(frame->parentWidget());
    return QAccessibleWidget::parent();
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
TextBoxAccessible::relations(QAccessible::Relation match) const {
    auto all = QAccessibleWidget::relations(match);
    if (place_ == Place::BesideFrame) {
        QObject* frame = widget()->parentWidget();
        all.removeIf([frame](const auto& relation) {
            return relation.second == QAccessible::Label && relation.first->object() == frame;
        });
    }
    return all;
}

QString TextBoxAccessible::readableText() const {
    return box()->echoMode() == QLineEdit::Normal ? box()->text() : QString();
}

QString TextBoxAccessible::text(QAccessible::Text t) const {
    QString str;
    if (t == QAccessible::Value) {
        if (box()->echoMode() == QLineEdit::Normal)
            str = box()->text();
        else if (box()->echoMode() != QLineEdit::NoEcho)
            str = QString(box()->text().size(), u'*');
    }
    if (str.isEmpty())
        str = QAccessibleWidget::text(t);
    if (str.isEmpty() && t == QAccessible::Description)
        str = box()->placeholderText();
    return str;
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    // A read-only box takes no text from outside, as it takes none typed.
    if (!box()->isReadOnly()) {
        box()->selectAll();
        box()->insert(text);
    }
}

QAccessible::State TextBoxAccessible::state() const {
    QAccessible::State st = QAccessibleWidget::state();
    st.editable = true;
    st.readOnly = box()->isReadOnly();
    st.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    st.selectableText = true;
    return st;
}

void* TextBoxAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

// Without a selection the start is -1, which the bridges answer with the
// cursor position.
void TextBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0)
        return;
    *startOffset = box()->selectionStart();
    *endOffset = *startOffset + static_cast<int>(box()->selectedText().size());
}

int TextBoxAccessible::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void TextBoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        box()->deselect();
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    const auto [start, end] = clampedRange(startOffset, endOffset);
    box()->setSelection(start, end - start);
}

int TextBoxAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void TextBoxAccessible::setCursorPosition(int position) {
    box()->setCursorPosition(std::clamp(position, 0, characterCount()));
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset && endOffset != -1)
        return {};
    const auto [start, end] = clampedRange(startOffset, endOffset);
    return readableText().mid(start, end - start);
}

// Offsets from a client may be anything: -1 as an end stands for the end of
// the text, everything else is held within the text, so that no arithmetic
// on them can overflow and no string is read outside its bounds.
std::pair<int, int> TextBoxAccessible::clampedRange(int startOffset, int endOffset) const {
    const int length = characterCount();
    const int start = std::clamp(startOffset, 0, length);
    const int end = endOffset == -1 ? length : std::clamp(endOffset, 0, length);
    return {std::min(start, end), std::max(start, end)};
}

// -2 stands for the cursor and -1 for the end of the text.
int TextBoxAccessible::resolved(int offset) const {
    if (offset == -2)
        return box()->cursorPosition();
    if (offset == -1)
        return characterCount();
    return offset;
}

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return textPiece(readableText(), TextPiece::Before, resolved(offset), boundaryType, startOffset,
                     endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
    return textPiece(readableText(), TextPiece::After, resolved(offset), boundaryType, startOffset,
                     endOffset);
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    return textPiece(readableText(), TextPiece::At, resolved(offset), boundaryType, startOffset,
                     endOffset);
}

int TextBoxAccessible::characterCount() const {
    return static_cast<int>(box()->text().size());
}

// QLineEdit tells where its cursor is drawn; another offset lies the width of
// the text between them to its left or right.
QRect TextBoxAccessible::characterRect(int offset) const {
    const QString all = readableText();
    if (offset < 0 || offset >= all.size())
        return {};
    const QFontMetrics metrics(box()->font());
    struct Reach : QLineEdit {
        using QLineEdit::cursorRect;
    };
    const QRect cursor = (box()->*(&Reach::cursorRect))();
    const int cursorX = cursor.center().x();
    const int x = cursorX + metrics.horizontalAdvance(all.left(offset)) -
                  metrics.horizontalAdvance(all.left(box()->cursorPosition()));
    const QRect local(x, cursor.top(), metrics.horizontalAdvance(all.mid(offset, 1)),
                      cursor.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int TextBoxAccessible::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int endIndex) {
    const auto [start, end] = clampedRange(startIndex, endIndex);
    box()->setCursorPosition(end);
    box()->setCursorPosition(start);
}

// One font and one colour: a single run without attributes spans the text.
// Qt answers an empty run at each offset instead, and a screen reader that
// joins the runs into stretches of one language then drops the last
// character of the line it reads.
QString TextBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = length;
    return {};
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset) {
    if (startOffset >= endOffset && endOffset != -1)
        return;
    replaceText(startOffset, endOffset, QString());
}

void TextBoxAccessible::insertText(int offset, const QString& text) {
    if (offset < 0 || offset > characterCount())
        return;
    replaceText(offset, offset, text);
}

// A client edits as a user would: the piece is selected and typed over, so
// the box's length limit, validator, undo and signals apply. A reversed
// range is refused rather than read as another piece of the text.
void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (box()->isReadOnly() || (startOffset > endOffset && endOffset != -1))
        return;
    const auto [start, end] = clampedRange(startOffset, endOffset);
    box()->setSelection(start, end - start);
    box()->insert(text);
}

} // namespace zelvano::app
