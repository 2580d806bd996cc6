#include "listcontrols/thcolumns.h"

#include "listcontrols/therrors.h"
#include "listcontrols/thunits.h"
#include "platform/base/vbruntime.h"

#include <cmath>

namespace THLayout {
namespace {

const QString kOrigem = QStringLiteral("ConfiguraColunas");

// The run time's conversion of a field to a whole number of a given range:
// blanks around are allowed, fractions round half to even, text that is no
// number is a type mismatch, a number outside the range an overflow.
qint64 ConverteInteiro(const QString& texto, qint64 minimo, qint64 maximo)
{
    double valor = 0;
    if (!platform::vb::TextToNumber(texto.toStdString(), &valor) || !std::isfinite(valor))
        THErro::Levanta(THErro::TypeMismatch, kOrigem, texto);
    valor = std::nearbyint(valor);   // the default rounding mode: half to even
    if (valor < static_cast<double>(minimo) || valor > static_cast<double>(maximo))
        THErro::Levanta(THErro::Overflow, kOrigem, texto);
    return static_cast<qint64>(valor);
}

using THUnits::Tw;

// Positions and widths are Longs of the run time: a sum outside their range
// is its overflow, never a wrapped value.
int Long(qint64 valor)
{
    if (valor < INT_MIN || valor > INT_MAX)
        THErro::Levanta(THErro::Overflow, kOrigem);
    return static_cast<int>(valor);
}

const QString& Campo(const QStringList& campos, int i)
{
    if (i >= campos.size())
        THErro::Levanta(THErro::SubscriptOutOfRange, kOrigem);
    return campos[i];
}

// Fields 0 to 3, common to both variants.
Especificacao LeQuatroCampos(const QStringList& campos)
{
    Especificacao e;
    e.campo = Campo(campos, 0);
    e.alinhamento = static_cast<int>(ConverteInteiro(Campo(campos, 1), 0, 255));
    e.larguraTwips = static_cast<int>(ConverteInteiro(Campo(campos, 2), INT_MIN, INT_MAX));
    e.tipo = Campo(campos, 3);
    return e;
}

}  // namespace

Especificacao LeEspecificacao(const QString& texto)
{
    const QStringList campos = texto.split(QLatin1Char('|'));
    Especificacao e = LeQuatroCampos(campos);
    if (e.icone()) {
        e.temDivisor = true;
        e.divisor = static_cast<int>(ConverteInteiro(Campo(campos, 4), SHRT_MIN, SHRT_MAX));
        e.dica = Campo(campos, 5);
        e.ponteiro = static_cast<int>(ConverteInteiro(Campo(campos, 6), SHRT_MIN, SHRT_MAX));
    } else if (campos.size() > 4) {
        e.temDivisor = true;
        e.divisor = static_cast<int>(ConverteInteiro(campos[4], SHRT_MIN, SHRT_MAX));
    }
    return e;
}

Especificacao LeEspecificacaoFace(const QString& texto)
{
    const QStringList campos = texto.split(QLatin1Char('|'));
    // The face takes tooltip and pointer from the list's icons, whatever
    // fields 4 and 5 say.
    return LeQuatroCampos(campos);
}

int LarguraAceitaPeloGrid(int larguraTwips)
{
    if (larguraTwips <= 0)
        return 0;
    return platform::pixelsToTwips(platform::twipsToPixels(larguraTwips));
}

int EsquerdaIcone(int x, int w, int alinhamento, int larguraIcone)
{
    switch (alinhamento) {
    case 1: return Long(qint64(Long(qint64(x) + Long(qint64(w) - Tw(5)))) - larguraIcone);
    case 2: return Long(qint64(Long(qint64(x) + Long(qint64(w) - Tw(5)) / 2)) - larguraIcone / 2);
    default: return x;
    }
}

bool FlagAtivo(const QString& flags, int n)
{
    return n >= 0 && n < flags.size() && flags.at(n) == QLatin1Char(' ');
}

LayoutColunas CalculaColunas(const EntradaColunas& entrada)
{
    LayoutColunas l;
    // Read every spec first: a faulty spec fails the whole configuration
    // before any column exists.
    std::vector<Especificacao> specs;
    specs.reserve(entrada.especificacoes.size());
    for (const QString& texto : entrada.especificacoes)
        specs.push_back(LeEspecificacao(texto));

    const int ultimo = static_cast<int>(specs.size()) - 1;
    int x = Tw(2);
    int p = 0;
    int k = -1;
    int n = 0;
    int qtdFlags = 0;
    std::vector<int> esquerdaCriacao;   // x when each grid column was created

    for (int i = 0; i <= ultimo; ++i) {
        const Especificacao& e = specs[i];
        int w = e.larguraTwips;
        if (!e.compartilhaAnterior()) {
            n = static_cast<int>(l.colunas.size());
            ColunaGrid c;
            c.campo = e.campo;
            c.alinhamento = e.alinhamento;
            c.divisor = e.temDivisor ? e.divisor : (n >= entrada.apartirIndexSemDivisor ? 0 : 6);
            // The last column ends 3 pixels right of the bar's right edge.
            const qint64 fimBarra = qint64(entrada.larguraBarraTwips) + Tw(3);
            if (i == ultimo && ultimo != 0 && fimBarra != qint64(x) + w)
                w = Long(fimBarra - x);
            w = LarguraAceitaPeloGrid(w);
            c.larguraTwips = w;
            l.colunas.push_back(c);
            esquerdaCriacao.push_back(x);
        } else {
            l.colunaLeftIgualAnterior = static_cast<int>(l.colunas.size()) - 1;
            if (l.colunaLeftIgualAnterior < 0)
                THErro::Levanta(THErro::SubscriptOutOfRange, kOrigem, e.campo);
            w = l.colunas[l.colunaLeftIgualAnterior].larguraTwips;
        }

        if (e.tipo == QLatin1String("T")) {
            l.tiposColunas += QLatin1Char('T');
            Rotulo r;
            r.esquerdaTwips = x;
            if (qint64(w) - Tw(5) < 0)
                THErro::Levanta(THErro::InvalidPropertyValue, kOrigem, e.campo);
            r.larguraTwips = w - Tw(5);
            r.alinhamento = e.alinhamento;
            r.tag = e.campo;
            r.colunaGrid = n;
            l.rotulos.push_back(r);
        } else if (e.icone()) {
            l.tiposColunas += e.tipo;
            ++k;
            if (k >= static_cast<int>(entrada.larguraImagensTwips.size()))
                THErro::Levanta(THErro::SubscriptOutOfRange, kOrigem, QStringLiteral("picture %1").arg(k));
            if (e.compartilhaAnterior()) {
                ++l.qtdLeftIgualAnterior;
                if (k > 0)
                    x = p;
            }
            Icone ic;
            ic.tipo = e.tipo.at(0);
            ic.esquerdaTwips = EsquerdaIcone(x, w, e.alinhamento, entrada.larguraImagensTwips[k]);
            ic.colunaGrid = n;
            if (ic.tipo == QLatin1Char('I')) {
                ic.numeroFlag = qtdFlags++;
                if (l.colunaFlags < 0)
                    l.colunaFlags = n;
            }
            ic.dica = e.dica;
            ic.ponteiro = e.ponteiro;
            l.icones.push_back(ic);
        }

        const bool antesDoUltimo = i < ultimo;
        int modo = (n < entrada.apartirIndexSemDivisor && antesDoUltimo) ? 1 : 0;
        if (modo == 1 && e.temDivisor)
            modo = e.divisor == 1 ? 2 : 1;
        if (antesDoUltimo) {
            if (static_cast<int>(l.divisores.size()) <= n)
                l.divisores.resize(n + 1);
            l.divisores[n] = Divisor{true, Long(qint64(Long(qint64(x) + w)) - Tw(3)), modo == 2};
        }
        p = x;
        x = Long(qint64(x) + w);
        if (modo == 0)
            x = Long(qint64(x) - Tw(1));
    }

    // Grid columns stand where the bar's labels say: each column's left
    // edge is its bar position less the 2-pixel margin.
    for (size_t c = 0; c < l.colunas.size(); ++c) {
        l.colunas[c].esquerdaTwips = Long(qint64(esquerdaCriacao[c]) - Tw(2));
        if (c + 1 < l.colunas.size())
            l.colunas[c].passoTwips = Long(std::max<qint64>(0, qint64(esquerdaCriacao[c + 1]) - esquerdaCriacao[c]));
        else
            l.colunas[c].passoTwips = l.colunas[c].larguraTwips;
    }
    l.ultimaColunaGrid = n;
    l.ultimaImagem = k;
    return l;
}

LayoutFace CalculaFace(const QStringList& especificacoes, const std::vector<int>& larguraIconesTwips)
{
    LayoutFace f;
    int x = Tw(2);
    const int ultimo = static_cast<int>(especificacoes.size()) - 1;
    for (int i = 0; i <= ultimo; ++i) {
        const Especificacao e = LeEspecificacaoFace(especificacoes[i]);
        const int w = e.larguraTwips;
        if (e.tipo == QLatin1String("T")) {
            Rotulo r;
            r.esquerdaTwips = x;
            if (qint64(w) - Tw(5) < 0)
                THErro::Levanta(THErro::InvalidPropertyValue, QStringLiteral("ConfiguraColunasFace"), e.campo);
            r.larguraTwips = w - Tw(5);
            r.alinhamento = e.alinhamento;
            r.tag = e.campo;
            f.rotulos.push_back(r);
        } else if (e.icone()) {
            const int g = static_cast<int>(f.icones.size());
            if (g >= static_cast<int>(larguraIconesTwips.size()))
                THErro::Levanta(THErro::ElementNotFound, QStringLiteral("ConfiguraColunasFace"), QString::number(g));
            f.icones.push_back(FaceIcone{EsquerdaIcone(x, w, e.alinhamento, larguraIconesTwips[g])});
        }
        x = Long(qint64(x) + w);
        if (i < ultimo)
            f.divisoresXTwips.push_back(Long(qint64(x) - Tw(3)));
    }
    return f;
}

}  // namespace THLayout
