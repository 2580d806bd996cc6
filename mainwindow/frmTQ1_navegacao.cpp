// Navigation history, the toolbar's button rule, Back, Home, Table, Exit,
// help, the filter catalogue and the hover highlight of the main window.
#include "mainwindow/frmTQ1.h"

#include "core/globals.h"
#include "core/help.h"
#include "core/janelas.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "platform/base/doevents.h"
#include "platform/base/error.h"
#include "platform/desktop/fileopener.h"
#include "platform/desktop/messagebox.h"

#include <QHash>

namespace {

using Modulo::Ampulheta;

void MostraErroCritico(const platform::Error& e)
{
    platform::MsgBox(Modulo::ObtemTexto(21) + QStringLiteral(": ") + QString::number(e.number()) +
                         QStringLiteral("\r\n") + e.description(),
                     platform::vbCritical, Modulo::ObtemTexto(19));
}

// The box of a filter catalogue that could not be opened (result code of the
// file opener, 32 or less).
void MostraFalhaFiltros(const QString& caminho, int resultado)
{
    const QString texto = QStringLiteral("( ") + Modulo::ObtemTexto(36).toUpper() + QStringLiteral(" )\r\n\r\n( ") +
                          caminho + QStringLiteral(" )\r\n\r\n") + Modulo::ObtemTexto(21) + QStringLiteral(": (") +
                          QString::number(resultado) + QStringLiteral(")\r\n") + Modulo::RazaoFalhaAbertura(resultado);
    platform::MsgBox(texto, platform::vbCritical, Modulo::ObtemTexto(19));
}

}  // namespace

// ---- Buttons by screen -------------------------------------------------------

void frmTQ1::AjustaBotoesNavegacao(int Codigo)
{
    bool avancar = false, voltar = false, tabela = false, figura = false, imprimir = false;
    switch (Codigo) {
    case 1:
    case 2:
    case 3: avancar = voltar = true; break;
    case 4: voltar = tabela = imprimir = true; break;
    case 5: voltar = figura = imprimir = true; break;
    case 6:
        avancar = pctTela[6]->Tag() != QLatin1String("3");
        voltar = true;
        break;
    case 7: voltar = true; break;
    case 8: voltar = imprimir = true; break;
    case 9: avancar = voltar = true; break;
    default: break;
    }
    const struct {
        Imagem* botao;
        Imagem* destaque;
        const char* chave;
        bool visivel;
    } regra[] = {
        {imgAvancar, imgAvancarSelecionada, "AVANCAR", avancar},
        {imgVoltar, imgVoltarSelecionada, "VOLTAR", voltar},
        {imgTabela, imgTabelaSelecionada, "TABELA", tabela},
        {imgFigura, imgFiguraSelecionada, "FIGURA", figura},
        {imgImprimir, imgImprimirSelecionada, "IMPRIMIR", imprimir},
        {imgInicio, imgInicioSelecionada, "INICIO", Codigo != 0},
        // The main window never offers its file and e-mail modes.
        {imgGerarArquivo, imgGerarArquivoSelecionada, "GERARARQUIVO", false},
        {imgEnviarEmail, imgEnviarEmailSelecionada, "ENVIAREMAIL", false},
    };
    for (const auto& r : regra) {
        r.botao->setVisible(r.visivel);
        // A hidden button takes its highlight with it.
        if (!r.visivel) {
            r.destaque->hide();
            if (mChaveDestaque == QLatin1String(r.chave))
                mChaveDestaque = QStringLiteral("FORM");
        }
    }
}

// ---- Hover highlight ------------------------------------------------------

