#include "LinkServices.h"

#include <QHash>
#include <QResource>

#include <windows.h>

#include <mmsystem.h>

namespace zelvano::link {

namespace {

// The system plays from the caller's memory while the click goes on, and may
// still be playing when the control or the program is gone: each sound's
// bytes are kept, uncompressed, for the life of the process.
const QByteArray* soundBytes(const QString& resourcePath) {
    static auto* kept = new QHash<QString, QByteArray>;
    const auto found = kept->constFind(resourcePath);
    if (found != kept->constEnd())
        return &found.value();
    const QResource resource(resourcePath);
    if (!resource.isValid() || resource.size() == 0)
        return nullptr;
    return &*kept->insert(resourcePath, resource.uncompressedData());
}

} // namespace

void playSoundResource(const QString& resourcePath, QObject* owner) {
    Q_UNUSED(owner); // the system's player belongs to the process, not to a control
    if (!resourcePath.startsWith(QLatin1Char(':')))
        return;
    const QByteArray* bytes = soundBytes(resourcePath);
    if (!bytes || bytes->isEmpty())
        return;
    // A second sound replaces the first, as with the system's own link sounds.
    sndPlaySoundW(reinterpret_cast<LPCWSTR>(bytes->constData()),
                  SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

} // namespace zelvano::link
