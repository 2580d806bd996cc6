#include "assembly/figuramodelo.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Conjunto {

using platform::dao::IsNull;

namespace {

bool MesmaParte(const QVariant& a, const QVariant& b)
{
    if (IsNull(a) || IsNull(b))
        return IsNull(a) && IsNull(b);
    return a.toLongLong() == b.toLongLong();
}

QString Texto(const QVariant& v) { return IsNull(v) ? QString() : v.toString(); }

}  // namespace

QString ItemFigura::Tag() const
{
    QString tag = QStringLiteral("%1").arg(pagina, 2, 10, QLatin1Char('0'));
    for (std::size_t k = 0; k < jogos.size(); ++k) {
        if (k > 0)
            tag += QLatin1Char('|');
        tag += QString::number(jogos[k]);
    }
    return tag;
}

bool ItemFigura::PertenceAoJogo(std::int64_t jogo) const
{
    return std::find(jogos.begin(), jogos.end(), jogo) != jogos.end();
}

void FiguraModelo::Limpa()
{
    m_itens.assign(1, ItemFigura{});
    m_partes.clear();
    m_resumidos.clear();
}

void FiguraModelo::Carrega(const std::vector<LinhaFigura>& linhas)
{
    Limpa();
    bool primeira = true;
    QVariant parteAnterior;
    std::int64_t pontoAnterior = 0;
    for (const LinhaFigura& l : linhas) {
        if (IsNull(l.ItemComponente))
            continue;
        const bool novaParte = primeira || !MesmaParte(l.NumeroParte, parteAnterior);
        if (novaParte || l.CodigoFiguraDetalhada != pontoAnterior) {
            if (novaParte) {
                ParteFigura p;
                p.primeiro = UltimoItem() + 1;
                p.ultimo = p.primeiro - 1;
                p.arquivo = Texto(l.ArquivoFigura);
                p.descricao = Texto(l.DescricaoParte);
                p.numeroParte = l.NumeroParte;
                m_partes.push_back(p);
                parteAnterior = l.NumeroParte;
                primeira = false;
            }
            pontoAnterior = l.CodigoFiguraDetalhada;
            ItemFigura item;
            item.textoCompleto = l.ItemComponente.toString();
            if (!IsNull(l.ItemComponenteResumido))
                item.textoResumido = l.ItemComponenteResumido.toString();
            item.left = l.PosicaoLeft;
            item.top = l.PosicaoTop;
            item.pagina = QuantidadePartes() - 1;
            if (IsNull(l.ItemAplicavel))
                item.estilo = kEstiloNaoAplicavel;
            m_itens.push_back(std::move(item));
            const int indice = UltimoItem();
            m_itens.back().legenda = ObtemLegendaItem(indice, l.ItemComponente.toString(), l.ItemComponenteResumido);
            m_partes.back().ultimo = indice;
        }
        if (!IsNull(l.CodigoJogoReparo))
            m_itens.back().jogos.push_back(l.CodigoJogoReparo.toLongLong());
    }
}

std::vector<LinhaFigura> FiguraModelo::LeLinhas(platform::dao::Recordset& rs)
{
    // Columns in the order of the figure query.
    std::vector<LinhaFigura> out;
    while (!rs.EOF_()) {
        LinhaFigura l;
        l.NumeroParte = rs.Value(0);
        l.CodigoFiguraDetalhada = rs.Value(1).toLongLong();
        l.ArquivoFigura = rs.Value(2);
        l.ItemComponente = rs.Value(3);
        l.ItemComponenteResumido = rs.Value(4);
        l.PosicaoLeft = rs.Value(5).toInt();
        l.PosicaoTop = rs.Value(6).toInt();
        l.DescricaoParte = rs.Value(7);
        l.CodigoJogoReparo = rs.Value(8);
        l.ItemAplicavel = rs.Value(9);
        out.push_back(std::move(l));
        rs.MoveNext();
    }
    return out;
}

int FiguraModelo::RegistraItemResumido(int indice, const QString& texto, const QString& resumido)
{
    m_resumidos.push_back({indice, texto, resumido});
    return int(m_resumidos.size()) - 1;
}

QString FiguraModelo::ObtemLegendaItem(int indice, const QString& texto, const QVariant& resumido)
{
    if (IsNull(resumido))
        return texto;
    return m_resumidos[std::size_t(RegistraItemResumido(indice, texto, resumido.toString()))].TextoResumido;
}

