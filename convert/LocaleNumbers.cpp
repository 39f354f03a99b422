#include "LocaleNumbers.h"

namespace zelvano::convert {

NumberSettings numberSettings(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return NumberSettings{
        point.isEmpty() ? NumberSettings{}.decimalSeparator : point.toStdString(),
        locale.groupSeparator().toStdString(),
    };
}

} // namespace zelvano::convert
