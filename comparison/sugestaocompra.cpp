#include "comparison/sugestaocompra.h"

#include "core/searchtext.h"
#include "core/texts.h"
#include "listcontrols/gridnavigation.h"
#include "platform/base/vbruntime.h"
#include "platform/desktop/messagebox.h"

#include <algorithm>
#include <cmath>

namespace Comparacao {

using namespace platform::dao;

namespace {

QString valorTexto(const QVariant& v) { return IsNull(v) ? QString() : v.toString(); }

// Round half to even, as the run time rounds.
int arredondaPar(double v) { return int(std::nearbyint(v)); }

}  // namespace

QString AbreSugestaoCompra(const DatabasePtr& Catalogo, long CodigoPeca, const QString& Item, const QString& Idioma)
{
    const QString peca = QString::number(CodigoPeca);
    // A Null set (an assembly without suggestions) reads as the set -1, which
    // holds nothing.
    const QVariant conjunto = Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoSugestao FROM PECA WHERE CodigoPeca=") + peca,
                                                    Catalogo, -1);
    const QString s = IsNull(conjunto) ? QStringLiteral("-1") : QString::number(platform::vb::CLng(conjunto));
    const QString item = Modulo::PreparaTextoPesquisa(Item, false);

    // Stored proposals compare as numbers ("10" above "9").
    const QString quantidade =
        QStringLiteral("IIF(IsNull(Max(Val(SUGESTAO_COMPONENTE.QuantidadeComponente))), "
                       "Sum(IIF(IsNumeric(PECA_COMPONENTE.QuantidadeComponente), Int(PECA_COMPONENTE.QuantidadeComponente), 1)), "
                       "Max(Val(SUGESTAO_COMPONENTE.QuantidadeComponente))) AS QuantidadeInt,");
    QString sql =
        QStringLiteral("SELECT 'COM' AS Tipo,PECA_COMPONENTE.CodigoComponente AS Codigo,"
                       "Format(Min(COMPONENTE.NumeroEmpresaComponente), '0000 000 000') AS NumeroEmpresa,") +
        quantidade +
        QStringLiteral("Min(COMPONENTE.DescricaoComponente<I>) AS Descricao,"
                       "Mid(Min(PECA_COMPONENTE.ImagensGrid), 2, 1) AS Opcional "
                       "FROM ((PECA INNER JOIN SUGESTAO_COMPONENTE ON PECA.CodigoSugestao = SUGESTAO_COMPONENTE.CodigoSugestao) "
                       "INNER JOIN PECA_COMPONENTE ON PECA.CodigoPeca = PECA_COMPONENTE.CodigoPeca AND "
                       "SUGESTAO_COMPONENTE.ItemComponenteSugestao = PECA_COMPONENTE.ItemComponente) "
                       "INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente "
                       "WHERE PECA.CodigoPeca=") +
        peca + QStringLiteral(" AND SUGESTAO_COMPONENTE.ItemComponente='") + item +
        QStringLiteral("' AND PECA_COMPONENTE.FlagOpcionalComponente=0 GROUP BY PECA_COMPONENTE.CodigoComponente"
                       " UNION ALL "
                       "SELECT 'JRE' AS Tipo,SUGESTAO_JOGOREPARO.CodigoJogoReparo AS Codigo,"
                       "Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') AS NumeroEmpresa,1 AS QuantidadeInt,"
                       "JOGOREPARO.DescricaoJogoReparo<I> AS Descricao,'") +
        QChar(13) +
        QStringLiteral("' AS Opcional FROM SUGESTAO_JOGOREPARO INNER JOIN JOGOREPARO ON "
                       "SUGESTAO_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo WHERE SUGESTAO_JOGOREPARO.CodigoSugestao=") +
        s + QStringLiteral(" AND SUGESTAO_JOGOREPARO.ItemComponente='") + item +
        QStringLiteral("' AND EXISTS(SELECT 1 FROM PECA_COMPONENTE_JOGOREPARO WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca=") + peca +
        QStringLiteral(" AND PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo=SUGESTAO_JOGOREPARO.CodigoJogoReparo) ORDER BY 3,2");
    sql.replace(QLatin1String("<I>"), Idioma);
    return sql;
}

std::int16_t QuantidadeSugerida(const QVariant& QuantidadeInt)
{
    double v = 1;
    if (!IsNull(QuantidadeInt)) {
        if (QuantidadeInt.typeId() == QMetaType::QString) {
            if (!platform::vb::TextToNumber(QuantidadeInt.toString().toStdString(), &v))
                v = 1;
        } else {
            v = QuantidadeInt.toDouble();
        }
    }
    if (!std::isfinite(v))
        v = 1;
    v = std::floor(v);
    if (v < 1)
        return 1;
    if (v > kQuantidadeSugestaoMaxima)
        return kQuantidadeSugestaoMaxima;
    return std::int16_t(v);
}

