#pragma once

#include <QAccessibleWidget>

#include <utility>

class QLineEdit;

namespace zelvano::app {

// The accessible text of the window's one-line boxes, for screen readers on
// Linux and UI Automation's text ranges on Windows alike. It answers what
// Qt's own line-edit interface answers, but finds words and lines itself:
// Qt 6.4's shared implementation loops forever when asked for the word at the
// end of the text, which a screen reader does on Ctrl+Right to the end, and
// its empty attribute runs cost a read line its last character.
//
// A box can also be taken out of the frame that holds it on screen: its
// accessible parent is then the frame's parent and the frame is no label of it.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    enum class Place { InFrame, BesideFrame };

    TextBoxAccessible(QLineEdit* box, Place place);

    QAccessibleInterface* parent() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* box() const;
    // The text a screen reader may read: none for a masked box.
    QString readableText() const;
    int resolved(int offset) const;
    std::pair<int, int> clampedRange(int startOffset, int endOffset) const;

    Place place_;
};

// The piece of a one-line `text` of the given kind before, at or after
// `offset` (0 to the length), with its bounds; an empty string and -1, -1
// when there is none. Words and sentences follow the Unicode rules, a line
// or paragraph is the whole text.
enum class TextPiece { Before, At, After };
QString textPiece(const QString& text, TextPiece which, int offset,
                  QAccessible::TextBoundaryType boundary, int* startOffset, int* endOffset);

} // namespace zelvano::app
