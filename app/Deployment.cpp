#include "Deployment.h"

namespace zelvano {

// example.org is reserved for documentation, so no address here can reach a
// third party; the wallet numbers are placeholders of the same kind.
const Deployment& deployment() {
    static const Deployment values{
        QStringLiteral("Copyright © The Zelvano developers."),
        QStringLiteral("zelvano@example.org"),
        QStringLiteral("https://www.example.org/zelvano/"),
        {QStringLiteral("000000000001"), QStringLiteral("000000000002"),
         QStringLiteral("000000000003"), QStringLiteral("000000000004")},
    };
    return values;
}

} // namespace zelvano
