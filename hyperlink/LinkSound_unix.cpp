#include "LinkServices.h"

#include <QObject>
#include <QUrl>

#ifdef ZELVANO_HAVE_SOUND
#include <QSoundEffect>
#endif

namespace zelvano::link {

void playSoundResource(const QString& resourcePath, QObject* owner) {
#ifdef ZELVANO_HAVE_SOUND
    if (!owner || !resourcePath.startsWith(QLatin1Char(':')))
        return;
    // One effect per control, kept for its lifetime: QSoundEffect stops when destroyed.
    auto* effect =
        owner->findChild<QSoundEffect*>(QStringLiteral("linkSound"), Qt::FindDirectChildrenOnly);
    if (!effect) {
        effect = new QSoundEffect(owner);
        effect->setObjectName(QStringLiteral("linkSound"));
    }
    effect->stop();
    effect->setSource(QUrl(QStringLiteral("qrc") + resourcePath));
    effect->play();
#else
    Q_UNUSED(resourcePath);
    Q_UNUSED(owner);
#endif
}

} // namespace zelvano::link
