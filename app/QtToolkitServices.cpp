#include "QtToolkitServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace zelvano::app {

namespace {

// A target is a web or mail address when it has a scheme; a one-letter scheme
// is a drive letter.
bool isAddress(const QString& target) {
    const QUrl url(target);
    return url.isValid() && url.scheme().size() > 1;
}

// The desktop's opener runs as a child of this process and starts in its
// current folder; for the time of the request that is the working folder the
// caller asked for.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder)
        : previous_(QDir::currentPath()) {
        changed_ = !folder.isEmpty() && QDir::setCurrent(folder);
    }
    ~CurrentFolder() {
        if (changed_)
            QDir::setCurrent(previous_);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString previous_;
    bool changed_ = false;
};

} // namespace

QUrl shellTargetUrl(const QString& target, const QString& workingFolder) {
    if (target.isEmpty())
        return {};
    if (isAddress(target))
        return QUrl(target);
    const QString path = QDir(workingFolder).absoluteFilePath(QDir::fromNativeSeparators(target));
    if (!QFileInfo::exists(path))
        return {};
    return QUrl::fromLocalFile(path);
}

void QtToolkitServices::messageBox(const QString& prompt, MessageStyle style,
                                   const QString& title) {
    const QMessageBox::Icon icon =
        style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::Information;
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtToolkitServices::shellExecute(QWidget* /*owner*/, const QString& verb, const QString& target,
                                     const QString& workingFolder, ShowState /*show*/) {
    // Only "open" has a portable meaning; the desktop decides how the window shows.
    if (verb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return false;
    const QUrl url = shellTargetUrl(target, workingFolder);
    if (!url.isValid())
        return false;
    const CurrentFolder folder(workingFolder);
    return QDesktopServices::openUrl(url);
}

QString QtToolkitServices::programFolder() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

VersionNumbers QtToolkitServices::version() const {
    return {ZELVANO_VERSION_MAJOR, ZELVANO_VERSION_MINOR, ZELVANO_VERSION_REVISION};
}

} // namespace zelvano::app
