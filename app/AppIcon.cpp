#include "AppIcon.h"

#include <array>

// Resources of a static library are registered by hand; the call must be
// outside any namespace.
static void registerAppResources() {
    Q_INIT_RESOURCE(app);
}

namespace zelvano {

namespace {

constexpr std::array kIconSizes{16, 24, 32, 48, 64, 72, 96, 128};

} // namespace

QIcon programIcon() {
    static const bool registered = (registerAppResources(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/zelvano/icons/zelvano-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace zelvano
