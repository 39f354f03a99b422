#pragma once

// Alt+letter access to the task pane: the character after the "&" of a bar
// title or item text is its mnemonic. Each distinct key gets one shortcut in
// the window's shortcut map, counted by the texts that use it and dropped
// with the last of them; pressed, it reports its character.

#include <QKeySequence>
#include <QObject>

#include <map>

class QShortcut;
class QWidget;

namespace zelvano::pane {

class pcMnemonics : public QObject {
    Q_OBJECT

public:
    explicit pcMnemonics(QWidget* pane);
    ~pcMnemonics() override;

    // The character after the first "&" that is not doubled ("&&" shows a
    // "&"); none when there is no such character or it is blank.
    static QChar mnemonicOf(const QString& text);
    // Alt + the key of a character (letters by their upper case).
    static QKeySequence sequenceOf(QChar character);

    // A title or text changed from `oldText` to `newText` (either may be
    // empty: added or removed).
    void textChanged(const QString& oldText, const QString& newText);

signals:
    // Alt + the key of `character` was pressed in the pane's window.
    void activated(QChar character);

private:
    struct Accelerator {
        QShortcut* shortcut = nullptr;
        int texts = 0; // titles and texts with this mnemonic key
    };

    void add(QChar character);
    void remove(QChar character);

    QWidget* pane_;
    std::map<int, Accelerator> accelerators_; // by key combination
};

} // namespace zelvano::pane
