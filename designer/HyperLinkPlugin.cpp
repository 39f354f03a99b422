#include "HyperLinkPlugin.h"

#include "HyperLink.h"
#include "WidgetBox.h"

#include <QIcon>

HyperLinkPlugin::HyperLinkPlugin(QObject* parent)
    : QObject(parent) {}

QString HyperLinkPlugin::name() const {
    return QStringLiteral("HyperLink");
}

QString HyperLinkPlugin::group() const {
    return zelvano::designer::groupName();
}

QString HyperLinkPlugin::toolTip() const {
    return QStringLiteral("Hyperlink label: opens its link on a click");
}

QString HyperLinkPlugin::whatsThis() const {
    return QStringLiteral(
        "A text label that looks and behaves like a web link: it takes its hover colour "
        "while the pointer is over it and hands its target (a web address, a mailto: "
        "address or a file) to the desktop on a click.");
}

QString HyperLinkPlugin::includeFile() const {
    return QStringLiteral("HyperLink.h");
}

QIcon HyperLinkPlugin::icon() const {
    return QIcon(QStringLiteral(":/zelvano/designer/icons/hyperlink.png"));
}

bool HyperLinkPlugin::isContainer() const {
    return false;
}

QWidget* HyperLinkPlugin::createWidget(QWidget* parent) {
    return new HyperLink(parent);
}

bool HyperLinkPlugin::isInitialized() const {
    return initialized_;
}

void HyperLinkPlugin::initialize(QDesignerFormEditorInterface* core) {
    Q_UNUSED(core);
    initialized_ = true;
}

QString HyperLinkPlugin::domXml() const {
    // No geometry: the label sizes itself to its caption.
    return QStringLiteral(R"(<ui language="c++">
 <widget class="HyperLink" name="hyperLink"/>
</ui>
)");
}
