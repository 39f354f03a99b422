#include "SettingsFormWriter.h"

#include <QMetaProperty>
#include <QWidget>

void SettingsFormWriter::addPrototype(QWidget* prototype) {
    prototypes_.insert(QString::fromLatin1(prototype->metaObject()->className()), prototype);
}

const QWidget* SettingsFormWriter::prototypeOf(const QObject* object) const {
    return prototypes_.value(QString::fromLatin1(object->metaObject()->className()));
}

QList<DomProperty*> SettingsFormWriter::computeProperties(QObject* object) {
    const QWidget* prototype = prototypeOf(object);
    if (!prototype)
        return QFormBuilder::computeProperties(object);
    skipOwn_ = true;
    QList<DomProperty*> properties = QFormBuilder::computeProperties(object);
    skipOwn_ = false;
    const QMetaObject* meta = object->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        QVariant value = property.read(object);
        if (!property.isStored() || !property.isWritable() || value == property.read(prototype))
            continue;
        // Enumerations as their numbers: QFormBuilder writes only plain ones.
        if (property.isEnumType())
            value = value.toInt();
        if (DomProperty* dom = createProperty(object, QString::fromLatin1(property.name()), value))
            properties.append(dom);
    }
    return properties;
}

bool SettingsFormWriter::checkProperty(QObject* object, const QString& property) const {
    const QMetaObject* meta = object->metaObject();
    if (skipOwn_ &&
        meta->indexOfProperty(property.toLatin1().constData()) >= meta->propertyOffset())
        return false;
    return QFormBuilder::checkProperty(object, property);
}

DomWidget* SettingsFormWriter::createDom(QWidget* widget, DomWidget* parent, bool recursive) {
    return QFormBuilder::createDom(widget, parent, recursive && !prototypeOf(widget));
}