QString FiguraModelo::ObtemTextoItem(int indice, bool resumido) const
{
    for (const ItemResumido& r : m_resumidos)
        if (r.Indice == indice)
            return resumido ? r.TextoResumido : r.TextoCompleto;
    if (indice < 1 || indice > UltimoItem())
        return {};
    return m_itens[std::size_t(indice)].legenda;
}

QString FiguraModelo::NomesArquivos() const
{
    QStringList nomes;
    for (const ParteFigura& p : m_partes)
        nomes << p.arquivo;
    return nomes.join(QLatin1Char('|'));
}

int FiguraModelo::ParteSeguinte(int atual) const
{
    const int n = QuantidadePartes();
    if (n == 0 || atual < 0 || atual >= n)
        return atual;
    return atual + 1 >= n ? 0 : atual + 1;
}

int FiguraModelo::ParteAnterior(int atual) const
{
    const int n = QuantidadePartes();
    if (n == 0 || atual < 0 || atual >= n)
        return atual;
    return atual == 0 ? n - 1 : atual - 1;
}

QRect RetanguloMiniatura(int pagina, int partes)
{
    constexpr int kEsquerda = 16, kTopo = 560, kLargura = 17, kAltura = 11, kPasso = 23, kLimite = 30;
    if (partes <= kLimite)
        return QRect(kEsquerda + kPasso * pagina, kTopo, kLargura, kAltura);
    // More pages share the span of the row of 30 (16 to 700), two pixels
    // apart so that a kit's frame (one pixel out) never reaches the
    // neighbour; a row holds as many as stay 3 pixels wide, and the rest go
    // into further rows of equal count, sharing the thumbnails' height while
    // each stays 3 pixels high, below it past that.
    constexpr int kVao = kPasso * (kLimite - 1) + kLargura, kSeparacao = 2, kMinimo = 3;
    constexpr int kPorLinhaMaximo = kVao / (kMinimo + kSeparacao);
    const int linhas = (partes + kPorLinhaMaximo - 1) / kPorLinhaMaximo;
    const int porLinha = (partes + linhas - 1) / linhas;
    const double passo = double(kVao) / porLinha;
    const int largura = std::min(kLargura, int(std::floor(passo)) - kSeparacao);
    const int altura = std::max(kMinimo, (kAltura - kSeparacao * (linhas - 1)) / linhas);
    const int coluna = pagina % porLinha, linha = pagina / porLinha;
    return QRect(kEsquerda + int(std::lround(passo * coluna)), kTopo + linha * (altura + kSeparacao), largura, altura);
}

int MargemQuadroMiniatura(int partes)
{
    constexpr int kDesenho = 4, kLimite = 30;
    if (partes <= kLimite)
        return kDesenho;
    // The narrowest room between two thumbnails side by side or one above
    // the other.
    int folga = std::numeric_limits<int>::max();
    for (int i = 0; i + 1 < partes; ++i) {
        const QRect a = RetanguloMiniatura(i, partes), b = RetanguloMiniatura(i + 1, partes);
        folga = std::min(folga, b.top() == a.top() ? b.left() - a.right() - 1 : b.top() - a.bottom() - 1);
    }
    return std::clamp(folga - 1, 1, kDesenho);
}

QRect RetanguloQuadroMiniatura(const std::vector<QRect>& miniaturas, const std::vector<bool>& emolduradas, int pagina,
                               int margem)
{
    if (pagina < 0 || std::size_t(pagina) >= miniaturas.size())
        return {};
    const QRect mostrada = miniaturas[std::size_t(pagina)];
    const bool emoldurada = std::size_t(pagina) < emolduradas.size() && emolduradas[std::size_t(pagina)];
    const QRect propria = emoldurada ? mostrada.adjusted(1, 1, -1, -1) : mostrada;
    QRect quadro = propria.adjusted(-margem, -margem, margem, margem).united(mostrada.adjusted(-1, -1, 1, 1));
    for (std::size_t j = 0; j < miniaturas.size(); ++j) {
        const QRect& outra = miniaturas[j];
        if (int(j) == pagina || !quadro.intersects(outra))
            continue;
        if (outra.left() > mostrada.right())
            quadro.setRight(outra.left() - 1);
        else if (outra.right() < mostrada.left())
            quadro.setLeft(outra.right() + 1);
        else if (outra.top() > mostrada.bottom())
            quadro.setBottom(outra.top() - 1);
        else
            quadro.setTop(outra.bottom() + 1);
    }
    return quadro;
}

}  // namespace Conjunto
