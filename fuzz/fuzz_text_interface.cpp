// Fuzzes the text interface that screen readers and other assistive clients
// use on the window's two boxes: any sequence of read, select and edit calls
// with any offsets and texts, against a real quantity box and a real
// read-only result box. Each input is a list of calls: a byte picks the box
// and the call, four bytes make each offset, a length byte and that many
// UTF-16 units make a text. Checked, besides the sanitizers' findings:
// - a read of a range gives that range of the text, held within it;
// - a read of a word, sentence or line gives the text between the offsets it
//   returns, which lie within the text, or nothing with -1, -1;
// - the result box's text never changes;
// - the quantity box keeps to its length limit, and an edit that inserts
//   nothing leaves the text with one piece taken out, or as it was.

#include "QuantityBox.h"
#include "ResultBox.h"
#include "accessibility/TextBoxAccessible.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using zelvano::app::QuantityBox;
using zelvano::app::ResultBox;
using zelvano::app::TextBoxAccessible;

namespace {

[[noreturn]] void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "invariant broken: %s: [%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size) {}

    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    int offset() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | byte();
        return static_cast<int>(value);
    }
    QString text() {
        QString out;
        for (int n = byte(); n > 0 && !done(); --n) {
            const int high = byte();
            out.append(QChar(static_cast<char16_t>(high << 8 | byte())));
        }
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Window {
    QWidget top;
    QuantityBox* quantity = new QuantityBox(QStringLiteral("2"), &top);
    ResultBox* result = new ResultBox(&top);
    std::unique_ptr<TextBoxAccessible> quantityText =
        std::make_unique<TextBoxAccessible>(quantity, TextBoxAccessible::Place::InFrame);
    std::unique_ptr<TextBoxAccessible> resultText =
        std::make_unique<TextBoxAccessible>(result, TextBoxAccessible::Place::InFrame);
};

Window& window() {
    static int argc = 1;
    static char name[] = "fuzz_text_interface";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    static Window shown;
    return shown;
}

// A range within the text reads exactly that range; any other reads a
// piece of the text.
void checkRange(const QString& all, const QString& piece, int start, int end) {
    const bool within = 0 <= start && start <= end && end <= all.size();
    if (within ? piece != all.mid(start, end - start) : !all.contains(piece))
        fail("a range read another piece",
             QStringLiteral("%1 %2 [%3]").arg(start).arg(end).arg(piece));
}

// What the text interface promises for a word, sentence or line: the piece
// between the offsets returned, or none with -1, -1.
void checkPiece(const QString& all, const QString& piece, int start, int end) {
    if (start == -1 && end == -1) {
        if (!piece.isEmpty())
            fail("a piece read with offsets -1, -1", piece);
        return;
    }
    if (!(0 <= start && start <= end && end <= all.size()))
        fail("offsets outside the text", QStringLiteral("%1 %2").arg(start).arg(end));
    if (piece != all.mid(start, end - start))
        fail("a piece other than the text at its offsets",
             QStringLiteral("%1 %2 [%3]").arg(start).arg(end).arg(piece));
}

// The boundary-read calls, which return the piece's offsets through pointers.
using PieceRead = QString (TextBoxAccessible::*)(int, QAccessible::TextBoundaryType, int*,
                                                 int*) const;

void readPiece(const TextBoxAccessible& iface, PieceRead read, const QString& all, int offset,
               QAccessible::TextBoundaryType boundary) {
    int start = 0;
    int end = 0;
    const QString piece = (iface.*read)(offset, boundary, &start, &end);
    checkPiece(all, piece, start, end);
}

// `after` is `before` with one piece taken out, or `before` itself.
bool onePieceRemoved(const QString& before, const QString& after) {
    if (after.size() > before.size())
        return false;
    qsizetype head = 0;
    while (head < after.size() && after[head] == before[head])
        ++head;
    const qsizetype tail = after.size() - head;
    return QStringView(after).right(tail) == QStringView(before).right(tail);
}

void call(TextBoxAccessible& iface, std::uint8_t which, Reader& in) {
    // What the interface reads: the box's own text, shown plainly in both.
    const QString before = static_cast<QLineEdit*>(iface.object())->text();
    int start = 0;
    int end = 0;
    const auto boundary = static_cast<QAccessible::TextBoundaryType>(in.byte() % 6);
    switch (which % 17) {
    case 0: {
        const int a = in.offset();
        const int b = in.offset();
        checkRange(before, iface.text(a, b), a, b);
        break;
    }
    case 1:
        readPiece(iface, &TextBoxAccessible::textAtOffset, before, in.offset(), boundary);
        break;
    case 2:
        readPiece(iface, &TextBoxAccessible::textBeforeOffset, before, in.offset(), boundary);
        break;
    case 3:
        readPiece(iface, &TextBoxAccessible::textAfterOffset, before, in.offset(), boundary);
        break;
    case 4: {
        const int a = in.offset();
        iface.deleteText(a, in.offset());
        if (!onePieceRemoved(before, iface.text(QAccessible::Value)))
            fail("a delete did more than take a piece out", iface.text(QAccessible::Value));
        break;
    }
    case 5: {
        const int a = in.offset();
        iface.insertText(a, in.text());
        break;
    }
    case 6: {
        const int a = in.offset();
        const int b = in.offset();
        iface.replaceText(a, b, in.text());
        break;
    }
    case 7: {
        const int a = in.offset();
        iface.setSelection(static_cast<int>(in.byte() % 2), a, in.offset());
        break;
    }
    case 8: {
        const int a = in.offset();
        iface.addSelection(a, in.offset());
        break;
    }
    case 9:
        iface.removeSelection(in.offset());
        break;
    case 10:
        iface.setCursorPosition(in.offset());
        break;
    case 11: {
        const int a = in.offset();
        iface.scrollToSubstring(a, in.offset());
        break;
    }
    case 12:
        iface.characterRect(in.offset());
        break;
    case 13: {
        const int x = in.offset();
        iface.offsetAtPoint(QPoint(x, in.offset()));
        break;
    }
    case 14:
        iface.attributes(in.offset(), &start, &end);
        if (!(start == -1 && end == -1) && !(start == 0 && end == before.size()))
            fail("attribute run", QStringLiteral("%1 %2").arg(start).arg(end));
        break;
    case 15:
        iface.selection(in.offset(), &start, &end);
        if (start < -1 || end > before.size())
            fail("selection", QStringLiteral("%1 %2").arg(start).arg(end));
        break;
    case 16:
        iface.setText(QAccessible::Value, in.text());
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Window& w = window();
    w.quantity->setText(QStringLiteral("12,5"));
    w.result->setText(QStringLiteral("4,409245244"));
    Reader in(data, size);
    while (!in.done()) {
        const std::uint8_t which = in.byte();
        call(which & 0x80 ? *w.resultText : *w.quantityText, which & 0x7f, in);
        if (w.result->text() != QLatin1String("4,409245244"))
            fail("the read-only box was written", w.result->text());
        if (w.quantity->text().size() > QuantityBox::kMaxLength)
            fail("the quantity box went past its limit", w.quantity->text());
    }
    return 0;
}
