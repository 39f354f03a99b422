// Forms with the controls: a form's stored settings reach the controls when
// it is loaded, a new control has the settings' defaults, and saving writes
// only the settings that differ from them, in the order they are stored.

#include "HyperLink.h"
#include "SettingsFormWriter.h"
#include "torkExplorerBarCtl.h"

#include <QBuffer>
#include <QFile>
#include <QMetaProperty>
#include <QUiLoader>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Setting {
    const char* name;
    QVariant value;
};

// Each control's stored settings in the order they are stored, with the
// value a new control has.
const std::vector<Setting> kPaneDefaults{
    {"UseExplorerStyle", true},    {"UseExplorerTransitionStyle", true},
    {"BackColorEnd", -2147483643}, {"BackColorStart", -2147483643},
    {"ShowFocusRect", true},       {"Redraw", true},
};
const std::vector<Setting> kLinkDefaults{
    {"Caption", QStringLiteral("Hyperlink")},
    {"HyperLink", HyperLink::kDefaultTarget},
    {"ForeColor", -1},
    {"BackColor", -1},
    {"HoverColor", 0x0000FF},
    {"Alignment", 0},
    {"AutoSize", true},
    {"Appearance", 1},
    {"BorderStyle", 0},
    {"Enabled", true},
    {"AutoToolTip", true},
    {"MOUnderline", false},
    {"MOPointer", false},
};

QStringList names(const std::vector<Setting>& settings) {
    QStringList list;
    for (const Setting& setting : settings)
        list << QString::fromLatin1(setting.name);
    return list;
}

// The hyperlink's font is stored too; a new control's follows its container.
QStringList linkStoredOrder() {
    QStringList order = names(kLinkDefaults);
    order.insert(2, QStringLiteral("Font"));
    return order;
}

// The settings tests/widgets/stored-settings.ui gives, in the stored order.
const std::vector<Setting> kPaneStored{
    {"UseExplorerStyle", false}, {"UseExplorerTransitionStyle", false},
    {"BackColorEnd", 0},         {"BackColorStart", 8421631},
    {"ShowFocusRect", false},
};
const std::vector<Setting> kLinkStored{
    {"Caption", QStringLiteral("Домашняя страница")},
    {"HyperLink", QStringLiteral("mailto:zelvano@example.org")},
    {"ForeColor", 8912896},
    {"BackColor", -2147483633},
    {"HoverColor", -2147483635},
    {"Alignment", 2},
    {"AutoSize", false},
    {"Appearance", 0},
    {"BorderStyle", 1},
    {"Enabled", false},
    {"AutoToolTip", false},
    {"MOUnderline", true},
    {"MOPointer", true},
};

// A stored value as a plain value: enumerations as their numbers.
QVariant plain(const QVariant& value) {
    if (value.metaType().flags() & QMetaType::IsEnumeration)
        return value.toInt();
    return value;
}

void expectSettings(const QObject& control, const std::vector<Setting>& settings) {
    for (const Setting& setting : settings)
        EXPECT_EQ(plain(control.property(setting.name)), setting.value)
            << control.objectName().toStdString() << "." << setting.name;
}

// The properties a saved form gives the widget `name`, in document order.
QStringList savedProperties(const QByteArray& form, const QString& name) {
    QXmlStreamReader reader(form);
    QStringList properties;
    int depth = 0;
    int widgetDepth = -1;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (reader.name() == QLatin1String("widget") &&
                reader.attributes().value(QLatin1String("name")) == name)
                widgetDepth = depth;
            else if (widgetDepth > 0 && depth == widgetDepth + 1 &&
                     reader.name() == QLatin1String("property"))
                properties << reader.attributes().value(QLatin1String("name")).toString();
        } else if (reader.isEndElement()) {
            if (depth == widgetDepth)
                widgetDepth = -1;
            --depth;
        }
    }
    return properties;
}

class ControlForm : public ::testing::Test {
protected:
    ControlForm() {
        loader_.clearPluginPaths();
        loader_.addPluginPath(QStringLiteral(ZELVANO_DESIGNER_PLUGIN_DIR));
    }

    std::unique_ptr<QWidget> load(QIODevice& device) {
        std::unique_ptr<QWidget> form(loader_.load(&device));
        EXPECT_NE(form, nullptr) << loader_.errorString().toStdString();
        return form;
    }

    std::unique_ptr<QWidget> loadStoredSettings() {
        QFile file(QStringLiteral(ZELVANO_STORED_SETTINGS_UI));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return load(file);
    }

    QWidget* create(const char* className) {
        return loader_.createWidget(QString::fromLatin1(className), &owner_);
    }

