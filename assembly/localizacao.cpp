#include "assembly/localizacao.h"

namespace Conjunto {

namespace {

// The text between the first `abre` and the first `fecha` after it; nullopt
// when either is missing.
std::optional<QString> Entre(const QString& texto, const QString& abre, const QString& fecha)
{
    const qsizetype i = texto.indexOf(abre);
    if (i < 0)
        return std::nullopt;
    const qsizetype inicio = i + abre.size();
    const qsizetype j = texto.indexOf(fecha, inicio);
    if (j < 0)
        return std::nullopt;
    return texto.mid(inicio, j - inicio);
}

std::optional<std::int64_t> Codigo(const std::optional<QString>& texto)
{
    if (!texto)
        return std::nullopt;
    bool ok = false;
    const qlonglong v = texto->trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

}  // namespace

SolicitacaoLocalizacao LeSolicitacaoLocalizacao(const QString& texto)
{
    SolicitacaoLocalizacao s;
    s.jogo = Codigo(Entre(texto, QStringLiteral("J:"), QStringLiteral(":J")));
    if (s.jogo)
        s.textoTipo = 4;
    if (const auto itens = Entre(texto, QStringLiteral("I:"), QStringLiteral(":I"))) {
        for (const QString& item : itens->split(QLatin1Char('|')))
            if (!item.isEmpty())
                s.itens << item;
        s.textoTipo = 24;
    }
    s.componente = Codigo(Entre(texto, QStringLiteral("C:"), QStringLiteral(":C")));
    if (s.componente)
        s.textoTipo = 2;
    return s;
}

std::vector<MarcaItem> MarcaItensFigura(const FiguraModelo& figura, const QStringList& itens,
                                        std::optional<std::int64_t> jogo)
{
    std::vector<MarcaItem> marcas;
    const QString lista = QLatin1Char('|') + itens.join(QLatin1Char('|')) + QLatin1Char('|');
    for (int i = 1; i <= figura.UltimoItem(); ++i) {
        const QString t = figura.ObtemTextoItem(i, false);
        if (!itens.isEmpty() && lista.contains(QLatin1Char('|') + t + QLatin1Char('|')))
            marcas.push_back({i, kCorLocalizado, true});
        else if (jogo && figura.Item(i).PertenceAoJogo(*jogo))
            marcas.push_back({i, 0, false});
    }
    return marcas;
}

int ParteDasMarcas(const FiguraModelo& figura, const std::vector<MarcaItem>& marcas)
{
    if (!figura.TemPartes())
        return -1;
    return marcas.empty() ? 0 : figura.Item(marcas.front().indice).pagina;
}

}  // namespace Conjunto
