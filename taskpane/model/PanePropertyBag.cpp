#include "model/PanePropertyBag.h"

#include <algorithm>

QVariant PanePropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    const auto it = std::find_if(entries_.cbegin(), entries_.cend(),
                                 [&name](const auto& e) { return e.first == name; });
    return it == entries_.cend() ? defaultValue : it->second;
}

void PanePropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                    const QVariant& defaultValue) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&name](const auto& e) { return e.first == name; });
    if (defaultValue.isValid() && value == defaultValue) {
        if (it != entries_.end())
            entries_.erase(it);
        return;
    }
    if (it != entries_.end())
        it->second = value;
    else
        entries_.append({name, value});
}

bool PanePropertyBag::contains(const QString& name) const {
    return std::any_of(entries_.cbegin(), entries_.cend(),
                       [&name](const auto& e) { return e.first == name; });
}

QStringList PanePropertyBag::names() const {
    QStringList result;
    result.reserve(entries_.size());
    for (const auto& e : entries_)
        result.append(e.first);
    return result;
}
