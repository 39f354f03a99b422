#include "ZelvanoWidgetsPlugin.h"

#include "WidgetPlugin.h"

ZelvanoWidgetsPlugin::ZelvanoWidgetsPlugin(QObject* parent)
    : QObject(parent) {
    for (const auto& entry : zelvano::designer::widgetEntries())
        widgets_.append(new zelvano::designer::WidgetPlugin(entry, this));
}

QList<QDesignerCustomWidgetInterface*> ZelvanoWidgetsPlugin::customWidgets() const {
    return widgets_;
}
