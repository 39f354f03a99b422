#include "AboutTexts.h"

#include <QStringList>

#include <array>

namespace zelvano::app {

QString versionLine(const VersionNumbers& version, const QString& platformName) {
    return QStringLiteral("Version ") + QString::number(version.major) + u'.' +
           QString::number(version.minor) + QStringLiteral(".2 build ") +
           QString::number(version.revision) + QStringLiteral(" for ") + platformName + u'.';
}

QString donationText(const Deployment& values) {
    static constexpr std::array kWalletLabels{u"Z-кошелек: ", u"E-кошелек: ", u"R-кошелек: ",
                                              u"U-кошелек: "};
    QStringList lines{
        QStringLiteral("Если Вам понравилась эта разработка и Вы хотите поддержать ее дальнейшее "
                       "развитие - Вы можете перечислить некоторую сумму на один из электронных "
                       "кошельков системы WebMoney."),
        QString(),
        QStringLiteral("Номера кошельков: "),
    };
    for (std::size_t i = 0; i < kWalletLabels.size(); ++i)
        lines.append(QString::fromUtf16(kWalletLabels[i]) + values.wallets[i]);
    return lines.join(QStringLiteral("\r\n"));
}

QString mailTarget(const Deployment& values) {
    return QStringLiteral("mailto:") + values.mailAddress;
}

} // namespace zelvano::app
