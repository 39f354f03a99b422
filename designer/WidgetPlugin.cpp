#include "WidgetPlugin.h"

#include <QIcon>

namespace zelvano::designer {

WidgetPlugin::WidgetPlugin(const WidgetEntry& entry, QObject* parent)
    : QObject(parent)
    , entry_(entry) {}

QIcon WidgetPlugin::icon() const {
    return QIcon(entry_.icon);
}

QWidget* WidgetPlugin::createWidget(QWidget* parent) {
    // Only the form editor initialises its plugins; a form loader in a
    // running program does not.
    return entry_.create(parent, initialized_);
}

void WidgetPlugin::initialize(QDesignerFormEditorInterface* core) {
    Q_UNUSED(core);
    initialized_ = true;
}

} // namespace zelvano::designer
