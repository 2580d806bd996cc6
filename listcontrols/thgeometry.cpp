#include "listcontrols/thgeometry.h"

#include "listcontrols/thcolumns.h"
#include "listcontrols/thunits.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace THLayout {
namespace {
using THUnits::Tw;
}  // namespace

long ArredondaPar(double valor)
{
    const double baixo = std::floor(valor);
    const double resto = valor - baixo;
    if (resto > 0.5)
        return static_cast<long>(baixo) + 1;
    if (resto < 0.5)
        return static_cast<long>(baixo);
    const long b = static_cast<long>(baixo);
    return (b % 2 == 0) ? b : b + 1;
}

Tamanho CalculaTamanho(const EntradaTamanho& e)
{
    Tamanho t;
    t.larguraTwips = e.pixelLargura > 0 ? Tw(e.pixelLargura) : e.larguraAtualTwips;
    int h = e.pixelAltura > 0 ? Tw(e.pixelAltura) : e.alturaAtualTwips;
    t.bordaTwips = e.borderStyle == 1 ? Tw(2) : 0;
    const int r = Tw(AlturaLinhaPx);
    h = static_cast<int>(ArredondaPar(static_cast<double>(h) / r)) * r;
    if (h <= 0)
        h = r;
    t.alturaTwips = h + t.bordaTwips;
    t.alturaLinhasTwips = h;
    t.linhas = h / r;
    t.larguraGridTwips = t.larguraTwips - t.bordaTwips;
    t.larguraBarraTwips = t.larguraTwips - e.larguraScrollTwips + Tw(1) - t.bordaTwips;
    return t;
}

Moldura DecideMoldura(const EntradaMoldura& e)
{
    Moldura m;
    if (e.recordCount <= e.linhas) {
        m.barraRolagem = false;
        m.larguraGridTwips = e.larguraControleTwips - e.larguraScrollTwips + Tw(1) - e.bordaTwips;
        m.topoPainelTwips = e.ultimaLinha < 0 ? e.topoGridTwips
                                              : e.topoGridTwips + Tw(AlturaLinhaPx) * (e.ultimaLinha + 1);
        m.alturaPainelTwips = e.alturaGridTwips - (m.topoPainelTwips - e.topoGridTwips);
        m.rodapePainelYTwips = m.alturaPainelTwips - Tw(1);
        m.painelVisivel = true;
    } else {
        m.barraRolagem = true;
        m.larguraGridTwips = e.larguraControleTwips - e.bordaTwips;
        m.painelVisivel = false;
    }
    return m;
}

QString MontaChaveImagem(const ChaveImagem& c)
{
    return QStringLiteral("PIC;%1;%2;%3;%4")
        .arg(c.linhaAtual ? QStringLiteral("*") : QStringLiteral(" "))
        .arg(c.elemento)
        .arg(c.coluna)
        .arg(c.linha);
}

std::optional<ChaveImagem> DecodificaChaveImagem(const QString& chave)
{
    const QStringList f = chave.split(QLatin1Char(';'));
    if (f.size() < 4 || f[0] != QLatin1String("PIC"))
        return std::nullopt;
    ChaveImagem c;
    bool ok2 = false;
    bool ok3 = false;
    c.linhaAtual = f[1] == QLatin1String("*");
    c.elemento = f[2].toInt(&ok2);
    c.coluna = f[3].toInt(&ok3);
    if (!ok2 || !ok3)
        return std::nullopt;
    c.linha = f.size() > 4 ? f[4].toInt() : 0;
    return c;
}

int AlturaPedidaListaCombo(long recordCount, int maxLinhas)
{
    long linhas;
    if (recordCount > maxLinhas)
        linhas = maxLinhas;
    else
        linhas = std::max<long>(recordCount, 1);
    return static_cast<int>(linhas) * AlturaLinhaPx + 2;
}

int AlturaListaAjustada(int alturaPedidaPx)
{
    long linhas = ArredondaPar(static_cast<double>(alturaPedidaPx) / AlturaLinhaPx);
    if (linhas <= 0)
        linhas = 1;
    return static_cast<int>(linhas) * AlturaLinhaPx + 2;
}

AberturaCombo CalculaAbertura(int alturaListaPx, bool abreBaixo)
{
    AberturaCombo a;
    a.alturaControle = alturaListaPx + 24;
    if (abreBaixo) {
        a.topoFace = 6;
        a.topoSeta = 3;
        a.topoLista = 24;
    } else {
        const int k = alturaListaPx + 21;
        a.topoFace = k - 18;
        a.topoSeta = k - 14;
        a.topoLista = 0;
    }
    return a;
}

}  // namespace THLayout
