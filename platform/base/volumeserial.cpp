#include "platform/base/volumeserial.h"

#include <QFile>

#include <cctype>

namespace platform {

QString volumeSerialFromMachineId(const QByteArray& content)
{
    QString digits;
    for (const char c : content.trimmed()) {
        if (!std::isxdigit(static_cast<unsigned char>(c)) || digits.size() == 8)
            break;
        digits += QLatin1Char(c);
    }
    if (digits.isEmpty())
        return {};
    return digits.toUpper().rightJustified(8, QLatin1Char('0'));
}

QString machineVolumeSerial()
{
    QFile f(QStringLiteral("/etc/machine-id"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return volumeSerialFromMachineId(f.read(64));
}

}  // namespace platform
