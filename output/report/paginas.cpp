// The page header of every report page and the figure page.
#include "output/report/saida.h"

#include "output/report/figuras.h"

#include "core/database.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/base/error.h"

#include <QElapsedTimer>
#include <QSet>

#include <cmath>

namespace saida {

namespace {
const QString kInf = QStringLiteral("<mInf>");
}

platform::dao::RecordsetPtr Saida::Consulta(const QString& sql)
{
    QElapsedTimer relogio;
    relogio.start();
    platform::dao::RecordsetPtr rs = Modulo::AbreConsulta(sql, nullptr, platform::dao::dbOpenForwardOnly);
    m_tempos.consultas += relogio.nsecsElapsed() / 1e9;
    return rs;
}

QVariant Saida::Valor(const QString& sql, const QVariant& padrao)
{
    QElapsedTimer relogio;
    relogio.start();
    const QVariant v = Modulo::ObtemValorSQL(sql, {}, padrao);
    m_tempos.consultas += relogio.nsecsElapsed() / 1e9;
    return v;
}

QString Saida::Lista(const QString& sql, const QString& separador)
{
    QElapsedTimer relogio;
    relogio.start();
    const QString v = Modulo::ObtemListaSQL(sql, {}, separador);
    m_tempos.consultas += relogio.nsecsElapsed() / 1e9;
    return v;
}

void Saida::ImprimeCabecalho(const QString& sTitulo, const QString& sSubTitulo, int sLinha)
{
    // A page of its own records that it was started, so a header whose
    // assembly title is empty still ends the page before it.
    if (m_paginaIniciada)
        NovaPagina();
    m_paginaIniciada = true;
    if (mCabecalhoPagina.isEmpty())
        mCabecalhoPagina = sSubTitulo == kInf ? Modulo::ObtemTituloItem(QStringLiteral("PCA"), CodigoPecaSaida)
                                              : QStringLiteral(" ");

    Superficie& d = *mDispositivoSaida;
    d.SetCurrentY(U(sLinha == -1 ? mMargemSuperior : sLinha));
    d.SetFontSize(12);
    d.SetCurrentX(U(mMargemEsquerda));
    d.Print(Modulo::ObtemTexto(19) + QStringLiteral("     3.2     ") + Modulo::gTextoDataEmissao, true);

    d.SetFontSize(10);
    d.SetCurrentX(U(mMargemEsquerda));
    d.Print(sTitulo, true);

    if (sSubTitulo == kInf) {
        d.SetCurrentX(U(mMargemEsquerda));
        d.Print(mCabecalhoPagina, true);
    } else if (!sSubTitulo.trimmed().isEmpty()) {
        d.SetCurrentX(U(mMargemEsquerda));
        d.Print(sSubTitulo, true);
    }

    d.SetFontSize(7);
    d.SetCurrentX(U(mMargemEsquerda));
    d.Print(QString::number(NumeroPagina()), true);
}

void Saida::ImprimeFigura(long sCodigoPeca, int sNumeroParte)
{
    Superficie& d = *mDispositivoSaida;
    const QColor cor = d.ForeColor();
    platform::dao::RecordsetPtr rs;
    try {
        const QString sql =
            QStringLiteral("SELECT ") + QStringLiteral("FIGURADETALHADA1.ArquivoFigura,") +
            QStringLiteral("IIf(IsNull(FIGURADETALHADA1.ItemComponenteResumido), FIGURADETALHADA1.ItemComponente, "
                           "FIGURADETALHADA1.ItemComponenteResumido)") +
            QStringLiteral(" AS ItemFigura,") + QStringLiteral("FIGURADETALHADA1.PosicaoLeft,") +
            QStringLiteral("FIGURADETALHADA1.PosicaoTop,") + QStringLiteral("PECA_COMPONENTE.ItemComponente AS ItemAplicavel ") +
            QStringLiteral("FROM ") + QStringLiteral("FIGURADETALHADA1 ") +
            QStringLiteral("LEFT JOIN PECA_COMPONENTE ON (FIGURADETALHADA1.CodigoPeca     = PECA_COMPONENTE.CodigoPeca) AND ") +
            QStringLiteral("(FIGURADETALHADA1.ItemComponente = PECA_COMPONENTE.ItemComponente) ") + QStringLiteral("WHERE ") +
            QStringLiteral("FIGURADETALHADA1.CodigoPeca = ") + QString::number(sCodigoPeca) + QStringLiteral(" ") +
            QStringLiteral("AND ") + QStringLiteral("FIGURADETALHADA1.NumeroParte = ") + QString::number(sNumeroParte);
        rs = Consulta(sql);
        if (rs->EOF_()) {
            Modulo::FechaConsulta(rs);
            d.SetForeColor(cor);
            d.SetFontItalic(false);
            return;
        }

        ImprimeCabecalho(Modulo::ObtemTexto(22), kInf, -1);

        d.SetFontSize(8);
        // Device units per drawing pixel, halves to the even neighbour.
        const int k = int(std::nearbyint(4.0 * mEscalaSaida));
        d.SetCurrentX(U(mMargemEsquerda));
        d.SetCurrentY(d.CurrentY() + U(300));
        const double px = std::round(d.CurrentX());
        const double py = std::round(d.CurrentY());

        const QImage desenho = CarregaDesenho(rs->Value(QStringLiteral("ArquivoFigura")).toString());
        d.PaintPicture(desenho, px, py, double(k) * desenho.width(), double(k) * desenho.height());

        // The drawings carry no numbers: the labels are written over them
        // at their stored places, at the ends of the drawing's leaders.  An
        // item with two component rows comes twice out of the join; its
        // label is written once (a second copy on top would thicken it).
        QSet<QString> escritos;
        for (; !rs->EOF_(); rs->MoveNext()) {
            const double x = px + k * rs->Value(QStringLiteral("PosicaoLeft")).toDouble();
            const double y = py + k * rs->Value(QStringLiteral("PosicaoTop")).toDouble();
            const QString rotulo = rs->Value(QStringLiteral("ItemFigura")).toString();
            const QString chave = QStringLiteral("%1|%2|").arg(x).arg(y) + rotulo;
            if (escritos.contains(chave))
                continue;
            escritos.insert(chave);
            d.SetCurrentX(x);
            d.SetCurrentY(y);
            if (platform::dao::IsNull(rs->Value(QStringLiteral("ItemAplicavel")))) {
                d.SetForeColor(QColor(0x80, 0x80, 0x80));
                d.SetFontItalic(true);
            } else {
                d.SetForeColor(cor);
                d.SetFontItalic(false);
            }
            d.Print(rotulo, true);
        }
        Modulo::FechaConsulta(rs);
        d.SetForeColor(cor);
        d.SetFontItalic(false);
    } catch (const platform::Error& e) {
        Modulo::FechaConsulta(rs);
        d.SetForeColor(cor);
        d.SetFontItalic(false);
        FalhaPagina(e);
    }
}

}  // namespace saida
