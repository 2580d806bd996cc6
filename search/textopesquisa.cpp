#include "search/textopesquisa.h"

#include "core/searchtext.h"

namespace Pesquisa {

QString PadraoTextoPesquisa(const QString& texto)
{
    const QString dobrado = Modulo::RemoveAcentos(texto.toUpper());
    QString padrao;
    QString trecho;      // kept characters since the last dropped run
    bool saltou = false; // a dropped run stands between the last kept character and the next
    const auto fechaTrecho = [&] {
        if (trecho.isEmpty())
            return;
        if (saltou && !padrao.isEmpty())
            padrao += QLatin1Char('*');
        padrao += Modulo::PreparaTextoPesquisa(trecho, true);
        trecho.clear();
        saltou = false;
    };
    for (const QChar c : dobrado) {
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')) {
            trecho.append(c);
        } else {
            fechaTrecho();
            saltou = true;
        }
    }
    fechaTrecho();
    return padrao;
}

}  // namespace Pesquisa
