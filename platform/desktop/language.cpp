#include "platform/desktop/language.h"

namespace platform {

QString textForLanguage(const QString& language, const char* portuguese, const char* spanish, const char* english)
{
    if (language == QLatin1String("P"))
        return QString::fromUtf8(portuguese);
    if (language == QLatin1String("E"))
        return QString::fromUtf8(spanish);
    return QString::fromUtf8(english);
}

}  // namespace platform
