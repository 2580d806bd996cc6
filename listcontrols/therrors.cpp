#include "listcontrols/therrors.h"

#include "platform/desktop/messagebox.h"

#include <exception>

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

namespace {
Relator& RelatorAtual()
{
    static Relator r;
    return r;
}
}  // namespace

void DefineRelator(Relator r)
{
    RelatorAtual() = std::move(r);
}

void Relata(const platform::Error& e)
{
    if (RelatorAtual()) {
        RelatorAtual()(e);
        return;
    }
    platform::MsgBox(QStringLiteral("Erro N\u00ba: %1\n%2").arg(e.number()).arg(e.description()),
                     platform::vbCritical, QString());
}

void Guarda(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::Error& e) {
        Relata(e);
    } catch (const std::exception& e) {
        Relata(platform::Error(-1, QString::fromLocal8Bit(e.what())));
    }
}

}  // namespace THErro
