#include "pcMnemonics.h"

#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace {

int keyOf(QChar character) {
    return static_cast<int>(Qt::ALT) | character.toUpper().unicode();
}

} // namespace

pcMnemonics::pcMnemonics(QWidget* pane)
    : pane_(pane) {}

pcMnemonics::~pcMnemonics() {
    for (const auto& [key, shortcut] : shortcuts_)
        delete shortcut;
}

QChar pcMnemonics::mnemonicOf(const QString& text) {
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 2)) {
        const QChar next = text.at(at + 1);
        if (next == u'&')
            continue;
        return next.isSpace() ? QChar() : next;
    }
    return {};
}

QKeySequence pcMnemonics::sequenceOf(QChar character) {
    return QKeySequence(keyOf(character));
}

void pcMnemonics::textChanged(const QString& oldText, const QString& newText) {
    const QChar before = mnemonicOf(oldText);
    const QChar after = mnemonicOf(newText);
    if (before == after)
        return;
    if (!before.isNull())
        remove(before);
    if (!after.isNull())
        add(after);
}

void pcMnemonics::add(QChar character) {
    list_.push_back({character, sequenceOf(character), kAltVirtualKey, nextCommand_++});
    const int key = keyOf(character);
    if (shortcuts_.count(key))
        return;
    auto* shortcut = new QShortcut(sequenceOf(character), pane_);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    const QChar upper = character.toUpper();
    connect(shortcut, &QShortcut::activated, this, [this, upper] { emit activated(upper); });
    shortcuts_.emplace(key, shortcut);
}

void pcMnemonics::remove(QChar character) {
    const int key = keyOf(character);
    const auto sameKey = [key](const Accelerator& a) { return keyOf(a.character) == key; };
    const auto entry = std::find_if(list_.begin(), list_.end(), sameKey);
    if (entry == list_.end())
        return;
    list_.erase(entry);
    if (std::any_of(list_.begin(), list_.end(), sameKey))
        return;
    if (const auto shortcut = shortcuts_.find(key); shortcut != shortcuts_.end()) {
        delete shortcut->second;
        shortcuts_.erase(shortcut);
    }
}
