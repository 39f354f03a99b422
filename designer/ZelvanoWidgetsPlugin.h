#pragma once

// The form-designer plugin: offers the task pane and the hyperlink label in
// the widget box. A form loader in a running program uses the same plugin;
// only the designer initialises it, so only there do the controls come up
// in their design-time form.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class ZelvanoWidgetsPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ZelvanoWidgetsPlugin(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};
