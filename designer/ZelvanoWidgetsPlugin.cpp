#include "ZelvanoWidgetsPlugin.h"

#include "HyperLinkPlugin.h"
#include "TaskPanePlugin.h"

ZelvanoWidgetsPlugin::ZelvanoWidgetsPlugin(QObject* parent)
    : QObject(parent) {
    widgets_ = {new TaskPanePlugin(this), new HyperLinkPlugin(this)};
}

QList<QDesignerCustomWidgetInterface*> ZelvanoWidgetsPlugin::customWidgets() const {
    return widgets_;
}
