#include "HelpActions.h"

#include "AboutTexts.h"
#include "ToolkitServices.h"

#include <QDir>

namespace zelvano::app {

QString licencePath(const QString& programFolder) {
    const QChar separator = QDir::separator();
    QString path = programFolder;
    // The folder of a program installed at a drive's or the file system's root
    // already ends with the separator.
    if (!path.endsWith(separator))
        path += separator;
    return path + QStringLiteral("License.rtf");
}

QString helpTarget(HelpAction action, const QString& programFolder, const Deployment& values) {
    switch (action) {
    case HelpAction::Licence:
        return licencePath(programFolder);
    case HelpAction::HomePage:
        return values.homePage;
    case HelpAction::Mail:
        return mailTarget(values);
    }
    return {};
}

void runHelpAction(HelpAction action, ToolkitServices& services, QWidget* owner) {
    const QString folder = services.programFolder();
    services.shellExecute(owner, QStringLiteral("open"), helpTarget(action, folder, deployment()),
                          folder, ShowState::Normal);
}

} // namespace zelvano::app
