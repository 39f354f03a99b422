#pragma once

// Alt+letter access to the task pane: the character after the "&" of a bar
// title or item text is its mnemonic. The list holds one accelerator per
// text that has one; the window's shortcut map gets one shortcut per
// distinct key, which reports the key when pressed.

#include <QKeySequence>
#include <QObject>

#include <map>
#include <vector>

class QShortcut;
class QWidget;

class pcMnemonics : public QObject {
    Q_OBJECT

public:
    // Flags of a mnemonic accelerator: Alt with a virtual key.
    static constexpr int kAltVirtualKey = 17;

    struct Accelerator {
        QChar character;       // as written after "&"
        QKeySequence sequence; // Alt + the key that gives the character
        int flags = kAltVirtualKey;
        int command = 0; // fresh number per entry
    };

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

    const std::vector<Accelerator>& accelerators() const { return list_; }
    // Distinct keys the window's shortcut map holds for the pane.
    int shortcutCount() const { return static_cast<int>(shortcuts_.size()); }

signals:
    // Alt + the key of `character` was pressed in the pane's window.
    void activated(QChar character);

private:
    void add(QChar character);
    void remove(QChar character);

    QWidget* pane_;
    std::vector<Accelerator> list_;
    std::map<int, QShortcut*> shortcuts_; // by key combination
    int nextCommand_ = 1;
};