bool SugestaoCompra::Carrega(const DatabasePtr& Catalogo, long CodigoPeca, const QString& Item, int Pagina, bool Reset,
                             const QString& Idioma)
{
    RecordsetPtr rs = Catalogo->OpenRecordset(AbreSugestaoCompra(Catalogo, CodigoPeca, Item, Idioma), dbOpenSnapshot);
    const long n = rs->RecordCount();
    const long primeira = long(Pagina - 1) * kLinhasPaginaSugestao;
    if (Pagina < 1 || primeira >= n) {
        rs->Close();
        return false;
    }
    auto linha = [&](long r) {
        return LinhaSugestao{valorTexto(rs->ValueAt(r, 0)), long(platform::vb::CLng(rs->ValueAt(r, 1))), valorTexto(rs->ValueAt(r, 2)),
                             valorTexto(rs->ValueAt(r, 4)), valorTexto(rs->ValueAt(r, 5))};
    };
    if (Reset || std::size_t(n) != m_selecionados.size()) {
        // A fresh list (or one that changed under the panel: it starts again).
        m_selecionados.assign(std::size_t(n), false);
        m_quantidades.clear();
        for (long r = 0; r < n; ++r)
            m_quantidades.push_back(QuantidadeSugerida(rs->ValueAt(r, 3)));
        m_tagSelecionarTodos = QStringLiteral("0");
        m_codigoPeca = CodigoPeca;
        m_item = Item;
        m_pagina.paginas = int((n + kLinhasPaginaSugestao - 1) / kLinhasPaginaSugestao);
    }
    m_pagina.pagina = Pagina;
    m_pagina.linhas.clear();
    for (long r = primeira; r < n && r < primeira + kLinhasPaginaSugestao; ++r)
        m_pagina.linhas.push_back({linha(r), bool(m_selecionados[std::size_t(r)]), QString::number(m_quantidades[std::size_t(r)])});
    rs->Close();
    m_pagina.legenda = QString::number(Pagina) + QLatin1Char('/') + QString::number(m_pagina.paginas);
    m_pagina.dica = Modulo::ObtemTexto(55, Idioma)
                        .replace(QLatin1String("|1|"), QString::number(Pagina))
                        .replace(QLatin1String("|2|"), QString::number(m_pagina.paginas));
    return true;
}

void SugestaoCompra::Guarda(const std::vector<bool>& Marcadas, const QStringList& Quantidades)
{
    const std::size_t primeira = std::size_t(m_pagina.pagina - 1) * kLinhasPaginaSugestao;
    for (std::size_t i = 0; i < m_pagina.linhas.size(); ++i) {
        const std::size_t k = primeira + i;
        if (k >= m_selecionados.size())
            break;
        if (i < Marcadas.size())
            m_selecionados[k] = Marcadas[i];
        if (i < std::size_t(Quantidades.size()))
            m_quantidades[k] = Modulo::ConverteInteiro(Quantidades[qsizetype(i)], m_quantidades[k]);
        m_pagina.linhas[i].marcada = m_selecionados[k];
        m_pagina.linhas[i].quantidade = QString::number(m_quantidades[k]);
    }
}

bool SugestaoCompra::SelecionaTodos()
{
    const bool marcar = m_tagSelecionarTodos != QLatin1String("1");
    std::fill(m_selecionados.begin(), m_selecionados.end(), marcar);
    for (LinhaPaginaSugestao& l : m_pagina.linhas)
        l.marcada = marcar;
    m_tagSelecionarTodos = marcar ? QStringLiteral("1") : QStringLiteral("0");
    return marcar;
}

int SugestaoCompra::PaginaSeguinte(int Indice) const
{
    int q = m_pagina.pagina + (Indice == 0 ? -1 : 1);
    if (q > m_pagina.paginas)
        q = 1;
    if (q < 1)
        q = m_pagina.paginas;
    return q;
}

QString SugestaoCompra::Tag() const { return QString::number(m_codigoPeca) + QLatin1Char('|') + m_item; }

// --- actions -----------------------------------------------------------------

int ValidaQuantidadesSugestao(QStringList& Quantidades)
{
    for (qsizetype i = 0; i < Quantidades.size(); ++i) {
        const QString digitos = Modulo::SomenteDigitos(Quantidades[i]);
        if (digitos != Quantidades[i])
            Quantidades[i] = digitos;
        if (digitos.isEmpty() || digitos.toLongLong() <= 0)
            return int(i);
    }
    return -1;
}