    QUiLoader loader_;
    QWidget owner_;
};

TEST_F(ControlForm, NewControlsHaveTheStoredSettingsDefaults) {
    QWidget* pane = create("torkExplorerBarCtl");
    QWidget* link = create("HyperLink");
    ASSERT_NE(pane, nullptr);
    ASSERT_NE(link, nullptr);
    expectSettings(*pane, kPaneDefaults);
    expectSettings(*link, kLinkDefaults);
}

TEST_F(ControlForm, DeclaresStoredSettingsInTheStoredOrder) {
    // A form designer writes a control's properties in declaration order.
    const struct {
        const QMetaObject* meta;
        QStringList expected;
    } cases[] = {{&torkExplorerBarCtl::staticMetaObject, names(kPaneDefaults)},
                 {&HyperLink::staticMetaObject, linkStoredOrder()}};
    for (const auto& c : cases) {
        QStringList stored;
        for (int i = c.meta->propertyOffset(); i < c.meta->propertyCount(); ++i) {
            const QMetaProperty property = c.meta->property(i);
            if (property.isStored() && property.isDesignable() && property.isWritable())
                stored << QString::fromLatin1(property.name());
        }
        EXPECT_EQ(stored, c.expected) << c.meta->className();
    }
}

TEST_F(ControlForm, LoadingGivesTheControlsTheStoredValues) {
    const std::unique_ptr<QWidget> form = loadStoredSettings();
    ASSERT_NE(form, nullptr);
    auto* pane = form->findChild<torkExplorerBarCtl*>(QStringLiteral("taskPane"));
    auto* link = form->findChild<HyperLink*>(QStringLiteral("homePage"));
    ASSERT_NE(pane, nullptr) << "the plugin's pane is the program's class";
    ASSERT_NE(link, nullptr);
    expectSettings(*pane, kPaneStored);
    expectSettings(*link, kLinkStored);
    // Through the program's own interface, too.
    EXPECT_FALSE(pane->UseExplorerStyle());
    EXPECT_EQ(pane->BackColorStart(), 8421631);
    EXPECT_EQ(link->hoverColor(), zelvano::systemColourCode(13));
    EXPECT_EQ(link->alignment(), HyperLink::Alignment::Center);
    EXPECT_EQ(link->size(), QSize(180, 30)) << "no automatic size: the form's size holds";
    EXPECT_EQ(pane->environment(), torkExplorerBarCtl::Environment::Program);
    EXPECT_EQ(pane->Bars().Count(), 0);
}

TEST_F(ControlForm, SavingWritesOnlyChangedSettingsInTheStoredOrder) {
    const std::unique_ptr<QWidget> form = loadStoredSettings();
    ASSERT_NE(form, nullptr);
    auto* pane = form->findChild<torkExplorerBarCtl*>(QStringLiteral("taskPane"));
    ASSERT_NE(pane, nullptr);
    // Back to its default: no longer written.
    pane->setUseExplorerTransitionStyle(true);

    SettingsFormWriter writer;
    writer.addPrototype(create("torkExplorerBarCtl"));
    writer.addPrototype(create("HyperLink"));
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    writer.save(&saved, form.get());
    const QByteArray xml = saved.data();

    const struct {
        const char* widget;
        QStringList all;
        QStringList expected;
    } cases[] = {
        {"taskPane",
         names(kPaneDefaults),
         {"UseExplorerStyle", "BackColorEnd", "BackColorStart", "ShowFocusRect"}},
        {"homePage", linkStoredOrder(), names(kLinkStored)},
    };
    for (const auto& c : cases) {
        QStringList written;
        for (const QString& property : savedProperties(xml, QString::fromLatin1(c.widget)))
            if (c.all.contains(property))
                written << property;
        EXPECT_EQ(written, c.expected) << c.widget;
    }

    // What was written loads back to the same settings.
    QBuffer reread;
    reread.setData(xml);
    reread.open(QIODevice::ReadOnly);
    const std::unique_ptr<QWidget> again = load(reread);
    ASSERT_NE(again, nullptr);
    auto* paneAgain = again->findChild<QWidget*>(QStringLiteral("taskPane"));
    auto* linkAgain = again->findChild<QWidget*>(QStringLiteral("homePage"));
    ASSERT_NE(paneAgain, nullptr);
    ASSERT_NE(linkAgain, nullptr);
    expectSettings(*linkAgain, kLinkStored);
    EXPECT_EQ(paneAgain->property("UseExplorerTransitionStyle"), true);
    EXPECT_EQ(paneAgain->property("BackColorStart"), 8421631);
}

} // namespace
