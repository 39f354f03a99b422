// The Qt toolkit services that can run without a user: program information
// and requests the shell must refuse.

#include "QtToolkitServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zelvano::app::test {
namespace {

TEST(QtToolkitServices, ProgramInformation) {
    QtToolkitServices services;
    const VersionNumbers v = services.version();
    EXPECT_EQ(v.major, ZELVANO_VERSION_MAJOR);
    EXPECT_EQ(v.minor, ZELVANO_VERSION_MINOR);
    EXPECT_EQ(v.revision, ZELVANO_VERSION_REVISION);

    const QString folder = services.programFolder();
    EXPECT_FALSE(folder.isEmpty());
    EXPECT_FALSE(folder.endsWith(QDir::separator()));
    EXPECT_EQ(QDir(folder), QDir(QCoreApplication::applicationDirPath()));
}

TEST(QtToolkitServices, ShellRefusesWhatItCannotOpen) {
    QtToolkitServices services;
    EXPECT_FALSE(services.shellExecute(nullptr, QStringLiteral("print"),
                                       QStringLiteral("https://example.org"), QString(),
                                       ShowState::Normal));
    EXPECT_FALSE(services.shellExecute(nullptr, QStringLiteral("open"), QString(), QString(),
                                       ShowState::Normal));
}

// Addresses go to the desktop as they are, documents as file URLs; a missing
// document is refused here, so nothing reports it on the screen.
TEST(QtToolkitServices, ShellTargets) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString licence = folder.filePath(QStringLiteral("License.rtf"));
    QFile file(licence);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString native = QDir::toNativeSeparators(folder.path());

    struct Case {
        QString target;
        QString folder;
        QUrl expected;
    } const cases[] = {
        {QDir::toNativeSeparators(licence), QString(), QUrl::fromLocalFile(licence)},
        {QStringLiteral("License.rtf"), native, QUrl::fromLocalFile(licence)},
        {QStringLiteral("Missing.rtf"), native, QUrl()},
        {QDir::toNativeSeparators(folder.filePath(QStringLiteral("gone/License.rtf"))), native,
         QUrl()},
        {QStringLiteral("https://www.example.org/zelvano/"), native,
         QUrl(QStringLiteral("https://www.example.org/zelvano/"))},
        {QStringLiteral("mailto:zelvano@example.org"), QString(),
         QUrl(QStringLiteral("mailto:zelvano@example.org"))},
        {QString(), native, QUrl()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shellTargetUrl(c.target, c.folder), c.expected) << c.target.toStdString();

    QtToolkitServices services;
    EXPECT_FALSE(services.shellExecute(nullptr, QStringLiteral("open"),
                                       QStringLiteral("Missing.rtf"), native, ShowState::Normal));
}

// Stands in for the desktop's opener: notes the folder it was started in.
class OpenerRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.append({url, QDir::currentPath()}); }

public:
    QList<QPair<QUrl, QString>> opened;
};

// The opener starts in the working folder the caller gives, and the program's
// own current folder is the same afterwards.
TEST(QtToolkitServices, TheOpenerStartsInTheWorkingFolder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString before = QDir::currentPath();
    ASSERT_NE(QDir(before), QDir(folder.path()));
    OpenerRecorder opener;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &opener, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &opener, "open");

    QtToolkitServices services;
    const QString native = QDir::toNativeSeparators(folder.path());
    services.shellExecute(nullptr, QStringLiteral("open"), QStringLiteral("https://example.org/"),
                          native, ShowState::Normal);
    services.shellExecute(nullptr, QStringLiteral("open"),
                          QStringLiteral("mailto:zelvano@example.org"), QString(),
                          ShowState::Normal);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_EQ(QDir(opener.opened[0].second), QDir(folder.path()));
    EXPECT_EQ(QDir(opener.opened[1].second), QDir(before)); // no folder asked: unchanged
    EXPECT_EQ(QDir::currentPath(), before);
}

} // namespace
} // namespace zelvano::app::test

#include "services_tests.moc"
