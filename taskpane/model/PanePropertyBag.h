#pragma once

// A control's design-time settings as stored with the host window's layout:
// named values, kept in the order they were written. A value equal to its
// default is not stored, so reading it back yields the default again.

#include "TaskPaneExport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

class ZELVANO_TASKPANE_EXPORT PanePropertyBag {
public:
    // The stored value of `name`, or `defaultValue` when none is stored.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;
    // Stores `value` under `name`, or removes the entry when it equals the default.
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {});

    bool contains(const QString& name) const;
    QStringList names() const; // in the order written
    bool isEmpty() const { return entries_.isEmpty(); }

private:
    QList<std::pair<QString, QVariant>> entries_;
};
