// The start, presentation and pump-table screens of the main window, and the
// Forward button's dispatch.
#include "mainwindow/frmTQ1.h"

#include "core/janelas.h"
#include "platform/base/doevents.h"

using Modulo::Ampulheta;

void frmTQ1::MostraSubTitulo(const QString& Texto, bool Visivel)
{
    lblSubTitulo->setText(Texto);
    pctTitulo->setVisible(Visivel);
}

// ---- Start screen ------------------------------------------------------

void frmTQ1::MostraInicio(quint8 Origem)
{
    switch (Origem) {
    case 1: EscondePesquisaPecas(); break;
    case 2: EscondePesquisaVeiculos(); break;
    case 3: EscondeListaPecas(); break;
    case 4:
    case 5:
    case 8: FechaConjunto(); break;
    case 9: EscondeSelecaoComparacao(); break;
    default: break;
    }
    mHistoricoTelas = QStringLiteral("0");
    CarregaImagensTela(QStringLiteral("C"), 0);
    pctTela[0]->show();
    AjustaBotoesNavegacao(0);
}

void frmTQ1::EscondeInicio()
{
    AjustaBotoesNavegacao(200);
    pctTela[0]->hide();
    CarregaImagensTela(QStringLiteral("D"), 0);
}

void frmTQ1::imgComparar_Click()
{
    Ampulheta ampulheta;
    MostraSelecaoComparacao(0);
}

// ---- Presentation ---------------------------------------------------------

void frmTQ1::imgApresentacao_Click()
{
    if (CodigoTelaAtual() == 6)
        return;
    Ampulheta ampulheta;
    MostraApresentacao(1, false);
}

void frmTQ1::MostraApresentacao(quint8 Pagina, bool Voltando)
{
    if (!Voltando)
        mHistoricoTelas += QLatin1Char('6');
    pctTela[6]->SetTag(QString::number(Pagina));
    pctTela[6]->hide();
    pctTela[6]->raise();
    pctLogoVelmora->raise();
    pctMinimizar->raise();
    CarregaImagensTela(QStringLiteral("C"), 6);
    pctTela[6]->show();
    AjustaBotoesNavegacao(6);
    platform::DoEvents();
    pctTela[6]->setFocus();
}

void frmTQ1::EscondeApresentacao()
{
    AjustaBotoesNavegacao(200);
    pctTela[6]->hide();
    CarregaImagensTela(QStringLiteral("D"), 6);
}

void frmTQ1::ProximaPaginaApresentacao()
{
    // The last page has no next one (its Forward button is hidden).
    const int pagina = pctTela[6]->Tag().toInt();
    if (pagina >= 3)
        return;
    EscondeApresentacao();
    MostraApresentacao(static_cast<quint8>(pagina + 1), false);
}

// ---- Pump tables ----------------------------------------------------------

void frmTQ1::imgBombas_Click()
{
    Ampulheta ampulheta;
    MostraBombas();
}

void frmTQ1::MostraBombas()
{
    mHistoricoTelas += QLatin1Char('7');
    pctTela[7]->hide();
    pctTela[7]->raise();
    pctTitulo->raise();
    pctMinimizar->raise();
    CarregaImagensTela(QStringLiteral("C"), 7);
    MostraSubTitulo(QString(), true);
    pctTela[7]->show();
    AjustaBotoesNavegacao(7);
    platform::DoEvents();
    pctTela[7]->setFocus();
}

void frmTQ1::EscondeBombas()
{
    AjustaBotoesNavegacao(200);
    pctTela[7]->hide();
    MostraSubTitulo(QString(), false);
    CarregaImagensTela(QStringLiteral("D"), 7);
}

// ---- Forward -----------------------------------------------------------

void frmTQ1::imgAvancar_Click()
{
    // Forward's common frame: pending messages run, the hourglass, the
    // branch of the current screen, the default pointer.
    platform::DoEvents();
    Ampulheta ampulheta;
    const int tela = CodigoTelaAtual();
    if (tela == 6) {
        ProximaPaginaApresentacao();
        return;
    }
    if (const auto& f = RegistroTQ1::Global().imgAvancar_Click[static_cast<std::size_t>(tela)])
        f(*this);
}
