#include "core/crossref.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "platform/base/error.h"
#include "platform/dao/dao.h"
#include "platform/desktop/color.h"
#include "platform/desktop/units.h"

#include <QFont>
#include <QMap>
#include <QPalette>

namespace Modulo {
namespace {

using platform::twipsToPixels;

// Geometry of one origin's panel, in twips.
struct Medidas {
    int linhas;
    int larguraNumero;
    int larguraNome;
    int fimLinha;
    int larguraPainel;
    int alturaPainel;
};

bool medidas(int origem, Medidas& m)
{
    switch (origem) {
    case kOrigemResultadoPesquisa: m = {9, 1755, 1665, 1770, 1845, 5865}; return true;
    case kOrigemListaPecas: m = {6, 1755, 1665, 1770, 1845, 3570}; return true;
    case kOrigemTabelaComponentes: m = {9, 1605, 1515, 1620, 1695, 5610}; return true;
    case kOrigemComparacao: m = {8, 1650, 1560, 1665, 1740, 5100}; return true;
    case kOrigemJogosReparo:
    case kOrigemOpcionais: m = {7, 1650, 1560, 1665, 1740, 4335}; return true;
    default: return false;
    }
}

// Control-name suffix of each origin's arrays.
QString sufixo(int origem)
{
    switch (origem) {
    case kOrigemListaPecas: return QStringLiteral("R");
    case kOrigemTabelaComponentes: return QStringLiteral("T");
    case kOrigemComparacao: return QStringLiteral("C");
    case kOrigemOpcionais: return QStringLiteral("O");
    default: return {};
    }
}

QMap<int, PainelReferencia>& paineis()
{
    static QMap<int, PainelReferencia> mapa;
    return mapa;
}

[[noreturn]] void origemInvalida(int origem)
{
    throw platform::Error(platform::errors::InvalidProcedureCall,
                          QStringLiteral("Invalid procedure call: no cross-reference panel has origin %1").arg(origem),
                          QStringLiteral("Modulo"));
}

template <typename T>
void defineTexto(const QPointer<T>& w, const QString& t)
{
    if (w)
        w->setText(t);
}

void defineNegrito(const QPointer<QLabel>& w, bool negrito)
{
    if (!w)
        return;
    QFont f = w->font();
    if (f.bold() != negrito) {
        f.setBold(negrito);
        w->setFont(f);
    }
}

void defineVisivel(const QPointer<QFrame>& w, bool visivel)
{
    if (w)
        w->setVisible(visivel);
}

}  // namespace

bool OrigemReferenciaValida(int Origem)
{
    Medidas m{};
    return medidas(Origem, m);
}

int LinhasPainelReferencia(int Origem)
{
    Medidas m{};
    return medidas(Origem, m) ? m.linhas : 0;
}

PainelReferencia CriaPainelReferencia(int Origem, QWidget* pai)
{
    Medidas m{};
    if (!medidas(Origem, m))
        origemInvalida(Origem);
    const QString s = sufixo(Origem);

    PainelReferencia p;
    auto* painel = new QWidget(pai);
    painel->setObjectName(QStringLiteral("pctPainelRef"));
    painel->resize(twipsToPixels(m.larguraPainel), twipsToPixels(m.alturaPainel));
    painel->setAutoFillBackground(true);
    QPalette pal = painel->palette();
    pal.setColor(QPalette::Window, platform::colorFromBgr(0xFAF1EC));
    painel->setPalette(pal);
    p.pctPainelRef = painel;

    QFont fonteNome;
    fonteNome.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    fonteNome.setPointSizeF(6.75);

    for (int i = 0; i < m.linhas; ++i) {
        auto* numero = new QLabel(painel);
        numero->setObjectName(QStringLiteral("lblNumeroFabricanteRef%1_%2").arg(s).arg(i));
        numero->setGeometry(twipsToPixels(90), twipsToPixels(105 + 585 * i), twipsToPixels(m.larguraNumero),
                            twipsToPixels(240));
        p.lblNumeroFabricanteRef.emplace_back(numero);

        auto* nome = new QLabel(painel);
        nome->setObjectName(QStringLiteral("lblFabricanteRef%1_%2").arg(s).arg(i));
        nome->setGeometry(twipsToPixels(105), twipsToPixels(360 + 585 * i), twipsToPixels(m.larguraNome),
                          twipsToPixels(255));
        nome->setFont(fonteNome);
        p.lblFabricanteRef.emplace_back(nome);

        if (i + 1 < m.linhas) {
            // Line i lies below row i.
            auto* linha = new QFrame(painel);
            linha->setObjectName(QStringLiteral("linRef%1_%2").arg(s).arg(i));
            linha->setFrameShape(QFrame::NoFrame);
            linha->setAutoFillBackground(true);
            QPalette pl = linha->palette();
            pl.setColor(QPalette::Window, platform::colorFromBgr(0xC0C0C0));
            linha->setPalette(pl);
            const int x1 = twipsToPixels(75);
            linha->setGeometry(x1, twipsToPixels(600 + 585 * i), twipsToPixels(m.fimLinha) - x1, 1);
            p.linRef.emplace_back(linha);
        }
    }
    return p;
}

void RegistraPainelReferencia(int Origem, const PainelReferencia& painel)
{
    if (!OrigemReferenciaValida(Origem))
        origemInvalida(Origem);
    paineis().insert(Origem, painel);
}

void RemovePainelReferencia(int Origem) { paineis().remove(Origem); }

void ExibeReferenciaCruzada(int Origem, const QString& NumeroEmpresa, const QString& FiltroFabricantes)
{
    if (gEdicao == QLatin1String("M"))
        return;
    if (!OrigemReferenciaValida(Origem))
        origemInvalida(Origem);
    const auto it = paineis().constFind(Origem);
    if (it == paineis().constEnd())
        return;
    const PainelReferencia& p = *it;

    const QString filtro = FiltroFabricantes.isEmpty()
                               ? QString()
                               : QStringLiteral("AND REFERENCIACRUZADA.CodigoFabricante IN (") + FiltroFabricantes +
                                     QStringLiteral(") ");

    QString destaque = QStringLiteral("0");
    QString ordemDestaque;
    const bool temCaixa = Origem == kOrigemResultadoPesquisa || Origem == kOrigemTabelaComponentes;
    if (temCaixa && p.txtNumeroFabricante) {
        const QString x = NormalizaNumeroFabricante(p.txtNumeroFabricante->text());
        if (!x.isEmpty()) {
            destaque = QStringLiteral("IIF(REFERENCIACRUZADA.NumeroFabricante LIKE '*") + x + QStringLiteral("*',1,0)");
            ordemDestaque =
                QStringLiteral("IIF(REFERENCIACRUZADA.NumeroFabricante LIKE '*") + x + QStringLiteral("*',0,1),");
        }
    }

    QString sql = QStringLiteral(
                      "SELECT IIF(Left(FABRICANTE.DescricaoFabricante<I>,15)='DaimlerChrysler','DaimlerChrysler',"
                      "FABRICANTE.DescricaoFabricante<I>) AS DescricaoFabricante,REFERENCIACRUZADA.NumeroFabricante,") +
                  destaque +
                  QStringLiteral(" AS CorDestaque FROM REFERENCIACRUZADA INNER JOIN FABRICANTE ON "
                                 "REFERENCIACRUZADA.CodigoFabricante = FABRICANTE.CodigoFabricante WHERE "
                                 "REFERENCIACRUZADA.NumeroEmpresa = '") +
                  TextoSQL(NumeroEmpresa) + QStringLiteral("' ") + filtro + QStringLiteral("ORDER BY ") +
                  ordemDestaque + QStringLiteral("1,2");
    sql.replace(QStringLiteral("<I>"), gIdioma);

    platform::dao::RecordsetPtr rs;
    // An empty number has no cross references: the panel is only cleared.
    if (!NumeroEmpresa.isEmpty())
        rs = AbreConsulta(sql, nullptr, platform::dao::dbOpenForwardOnly);
    try {
        const size_t linhas = p.lblFabricanteRef.size();
        for (size_t m = 0; m < linhas; ++m) {
            const QPointer<QLabel> numero = m < p.lblNumeroFabricanteRef.size() ? p.lblNumeroFabricanteRef[m]
                                                                                 : QPointer<QLabel>();
            const QPointer<QFrame> linhaAcima = m > 0 && m - 1 < p.linRef.size() ? p.linRef[m - 1] : QPointer<QFrame>();
            if (rs && !rs->EOF_()) {
                // A Null name or number shows as an empty label.
                const QVariant nome = rs->Value(0);
                const QVariant num = rs->Value(1);
                const QVariant cor = rs->Value(2);
                defineTexto(p.lblFabricanteRef[m], platform::dao::IsNull(nome) ? QString() : nome.toString());
                defineTexto(numero, platform::dao::IsNull(num) ? QString() : num.toString());
                defineNegrito(numero, !platform::dao::IsNull(cor) && cor.toInt() == 1);
                if (m > 0)
                    defineVisivel(linhaAcima, true);
                rs->MoveNext();
            } else {
                defineTexto(p.lblFabricanteRef[m], QString());
                defineTexto(numero, QString());
                defineNegrito(numero, false);
                if (m > 0)
                    defineVisivel(linhaAcima, false);
            }
        }
    } catch (...) {
        FechaConsulta(rs);
        throw;
    }
    FechaConsulta(rs);
}

QString ObtemFabricantesPeca(long CodigoPeca, long CodigoPeca2)
{
    QString sql = QStringLiteral("SELECT DISTINCT VEICULO.CodigoFabricante FROM VEICULO_PECA INNER JOIN VEICULO ON "
                                 "VEICULO_PECA.CodigoVeiculo = VEICULO.CodigoVeiculo WHERE VEICULO_PECA.CodigoPeca=") +
                  QString::number(CodigoPeca);
    if (CodigoPeca2 > 0)
        sql += QStringLiteral(" OR VEICULO_PECA.CodigoPeca=") + QString::number(CodigoPeca2);
    // ObtemListaSQL leaves Null codes out, so no caller builds "IN (3,,5)".
    return ObtemListaSQL(sql, {}, QStringLiteral(","));
}

long ObtemFabricantePeca(long CodigoPeca)
{
    const QString sql = QStringLiteral("SELECT DISTINCT VEICULO.CodigoFabricante FROM VEICULO_PECA INNER JOIN VEICULO "
                                       "ON VEICULO_PECA.CodigoVeiculo = VEICULO.CodigoVeiculo WHERE "
                                       "VEICULO_PECA.CodigoPeca = ") +
                        QString::number(CodigoPeca);
    // The first code that is not Null: a vehicle without a manufacturer does
    // not hide the manufacturers of the others.
    const QString lista = ObtemListaSQL(sql, {}, QStringLiteral(","));
    if (lista.isEmpty())
        return -1;
    bool ok = false;
    const long codigo = lista.section(QLatin1Char(','), 0, 0).toLong(&ok);
    return ok ? codigo : -1;
}

}  // namespace Modulo
