#include "input/pcMnemonics.h"

#include <QShortcut>
#include <QWidget>

namespace zelvano::pane {

namespace {

int keyOf(QChar character) {
    return static_cast<int>(Qt::ALT) | character.toUpper().unicode();
}

} // namespace

pcMnemonics::pcMnemonics(QWidget* pane)
    : pane_(pane) {}

pcMnemonics::~pcMnemonics() {
    for (const auto& [key, entry] : accelerators_)
        delete entry.shortcut;
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
    Accelerator& entry = accelerators_[keyOf(character)];
    if (entry.texts++ > 0)
        return;
    entry.shortcut = new QShortcut(sequenceOf(character), pane_);
    entry.shortcut->setContext(Qt::WindowShortcut);
    entry.shortcut->setAutoRepeat(false);
    const QChar upper = character.toUpper();
    connect(entry.shortcut, &QShortcut::activated, this, [this, upper] { emit activated(upper); });
}

void pcMnemonics::remove(QChar character) {
    const auto entry = accelerators_.find(keyOf(character));
    if (entry == accelerators_.end() || --entry->second.texts > 0)
        return;
    delete entry->second.shortcut;
    accelerators_.erase(entry);
}

} // namespace zelvano::pane