QWidget* frmTQ1::ObtemControleDestaque(const QString& Chave) const
{
    // Keys are the control's name without "img", upper-cased; the twin is the
    // name with "Selecionada".
    static const QHash<QString, QString> gemeos = [] {
        QHash<QString, QString> h;
        for (const char* n : {"Avancar", "Voltar", "Figura", "Tabela", "Imprimir", "GerarArquivo", "EnviarEmail",
                              "Inicio", "Lista", "Atualizacao", "Apresentacao", "Ajuda", "Sair", "Pesquisa0",
                              "Pesquisa1", "Filtros", "Bombas", "Comparar", "ChkEixos", "ChkTransmissoes",
                              "ChkJogosReparo", "ChkComponentes", "Pesquisa0Comp1", "Pesquisa1Comp1", "Pesquisa0Comp2",
                              "Pesquisa1Comp2"})
            h.insert(QString::fromLatin1(n).toUpper(),
                     QStringLiteral("img") + QString::fromLatin1(n) + QStringLiteral("Selecionada"));
        h.insert(QStringLiteral("ICOATUALIZAR"), QStringLiteral("imgIcoAtualizarSel"));
        return h;
    }();
    const auto it = gemeos.constFind(Chave);
    if (it != gemeos.constEnd())
        return Controle(*it);
    if (Chave == QLatin1String(">THGRID1"))
        return grdTHGrid1;
    if (Chave == QLatin1String(">THCOMBO1"))
        return cboTHCombo1;
    if (Chave == QLatin1String(">THCOMBO2"))
        return cboTHCombo2;
    for (int i = 0; i < 4; ++i)
        if (Chave == QStringLiteral("OPSUGESTAO%1").arg(i))
            return imgOpcionalSugS[i];
    if (Chave.startsWith(QLatin1String("PARTEFIGURA")))
        return imgQuadradoParteSelecionada;
    return nullptr;
}

void frmTQ1::DestacaControle(const QString& Chave)
{
    if (Chave == mChaveDestaque)
        return;
    // Leave the old key.
    if (mChaveDestaque != QLatin1String("FORM")) {
        QWidget* antigo = ObtemControleDestaque(mChaveDestaque);
        if (mChaveDestaque.startsWith(QLatin1Char('>'))) {
            if (auto* g = qobject_cast<THGrid*>(antigo))
                g->ApagaSelecao();
            else if (auto* c = qobject_cast<THCombo*>(antigo))
                c->ApagaSelecao();
        } else {
            if (antigo)
                antigo->hide();
            if (mChaveDestaque.startsWith(QLatin1String("PARTEFIGURA"))) {
                lblDescricaoParteFigura->setText(lblDescricaoParteFigura->Tag());
                lblDescricaoParteFigura->SetForeColor(0xA5743A);
            }
        }
    }
    // Enter the new key.
    if (Chave != QLatin1String("FORM") && !Chave.startsWith(QLatin1Char('>'))) {
        if (QWidget* novo = ObtemControleDestaque(Chave)) {
            novo->raise();
            novo->show();
        }
        if (Chave.startsWith(QLatin1String("PARTEFIGURA")))
            lblDescricaoParteFigura->SetForeColor(0x808080);
    }
    mChaveDestaque = Chave;
}

// ---- Back, Home, Table, Exit ----------------------------------------------

