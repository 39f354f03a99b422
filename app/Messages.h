#pragma once

#include "Prompts.h"

#include <QString>

namespace zelvano::app {

// Caption of the window and title of every message box.
inline QString programTitle() {
    return QStringLiteral("Zelvano 3.0");
}

// Prompt for a conversion asked with an empty quantity.
inline QString emptyQuantityPrompt() {
    return QString::fromUtf8(kEmptyQuantityPrompt.data(), kEmptyQuantityPrompt.size());
}

// Prompt of a trapped numbered error: the number, a line break, the description.
inline QString errorPrompt(int number, const QString& description) {
    return QString::fromUtf8(kErrorPromptLead.data(), kErrorPromptLead.size()) +
           QString::number(number) + QStringLiteral("\r\n") + description;
}

} // namespace zelvano::app