int IncluiSelecionadosSugestao(const SugestaoCompra& Sugestao, const DatabasePtr& Catalogo, const QString& Idioma,
                               const IncluiItem& Incluir, const EfeitoCarrinho& Efeito)
{
    const long peca = Sugestao.CodigoPeca();
    const QString item = Sugestao.Item();
    RecordsetPtr rs = Catalogo->OpenRecordset(AbreSugestaoCompra(Catalogo, peca, item, Idioma), dbOpenSnapshot);
    const std::vector<bool>& marcados = Sugestao.Selecionados();
    const std::vector<std::int16_t>& quantidades = Sugestao.Quantidades();
    int incluidos = 0;
    for (long r = 0; r < rs->RecordCount() && std::size_t(r) < marcados.size(); ++r) {
        if (!marcados[std::size_t(r)])
            continue;
        Incluir(valorTexto(rs->ValueAt(r, 0)), long(platform::vb::CLng(rs->ValueAt(r, 1))), QString::number(quantidades[std::size_t(r)]),
                valorTexto(rs->ValueAt(r, 5)) == QLatin1String(" "), false);
        ++incluidos;
    }
    rs->Close();
    if (incluidos == 0) {
        platform::MsgBox(Modulo::ObtemTexto(16) + QLatin1Char('.'), platform::vbCritical | platform::vbOKOnly,
                         Modulo::ObtemTexto(19));
        return 0;
    }
    // The component that carries the suggestion goes in too, when the item
    // has a regular one.
    RecordsetPtr portador = Catalogo->OpenRecordset(
        QStringLiteral("SELECT CodigoComponente,QuantidadeComponente,Mid(ImagensGrid, 2, 1) AS Opcional FROM PECA_COMPONENTE "
                       "WHERE CodigoPeca = ") +
            QString::number(peca) + QStringLiteral(" AND ItemComponente = '") + Modulo::TextoSQL(item) +
            QStringLiteral("' AND FlagOpcionalComponente = 0"),
        dbOpenSnapshot);
    if (!portador->EOF_())
        Incluir(QStringLiteral("COM"), long(platform::vb::CLng(portador->Value(0))), valorTexto(portador->Value(1)),
                valorTexto(portador->Value(2)) == QLatin1String(" "), false);
    portador->Close();
    if (Efeito)
        Efeito();
    return incluidos;
}

QString ItemOpcionalSugestao(const DatabasePtr& Catalogo, long CodigoPeca, const QString& Item, long Componente)
{
    const QString sql =
        QStringLiteral("SELECT SUGESTAO_COMPONENTE.ItemComponenteSugestao FROM (PECA INNER JOIN SUGESTAO_COMPONENTE ON "
                       "PECA.CodigoSugestao = SUGESTAO_COMPONENTE.CodigoSugestao) INNER JOIN PECA_COMPONENTE ON "
                       "PECA.CodigoPeca = PECA_COMPONENTE.CodigoPeca AND SUGESTAO_COMPONENTE.ItemComponenteSugestao = "
                       "PECA_COMPONENTE.ItemComponente WHERE PECA.CodigoPeca=") +
        QString::number(CodigoPeca) + QStringLiteral(" AND SUGESTAO_COMPONENTE.ItemComponente='") +
        Modulo::PreparaTextoPesquisa(Item, false) + QStringLiteral("' AND PECA_COMPONENTE.CodigoComponente=") +
        QString::number(Componente) +
        QStringLiteral(" AND PECA_COMPONENTE.FlagOpcionalComponente=0 AND Mid(PECA_COMPONENTE.ImagensGrid, 2, 1)=' '");
    return valorTexto(Modulo::ObtemValorSQL(sql, Catalogo, QString()));
}

QString SolicitacaoOpcionaisSugestao(long CodigoPeca, long Componente, const QString& ItemSugerido)
{
    return QStringLiteral("4|") + QString::number(CodigoPeca) + QLatin1Char('|') + QString::number(Componente) +
           QLatin1Char('|') + ItemSugerido + QStringLiteral("|0");
}

// --- placement -------------------------------------------------------------------

QPoint PosicaoSugestaoFigura(const LugarFigura& l)
{
    int esquerda;
    if (l.larguraJanela > 975)
        esquerda = 800;
    else if (l.esquerdaRotulo > l.figura.left() + l.figura.width() / 2.0)
        esquerda = l.esquerdaTela + l.figura.left();
    else
        esquerda = 799 - kLarguraPainelSugestao;
    const int topo = l.jogoReparoVisivel ? l.jogoReparo.top() + l.jogoReparo.height() + 2 : l.figura.top();
    return {esquerda, topo};
}

QPoint PosicaoSugestaoGrade(const LugarGrade& l)
{
    if (l.larguraJanela > 975)
        return {800, l.topoGrade};
    int topo;
    if (l.barraOculta)
        topo = 140;
    else if (l.topoGrade + l.topoBarra + kAlturaPainelSugestao + 18 > l.alturaJanela)
        topo = l.topoGrade + l.topoBarra - kAlturaPainelSugestao - 2;
    else
        topo = l.topoGrade + l.topoBarra + 18;
    return {455, topo};
}

QPoint CentroPainelSugestao(const QRect& r)
{
    return {arredondaPar(r.left() + r.width() / 2.0), arredondaPar(r.top() + r.height() / 2.0)};
}

QPoint LimitaPainelSugestao(QPoint p, const QSize& Janela, const QSize& Painel)
{
    p.setX(std::max(0, std::min(p.x(), Janela.width() - Painel.width())));
    p.setY(std::max(0, std::min(p.y(), Janela.height() - Painel.height())));
    return p;
}

}  // namespace Comparacao