void frmTQ1::imgVoltar_Click()
{
    platform::DoEvents();
    Ampulheta ampulheta;
    if (mHistoricoTelas.size() < 2)
        return;
    const int atual = mHistoricoTelas.back().digitValue();
    const int abaixo = mHistoricoTelas.at(mHistoricoTelas.size() - 2).digitValue();
    mHistoricoTelas.chop(1);

    // The pump tables and the first presentation page lie over the screen
    // below, which was never hidden.
    if (atual == 7 || (atual == 6 && abaixo != 6)) {
        if (atual == 7)
            EscondeBombas();
        else
            EscondeApresentacao();
        CarregaImagensTela(QStringLiteral("C"), abaixo);
        AjustaBotoesNavegacao(abaixo);
        return;
    }

    // Remember the selection of the screen left.
    switch (atual) {
    case 1: {
        const auto rs = dtcTHGrid1->Recordset();
        if (!rs || rs->BOF() || rs->EOF_()) {
            mTipoSelecionado.clear();
            mCodigoSelecionado = -5;
        } else {
            // A Null kind is stored as "".
            mTipoSelecionado = rs->Fields(QStringLiteral("Tipo")).Text();
            mCodigoSelecionado = rs->Value(QStringLiteral("Codigo")).toLongLong();
        }
        GuardaFiltrosPesquisa();
        break;
    }
    case 2: {
        const auto rs = dtcTHGrid1->Recordset();
        mCodigoVeiculo = (!rs || rs->BOF() || rs->EOF_()) ? -5 : rs->Value(QStringLiteral("Codigo")).toLongLong();
        const auto fab = dtcTHCombo1->Recordset();
        if (fab && !fab->BOF() && !fab->EOF_())
            mCodigoFabricante = fab->Value(QStringLiteral("CodigoFabricante")).toLongLong();
        break;
    }
    case 6: EscondeApresentacao(); break;
    default: break;
    }

    // Show the screen below, telling it which one is left.
    switch (abaixo) {
    case 0: MostraInicio(static_cast<quint8>(atual)); break;
    case 1: MostraPesquisaPecas(static_cast<quint8>(atual)); break;
    case 2: MostraPesquisaVeiculos(static_cast<quint8>(atual)); break;
    case 3: MostraListaPecas(static_cast<quint8>(atual), mTipoItemLista, mCodigoItemLista); break;
    case 6: {
        const int pagina = pctTela[6]->Tag().toInt() - 1;
        MostraApresentacao(static_cast<quint8>(std::max(1, pagina)), true);
        break;
    }
    case 9: MostraSelecaoComparacao(static_cast<quint8>(atual)); break;
    default: break;
    }
}

void frmTQ1::imgInicio_Click()
{
    QChar c = mHistoricoTelas.isEmpty() ? QLatin1Char('0') : mHistoricoTelas.back();
    if (c == QLatin1Char('0'))
        return;
    if (c == QLatin1Char('7'))
        EscondeBombas();
    if (c == QLatin1Char('6')) {
        while (mHistoricoTelas.endsWith(QLatin1Char('6')))
            mHistoricoTelas.chop(1);
        c = mHistoricoTelas.isEmpty() ? QLatin1Char('0') : mHistoricoTelas.back();
        EscondeApresentacao();
    }
    if (c != QLatin1Char('0')) {
        mHistoricoTelas = QStringLiteral("0") + c;
        imgVoltar_Click();
    } else {
        mHistoricoTelas = QStringLiteral("0");
        AjustaBotoesNavegacao(0);
    }
}

void frmTQ1::imgTabela_Click()
{
    Ampulheta ampulheta;
    const auto kits = dtcTHCombo2->Recordset();
    if (kits && !kits->BOF() && !kits->EOF_())
        mCodigoJogoReparoFigura = kits->Value(QStringLiteral("CodigoJogoReparo")).toLongLong();
    if (mCodigoPecaComparacao < 1)
        MostraComponentes(4);
    else
        MostraComparacao(4);
}

void frmTQ1::imgSair_Click() { close(); }

// ---- Help and the filter catalogue ---------------------------------------

void frmTQ1::imgAjuda_Click()
{
    try {
        Modulo::AbreAjuda(static_cast<short>(CodigoTelaAtual()));
    } catch (const platform::Error& e) {
        Modulo::DefinePonteiroTela(Modulo::vbDefault);
        MostraErroCritico(e);
    }
}

void frmTQ1::imgFiltros_Click()
{
    const QString caminho = Modulo::gCaminhoDados + QStringLiteral("FLTRS.PDF");
    try {
        int resultado = 0;
        {
            Ampulheta ampulheta;
            resultado = platform::fileOpener().Open(
                caminho, [caminho](int tardio) { MostraFalhaFiltros(caminho, tardio); });
        }
        if (resultado <= 32)
            MostraFalhaFiltros(caminho, resultado);
    } catch (const platform::Error& e) {
        Modulo::DefinePonteiroTela(Modulo::vbDefault);
        MostraErroCritico(e);
    }
}
