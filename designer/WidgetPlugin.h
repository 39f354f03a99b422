#pragma once

// One control in the widget box, described by an entry of the widget table.

#include "WidgetBox.h"

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace zelvano::designer {

class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    WidgetPlugin(const WidgetEntry& entry, QObject* parent);

    QString name() const override { return entry_.name; }
    QString group() const override { return groupName(); }
    QString toolTip() const override { return entry_.toolTip; }
    QString whatsThis() const override { return entry_.whatsThis; }
    QString includeFile() const override { return entry_.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override { return entry_.domXml; }

private:
    const WidgetEntry& entry_;
    bool initialized_ = false;
};

} // namespace zelvano::designer
