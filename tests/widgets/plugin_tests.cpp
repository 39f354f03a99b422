// The form-designer plugin as the designer and a form loader see it: what it
// offers in the widget box and the controls it creates.

#include "HyperLink.h"
#include "torkExplorerBarCtl.h"

#include <QApplication>
#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

#include <memory>

namespace {

QDesignerCustomWidgetInterface* pluginWidget(const QString& name) {
    static QPluginLoader loader(QStringLiteral(ZELVANO_DESIGNER_PLUGIN));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    if (!collection) {
        ADD_FAILURE() << "plugin not loaded: " << loader.errorString().toStdString();
        return nullptr;
    }
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets())
        if (widget->name() == name)
            return widget;
    ADD_FAILURE() << "the plugin offers no " << name.toStdString();
    return nullptr;
}

// The class of the first widget in a widget-box entry.
QString domClass(const QString& xml) {
    QXmlStreamReader reader(xml);
    while (reader.readNextStartElement() && reader.name() != QLatin1String("widget")) {
    }
    return reader.attributes().value(QLatin1String("class")).toString();
}

TEST(DesignerPlugin, OffersBothControlsInOneGroupWithIconsAndTexts) {
    const struct {
        const char* name;
        const char* includeFile;
    } cases[] = {{"torkExplorerBarCtl", "torkExplorerBarCtl.h"}, {"HyperLink", "HyperLink.h"}};
    QString group;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDesignerCustomWidgetInterface* widget = pluginWidget(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->includeFile(), QString::fromLatin1(c.includeFile));
        EXPECT_EQ(domClass(widget->domXml()), QString::fromLatin1(c.name));
        EXPECT_FALSE(widget->icon().pixmap(22).isNull());
        EXPECT_FALSE(widget->toolTip().isEmpty());
        EXPECT_FALSE(widget->whatsThis().isEmpty());
        EXPECT_FALSE(widget->isContainer());
        EXPECT_FALSE(widget->group().isEmpty());
        if (group.isEmpty())
            group = widget->group();
        EXPECT_EQ(widget->group(), group);
    }
}

// One test, in this order: once the designer has initialised the plugin,
// it creates design-time panes for the rest of the process.
TEST(DesignerPlugin, CreatesProgramControlsUntilTheDesignerInitialisesIt) {
    for (const char* name : {"torkExplorerBarCtl", "HyperLink"}) {
        SCOPED_TRACE(name);
        QDesignerCustomWidgetInterface* widget = pluginWidget(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr);
        QWidget parent;
        QWidget* created = widget->createWidget(&parent);
        ASSERT_NE(created, nullptr);
        EXPECT_EQ(created->parentWidget(), &parent);
        EXPECT_STREQ(created->metaObject()->className(), name);
    }

    QDesignerCustomWidgetInterface* panes = pluginWidget(QStringLiteral("torkExplorerBarCtl"));
    ASSERT_NE(panes, nullptr);
    ASSERT_FALSE(panes->isInitialized());
    QWidget window;
    auto* forLoader = qobject_cast<torkExplorerBarCtl*>(panes->createWidget(&window));
    ASSERT_NE(forLoader, nullptr) << "the plugin and the program share one pane library";
    EXPECT_EQ(forLoader->environment(), torkExplorerBarCtl::Environment::Program);
    EXPECT_EQ(forLoader->Bars().Count(), 0) << "a program adds its own bars";

    panes->initialize(nullptr);
    EXPECT_TRUE(panes->isInitialized());
    auto* forDesigner = qobject_cast<torkExplorerBarCtl*>(panes->createWidget(&window));
    ASSERT_NE(forDesigner, nullptr);
    EXPECT_EQ(forDesigner->environment(), torkExplorerBarCtl::Environment::Designer);
    ASSERT_EQ(forDesigner->Bars().Count(), 1) << "the form's author sees a sample bar";
    EXPECT_GT(forDesigner->Bars().Item(1).Items().Count(), 0);
}

} // namespace
