#include "Deployment.h"

namespace zelvano::app {

// The two addresses come from the build, which also writes them into the
// metainfo and the package. example.org is reserved for documentation, so no
// address can reach a third party; the wallet numbers are placeholders of the
// same kind.
const Deployment& deployment() {
    static const Deployment values{
        QStringLiteral("Copyright © The Zelvano developers."),
        QStringLiteral(ZELVANO_MAIL_ADDRESS),
        QStringLiteral(ZELVANO_HOME_PAGE),
        {QStringLiteral("000000000001"), QStringLiteral("000000000002"),
         QStringLiteral("000000000003"), QStringLiteral("000000000004")},
    };
    return values;
}

} // namespace zelvano::app
