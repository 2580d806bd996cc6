#include "listcontrols/therrors.h"

namespace THErro {

void Levanta(long numero, const QString& origem, const QString& detalhe)
{
    QString texto;
    switch (numero) {
    case Overflow: texto = QStringLiteral("Overflow"); break;
    case SubscriptOutOfRange: texto = QStringLiteral("Subscript out of range"); break;
    case TypeMismatch: texto = QStringLiteral("Type mismatch"); break;
    case ObjectNotSet: texto = QStringLiteral("Object variable or With block variable not set"); break;
    case ElementNotFound:
        texto = QStringLiteral("Control array element '%1' doesn't exist").arg(detalhe);
        break;
    case AlreadyLoaded: texto = QStringLiteral("Object already loaded"); break;
    case InvalidPropertyValue: texto = QStringLiteral("Invalid property value"); break;
    default: texto = QStringLiteral("Application-defined or object-defined error"); break;
    }
    if (numero != ElementNotFound && !detalhe.isEmpty())
        texto += QStringLiteral(" (") + detalhe + QLatin1Char(')');
    throw platform::Error(numero, texto, origem);
}

}  // namespace THErro
