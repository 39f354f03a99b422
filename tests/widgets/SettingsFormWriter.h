#pragma once

// Saves a form the way a form designer saves the controls: a control's own
// properties in declaration order, each only when it differs from the value
// a new control of its class has, and no inner widgets of a control. Other
// widgets and properties are written as QFormBuilder writes them.

#include <QMap>
#include <QtDesigner/QFormBuilder>

class SettingsFormWriter : public QFormBuilder {
public:
    // A new control of each class that is saved this way.
    void addPrototype(QWidget* prototype);

protected:
    QList<DomProperty*> computeProperties(QObject* object) override;
    bool checkProperty(QObject* object, const QString& property) const override;
    DomWidget* createDom(QWidget* widget, DomWidget* parent, bool recursive) override;

private:
    const QWidget* prototypeOf(const QObject* object) const;

    QMap<QString, QWidget*> prototypes_; // by class name
    bool skipOwn_ = false;
};
