// Qt's own texts follow the user's language where the system has Qt's
// catalogue for it, and stay English where it has none.

#include "AppTestSupport.h"

#include "QtTranslations.h"

#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

namespace zelvano::app::test {
namespace {

QStringList contextMenuTexts(QLineEdit& box) {
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
    return texts;
}

class QtTranslationsTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale::c()); }
    void TearDown() override {
        if (translator != nullptr)
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }

    QLineEdit& resultBox() { return *panel(Category::Length).resultBox(); }

    QTranslator* translator = nullptr;
};

TEST_F(QtTranslationsTest, TheResultBoxMenuReadsRussian) {
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
    if (!QFile::exists(catalogue))
        GTEST_SKIP() << "no " << catalogue.toStdString() << " (qt6-translations-l10n)";
    ASSERT_TRUE(contextMenuTexts(resultBox()).contains(QStringLiteral("&Copy")));

    translator = installQtTranslations(*QCoreApplication::instance(),
                                       QLocale(QLocale::Russian, QLocale::Russia));
    ASSERT_NE(translator, nullptr);
    const QStringList texts = contextMenuTexts(resultBox());
    EXPECT_TRUE(texts.contains(QStringLiteral("&Копировать"))) << texts.join(' ').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Выделить всё"))) << texts.join(' ').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("&Copy")));
}

TEST_F(QtTranslationsTest, WithoutACatalogueQtStaysEnglish) {
    translator = installQtTranslations(*QCoreApplication::instance(),
                                       QLocale(QLocale::Esperanto, QLocale::World));
    EXPECT_EQ(translator, nullptr);
    const QStringList texts = contextMenuTexts(resultBox());
    EXPECT_TRUE(texts.contains(QStringLiteral("&Copy")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Select All")));
}

} // namespace
} // namespace zelvano::app::test
