// The window definition of frmTQ1: every control of every screen, made once
// with its container, name, index, creation rectangle, visibility and look,
// and the wiring of the frame's own event handlers.
#include "mainwindow/frmTQ1.h"

#include "core/crossref.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/janelaprincipal.h"
#include "core/janelas.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "platform/desktop/color.h"

#include <QApplication>

namespace {

// The design's colours (&HBBGGRR).
constexpr long kCorPapel = 0xFEF9F3;     // panels and lists
constexpr long kCorMarca = 0x914537;     // captions
constexpr long kCorAco = 0xA5743A;       // figure-part description
constexpr long kCorPainelSug = 0xF4E4DC; // floating panels

QPixmap desenho(const QString& nome) { return QPixmap(QStringLiteral(":/tq/G/") + nome); }

// Runs a handler of the frame inside the one guard.
template <typename F>
auto guardado(F f)
{
    return [f]() { Modulo::Guarda(f); };
}

}  // namespace

template <typename T>
T* frmTQ1::registra(T* controle, const QString& nome, int indice)
{
    const QString chave = indice < 0 ? nome : QStringLiteral("%1(%2)").arg(nome).arg(indice);
    controle->setObjectName(chave);
    m_controles.insert(chave, controle);
    return controle;
}

QWidget* frmTQ1::Controle(const QString& nome, int indice) const
{
    return m_controles.value(indice < 0 ? nome : QStringLiteral("%1(%2)").arg(nome).arg(indice));
}

Imagem* frmTQ1::criaImagem(QWidget* pai, const QString& nome, int indice)
{
    return registra(new Imagem(pai), nome, indice);
}

void frmTQ1::criaBotao(QWidget* pai, const QString& nome, Imagem*& botao, Imagem*& destaque,
                       const QString& nomeDestaque)
{
    const Modulo::BotaoImagem b = Modulo::CriaBotaoImagem(pai, nome, nomeDestaque);
    botao = registra(b.botao, nome);
    destaque = registra(b.destaque, b.destaque->objectName());
}

frmTQ1::frmTQ1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTQ1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setFont(Modulo::FonteJanela());
    // The window is paper like its screens: the margin the normal-state size
    // leaves around the 800 x 600 layout reads as part of the page.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::colorFromBgr(kCorPapel));
    setPalette(pal);
    resize(800, 600);

    CriaControles();
    LigaEventos();
    // Key preview: the window sees its keys before the focused control.
    qApp->installEventFilter(this);

    for (const auto& aoCriar : RegistroTQ1::Global().AoCriar)
        if (aoCriar)
            aoCriar(*this);
}

void frmTQ1::CriaControles()
{
    // ---- Panels on the window -------------------------------------------
    pctMenu = registra(new CaixaImagem(this), QStringLiteral("pctMenu"));
    pctMenu->setGeometry(0, 0, 84, 600);
    pctMenu->SetBackColor(kCorMarca);
    if (Modulo::gEdicao != QLatin1String("D"))
        pctMenu->SetPicture(desenho(QStringLiteral("FUNDOMENU")));

    for (int i = 0; i < 10; ++i) {
        pctTela[i] = registra(new CaixaImagem(this), QStringLiteral("pctTela"), i);
        pctTela[i]->setGeometry(89, 0, 713, 602);
        pctTela[i]->SetBackColor(kCorPapel);
        pctTela[i]->hide();
    }

    pctTitulo = registra(new CaixaImagem(this), QStringLiteral("pctTitulo"));
    pctTitulo->setGeometry(89, 0, 716, 63);
    pctTitulo->SetBackColor(kCorPapel);
    pctTitulo->hide();
    imgTitulo = criaImagem(pctTitulo, QStringLiteral("imgTitulo"));
    imgTitulo->setGeometry(0, 0, 716, 36);
    lblSubTitulo = registra(new Rotulo(pctTitulo), QStringLiteral("lblSubTitulo"));
    lblSubTitulo->setGeometry(5, 37, 634, 19);
    lblSubTitulo->setFont(Modulo::FonteJanela(12, true));
    lblSubTitulo->SetForeColor(kCorMarca);
    lblSubTitulo->setWordWrap(false);
    imgLinha = criaImagem(pctTitulo, QStringLiteral("imgLinha"));
    imgLinha->setGeometry(0, 57, 716, 6);

    pctMinimizar = registra(new CaixaImagem(this), QStringLiteral("pctMinimizar"));
    pctMinimizar->setGeometry(784, 2, 13, 10);
    pctMinimizar->SetPicture(desenho(QStringLiteral("MINIMIZAR")));
    pctMinimizar->SetMousePointer(99);
    pctMinimizar->hide();

    pctLogoVelmora = registra(new CaixaImagem(this), QStringLiteral("pctLogoVelmora"));
    pctLogoVelmora->setGeometry(10, 10, 146, 56);
    pctLogoVelmora->hide();

    // ---- Toolbar --------------------------------------------------------
    criaBotao(pctMenu, QStringLiteral("imgAvancar"), imgAvancar, imgAvancarSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgFigura"), imgFigura, imgFiguraSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgTabela"), imgTabela, imgTabelaSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgVoltar"), imgVoltar, imgVoltarSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgImprimir"), imgImprimir, imgImprimirSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgGerarArquivo"), imgGerarArquivo, imgGerarArquivoSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgEnviarEmail"), imgEnviarEmail, imgEnviarEmailSelecionada);
    for (Imagem* b : {imgAvancar, imgFigura, imgTabela, imgVoltar, imgImprimir, imgGerarArquivo, imgEnviarEmail})
        b->hide();
    pctAnimacaoCarro = registra(new CaixaImagem(pctMenu), QStringLiteral("pctAnimacaoCarro"));
    pctAnimacaoCarro->setGeometry(21, 446, 48, 48);
    pctAnimacaoCarro->hide();
    criaBotao(pctMenu, QStringLiteral("imgLista"), imgLista, imgListaSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgInicio"), imgInicio, imgInicioSelecionada);
    imgInicio->hide();
    criaBotao(pctMenu, QStringLiteral("imgAtualizacao"), imgAtualizacao, imgAtualizacaoSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgApresentacao"), imgApresentacao, imgApresentacaoSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgAjuda"), imgAjuda, imgAjudaSelecionada);
    criaBotao(pctMenu, QStringLiteral("imgSair"), imgSair, imgSairSelecionada);

    tmrVerificaProcessoVerificacao = new QTimer(this);
    tmrVerificaProcessoVerificacao->setObjectName(QStringLiteral("tmrVerificaProcessoVerificacao"));
    tmrVerificaProcessoVerificacao->setInterval(500);
    tmrVerificarAtualizacoes = new QTimer(this);
    tmrVerificarAtualizacoes->setObjectName(QStringLiteral("tmrVerificarAtualizacoes"));
    tmrVerificarAtualizacoes->setInterval(20000);
    tmrFigura = new QTimer(this);
    tmrFigura->setObjectName(QStringLiteral("tmrFigura"));
    tmrFigura->setInterval(100);
    tmrAnimacao = new QTimer(this);
    tmrAnimacao->setObjectName(QStringLiteral("tmrAnimacao"));
    tmrAnimacao->setInterval(50);

    // ---- Screen 0 -------------------------------------------------------
    CaixaImagem* t0 = pctTela[0];
    imgDazadizeDePecas = criaImagem(t0, QStringLiteral("imgDazadizeDePecas"));
    criaBotao(t0, QStringLiteral("imgIcoAtualizar"), imgIcoAtualizar, imgIcoAtualizarSel,
              QStringLiteral("imgIcoAtualizarSel"));
    imgAtualizadoEm = criaImagem(t0, QStringLiteral("imgAtualizadoEm"));
    lblUltimaAtualizacao = registra(new Rotulo(t0, {}, true), QStringLiteral("lblUltimaAtualizacao"));
    lblUltimaAtualizacao->setFont(Modulo::FonteJanela(10, true));
    lblUltimaAtualizacao->SetForeColor(kCorMarca);
    // The buttons stand at edition V's places until the layout moves them.
    criaBotao(t0, QStringLiteral("imgPesquisa1"), imgPesquisa1, imgPesquisa1Selecionada);
    Modulo::MoveBotaoImagem({imgPesquisa1, imgPesquisa1Selecionada}, 127, 126, 200, 28);
    criaBotao(t0, QStringLiteral("imgPesquisa0"), imgPesquisa0, imgPesquisa0Selecionada);
    Modulo::MoveBotaoImagem({imgPesquisa0, imgPesquisa0Selecionada}, 113, 156, 200, 28);
    criaBotao(t0, QStringLiteral("imgComparar"), imgComparar, imgCompararSelecionada);
    Modulo::MoveBotaoImagem({imgComparar, imgCompararSelecionada}, 103, 197, 200, 28);
    criaBotao(t0, QStringLiteral("imgBombas"), imgBombas, imgBombasSelecionada);
    Modulo::MoveBotaoImagem({imgBombas, imgBombasSelecionada}, 96, 231, 200, 28);
    criaBotao(t0, QStringLiteral("imgFiltros"), imgFiltros, imgFiltrosSelecionada);
    Modulo::MoveBotaoImagem({imgFiltros, imgFiltrosSelecionada}, 92, 264, 200, 28);

    // ---- Column titles --------------------------------------------------
    const int telaTitNoTQ[7] = {1, 3, 4, 5, 8, 9, 9};
    for (int i = 0; i < 7; ++i)
        imgTitNoTQ[i] = criaImagem(pctTela[telaTitNoTQ[i]], QStringLiteral("imgTitNoTQ"), i);
    const int telaTitNo[4] = {1, 3, 5, 8};
    for (int i = 0; i < 4; ++i)
        imgTitNo[i] = criaImagem(pctTela[telaTitNo[i]], QStringLiteral("imgTitNo"), i);
    const int telaTitQuantidade[4] = {5, 8, 8, 4};
    for (int i = 0; i < 4; ++i)
        imgTitQuantidade[i] = criaImagem(pctTela[telaTitQuantidade[i]], QStringLiteral("imgTitQuantidade"), i);
    const int telaTitComponente[3] = {4, 5, 8};
    for (int i = 0; i < 3; ++i)
        imgTitComponente[i] = criaImagem(pctTela[telaTitComponente[i]], QStringLiteral("imgTitComponente"), i);
    const int telaTitDescricao[2] = {1, 3};
    for (int i = 0; i < 2; ++i)
        imgTitDescricao[i] = criaImagem(pctTela[telaTitDescricao[i]], QStringLiteral("imgTitDescricao"), i);
    for (Imagem* titulo : {imgTitNoTQ[0], imgTitNoTQ[3], imgTitNoTQ[4], imgTitNo[2], imgTitQuantidade[0],
                           imgTitComponente[1], imgTitComponente[2], imgTitDescricao[0]})
        titulo->SetMousePointer(99);  // the titles that sort their list

    // ---- Screen 1 -------------------------------------------------------
    CaixaImagem* t1 = pctTela[1];
    imgTitTipo = criaImagem(t1, QStringLiteral("imgTitTipo"));
    txtNumeroEmpresa = registra(new CaixaTexto(t1), QStringLiteral("txtNumeroEmpresa"));
    txtDescricao = registra(new CaixaTexto(t1), QStringLiteral("txtDescricao"));
    txtNumeroFabricante = registra(new CaixaTexto(t1), QStringLiteral("txtNumeroFabricante"));
    criaBotao(t1, QStringLiteral("imgChkEixos"), imgChkEixos, imgChkEixosSelecionada);
    criaBotao(t1, QStringLiteral("imgChkTransmissoes"), imgChkTransmissoes, imgChkTransmissoesSelecionada);
    criaBotao(t1, QStringLiteral("imgChkJogosReparo"), imgChkJogosReparo, imgChkJogosReparoSelecionada);
    criaBotao(t1, QStringLiteral("imgChkComponentes"), imgChkComponentes, imgChkComponentesSelecionada);
    const auto caixa = [&](const QString& nome, bool marcada) {
        Imagem* i = criaImagem(t1, nome);
        i->SetPicture(desenho(marcada ? QStringLiteral("QUADRADOMARCADO") : QStringLiteral("QUADRADOVAZIO")));
        i->SetMousePointer(99);
        i->setVisible(!marcada);
        return i;
    };
    imgQuadrado_Eixos = caixa(QStringLiteral("imgQuadrado_Eixos"), false);
    imgQuadradoXEixos = caixa(QStringLiteral("imgQuadradoXEixos"), true);
    imgQuadrado_Transmissoes = caixa(QStringLiteral("imgQuadrado_Transmissoes"), false);
    imgQuadradoXTransmissoes = caixa(QStringLiteral("imgQuadradoXTransmissoes"), true);
    imgQuadrado_JogosReparo = caixa(QStringLiteral("imgQuadrado_JogosReparo"), false);
    imgQuadradoXJogosReparo = caixa(QStringLiteral("imgQuadradoXJogosReparo"), true);
    imgQuadrado_Componentes = caixa(QStringLiteral("imgQuadrado_Componentes"), false);
    imgQuadradoXComponentes = caixa(QStringLiteral("imgQuadradoXComponentes"), true);

    // ---- Screen 2 -------------------------------------------------------
    imgTitVeiculo = criaImagem(pctTela[2], QStringLiteral("imgTitVeiculo"));
    imgTitFabricante = criaImagem(pctTela[2], QStringLiteral("imgTitFabricante"));
    txtVeiculo = registra(new CaixaTexto(pctTela[2]), QStringLiteral("txtVeiculo"));

    // ---- Screen 3 -------------------------------------------------------
    imgTitTipoR = criaImagem(pctTela[3], QStringLiteral("imgTitTipoR"));
    imgFotoPeca = criaImagem(pctTela[3], QStringLiteral("imgFotoPeca"));

    // ---- Screen 4 -------------------------------------------------------
    CaixaImagem* t4 = pctTela[4];
    t4->setFocusPolicy(Qt::StrongFocus);
    imgFiguraDetalhada = criaImagem(t4, QStringLiteral("imgFiguraDetalhada"));
    const auto rotulo = [&](QWidget* pai, const QString& nome, bool autoSize, int indice = -1) {
        return registra(new Rotulo(pai, {}, autoSize), nome, indice);
    };
    lblObsRapida = rotulo(t4, QStringLiteral("lblObsRapida"), true);
    lblInstrucoesF = rotulo(t4, QStringLiteral("lblInstrucoesF"), false);
    lblNumeroEmpresa = rotulo(t4, QStringLiteral("lblNumeroEmpresa"), false);
    lblQuantidade = rotulo(t4, QStringLiteral("lblQuantidade"), false);
    lblComponente = rotulo(t4, QStringLiteral("lblComponente"), false);
    imgQuadradoParteSelecionada = criaImagem(t4, QStringLiteral("imgQuadradoParteSelecionada"));
    imgQuadradoParteSelecionada->SetPicture(desenho(QStringLiteral("QUADRADOPARTESELECIONADA")));
    imgQuadradoParteSelecionada->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgQuadradoParteSelecionada->hide();
    imgQuadradoParteAtual = criaImagem(t4, QStringLiteral("imgQuadradoParteAtual"));
    imgQuadradoParteAtual->SetPicture(desenho(QStringLiteral("QUADRADOPARTEATUAL")));
    imgQuadradoParteAtual->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgQuadradoParteAtual->hide();
    for (int i = 0; i < 30; ++i) {
        imgParteFigura[i] = criaImagem(t4, QStringLiteral("imgParteFigura"), i);
        imgParteFigura[i]->SetPicture(desenho(QStringLiteral("PARTEFIGURA%1").arg(i + 1)));
        imgParteFigura[i]->SetMousePointer(99);
        imgParteFigura[i]->hide();
    }
    imgQuadradoParteSelecionada->raise();
    imgQuadradoParteAtual->raise();
    lblDescricaoParteFigura = rotulo(t4, QStringLiteral("lblDescricaoParteFigura"), true);
    lblDescricaoParteFigura->SetForeColor(kCorAco);
    lblItem.push_back(rotulo(t4, QStringLiteral("lblItem"), true, 0));
    lblItem[0]->SetBackColor(0xF2DFAC);
    lblItem[0]->SetMousePointer(99);
    lblItem[0]->hide();
    shpSelecaoItem = registra(new Forma(t4), QStringLiteral("shpSelecaoItem"));
    shpSelecaoItem->SetBorderColor(0x0000FF);
    shpSelecaoItem->hide();
    pctToolTipFig_Pop = registra(new CaixaImagem(t4), QStringLiteral("pctToolTipFig_Pop"));
    pctToolTipFig_Pop->SetBackColor(0xE1FFFF);
    pctToolTipFig_Pop->SetBorderStyle(1);
    pctToolTipFig_Pop->hide();
    lblPaginaXdeXF_Pop = rotulo(pctToolTipFig_Pop, QStringLiteral("lblPaginaXdeXF_Pop"), true);
    lblProximaPaginaF_Pop = rotulo(pctToolTipFig_Pop, QStringLiteral("lblProximaPaginaF_Pop"), true);
    imgObsTp = criaImagem(pctToolTipFig_Pop, QStringLiteral("imgObsTp"));
    imgObsTp->SetPicture(desenho(QStringLiteral("ICOOBSTP")));
    lblObsTp = rotulo(pctToolTipFig_Pop, QStringLiteral("lblObsTp"), true);
    imgOpTp = criaImagem(pctToolTipFig_Pop, QStringLiteral("imgOpTp"));
    imgOpTp->SetPicture(desenho(QStringLiteral("ICOOPTP")));
    lblOpTp = rotulo(pctToolTipFig_Pop, QStringLiteral("lblOpTp"), true);

    // ---- Screen 5 -------------------------------------------------------
    imgTitItem = criaImagem(pctTela[5], QStringLiteral("imgTitItem"));
    imgTitItem->SetMousePointer(99);
    txtItem = registra(new CaixaTexto(pctTela[5]), QStringLiteral("txtItem"));
    txtNumeroEmpresaT = registra(new CaixaTexto(pctTela[5]), QStringLiteral("txtNumeroEmpresaT"));
    txtComponente = registra(new CaixaTexto(pctTela[5]), QStringLiteral("txtComponente"));
    txtNumeroFabricanteT = registra(new CaixaTexto(pctTela[5]), QStringLiteral("txtNumeroFabricanteT"));

    // ---- Screen 8 -------------------------------------------------------
    CaixaImagem* t8 = pctTela[8];
    for (int i = 0; i < 2; ++i) {
        lblNumeroEmpresaPeca[i] = rotulo(t8, QStringLiteral("lblNumeroEmpresaPeca"), false, i);
        lblNumeroEmpresaPeca[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        lblNumeroEmpresaPeca[i]->setFont(Modulo::FonteJanela(11, true));
        lblNumeroEmpresaPeca[i]->SetForeColor(kCorMarca);
        imgSelecionarTodos[i] = criaImagem(t8, QStringLiteral("imgSelecionarTodos"), i);
        imgSelecionarTodos[i]->SetMousePointer(99);
        linComparacao[i] = registra(new Linha(t8), QStringLiteral("linComparacao"), i);
    }
    pctExibirComparacao = registra(new CaixaImagem(t8), QStringLiteral("pctExibirComparacao"));
    pctExibirComparacao->SetBackColor(kCorPapel);
    shpExibirComparacao = registra(new Forma(pctExibirComparacao), QStringLiteral("shpExibirComparacao"));
    shpExibirComparacao->SetBorderColor(0xC0C0C0);
    lblExibirComparacao = rotulo(pctExibirComparacao, QStringLiteral("lblExibirComparacao"), true);
    lblExibirComparacao->SetBackStyle(1);
    lblExibirComparacao->SetBackColor(kCorPapel);
    lblExibirComparacao->SetForeColor(kCorMarca);
    optExibirComponentesDiferentes = registra(new QRadioButton(pctExibirComparacao), QStringLiteral("optExibirComponentesDiferentes"));
    optExibirComponentesIguais = registra(new QRadioButton(pctExibirComparacao), QStringLiteral("optExibirComponentesIguais"));
    optExibirComponentesTodos = registra(new QRadioButton(pctExibirComparacao), QStringLiteral("optExibirComponentesTodos"));
    for (QRadioButton* o : {optExibirComponentesDiferentes, optExibirComponentesIguais, optExibirComponentesTodos})
        o->setFont(Modulo::FonteJanela());
    lblExibirComparacao->raise();

    // ---- Screen 9 -------------------------------------------------------
    CaixaImagem* t9 = pctTela[9];
    imgNum1Comp = criaImagem(t9, QStringLiteral("imgNum1Comp"));
    imgNum2Comp = criaImagem(t9, QStringLiteral("imgNum2Comp"));
    for (int i = 0; i < 2; ++i) {
        ImgTransmissao[i] = criaImagem(t9, QStringLiteral("ImgTransmissao"), i);
        txtNumeroEmpresaComp[i] = registra(new CaixaTexto(t9), QStringLiteral("txtNumeroEmpresaComp"), i);
        lblDescricaoPecaComp[i] = rotulo(t9, QStringLiteral("lblDescricaoPecaComp"), true, i);
        lblDescricaoPecaComp[i]->SetForeColor(kCorMarca);
    }
    imgGuarfo1Comp = criaImagem(t9, QStringLiteral("imgGuarfo1Comp"));
    imgGuarfo2Comp = criaImagem(t9, QStringLiteral("imgGuarfo2Comp"));
    criaBotao(t9, QStringLiteral("imgPesquisa1Comp1"), imgPesquisa1Comp1, imgPesquisa1Comp1Selecionada);
    criaBotao(t9, QStringLiteral("imgPesquisa0Comp1"), imgPesquisa0Comp1, imgPesquisa0Comp1Selecionada);
    criaBotao(t9, QStringLiteral("imgPesquisa1Comp2"), imgPesquisa1Comp2, imgPesquisa1Comp2Selecionada);
    criaBotao(t9, QStringLiteral("imgPesquisa0Comp2"), imgPesquisa0Comp2, imgPesquisa0Comp2Selecionada);

    criaPaineisReferencia();

    // ---- Buying-suggestion panel ----------------------------------------
    pctSugestaoCompra = registra(new CaixaImagem(this), QStringLiteral("pctSugestaoCompra"));
    pctSugestaoCompra->SetBackColor(kCorPainelSug);
    pctSugestaoCompra->SetPicture(desenho(QStringLiteral("FUNDOSUGESTAO")));
    pctSugestaoCompra->setFocusPolicy(Qt::ClickFocus);
    pctSugestaoCompra->hide();
    CaixaImagem* s = pctSugestaoCompra;
    imgTitSug = criaImagem(s, QStringLiteral("imgTitSug"));
    imgFecharSug = criaImagem(s, QStringLiteral("imgFecharSug"));
    imgFecharSug->SetPicture(desenho(QStringLiteral("FECHARSUG")));
    imgFecharSug->SetMousePointer(99);
    lblPaginasSug = rotulo(s, QStringLiteral("lblPaginasSug"), false);
    lblPaginasSug->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    imgIncluirSelecionadosSug = criaImagem(s, QStringLiteral("imgIncluirSelecionadosSug"));
    imgIncluirSelecionadosSug->SetMousePointer(99);
    imgSelecionarTodosSug = criaImagem(s, QStringLiteral("imgSelecionarTodosSug"));
    imgSelecionarTodosSug->SetMousePointer(99);
    for (int i = 0; i < 2; ++i) {
        imgMudaPagina[i] = criaImagem(s, QStringLiteral("imgMudaPagina"), i);
        imgMudaPagina[i]->SetPicture(
            desenho(i == 0 ? QStringLiteral("SUGPAGINAANTERIOR") : QStringLiteral("SUGPROXIMAPAGINA")));
        imgMudaPagina[i]->SetMousePointer(99);
    }
    for (int i = 0; i < 4; ++i) {
        chkSug[i] = registra(new QCheckBox(s), QStringLiteral("chkSug"), i);
        lblNumeroSug[i] = rotulo(s, QStringLiteral("lblNumeroSug"), true, i);
        lblNumeroSug[i]->setFont(Modulo::FonteJanela(11, true));
        lblNumeroSug[i]->SetForeColor(kCorMarca);
        imgOpcionalSug[i] = criaImagem(s, QStringLiteral("imgOpcionalSug"), i);
        imgOpcionalSug[i]->SetMousePointer(99);
        imgOpcionalSugS[i] = criaImagem(s, QStringLiteral("imgOpcionalSugS"), i);
        imgOpcionalSugS[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        imgOpcionalSugS[i]->hide();
        lblQtdSug[i] = rotulo(s, QStringLiteral("lblQtdSug"), false, i);
        lblQtdSug[i]->setFont(Modulo::FonteJanela(10));
        shpQtdSug[i] = registra(new Forma(s), QStringLiteral("shpQtdSug"), i);
        txtQtdSug[i] = registra(new CaixaTexto(s), QStringLiteral("txtQtdSug"), i);
        txtQtdSug[i]->setFrame(false);
        txtQtdSug[i]->setGeometry(145, 52 + 44 * i, 20, 13);
        lblDescricaoSug[i] = rotulo(s, QStringLiteral("lblDescricaoSug"), false, i);
    }
    for (int i = 0; i < 3; ++i)
        linSug[i] = registra(new Linha(s), QStringLiteral("linSug"), i);

    // ---- Repair-kit panel -----------------------------------------------
    pctJogoReparo = registra(new CaixaImagem(this), QStringLiteral("pctJogoReparo"));
    pctJogoReparo->SetBackColor(kCorPainelSug);
    pctJogoReparo->hide();
    imgTitJogoReparo = criaImagem(pctJogoReparo, QStringLiteral("imgTitJogoReparo"));
    lblNumeroJogoReparo.push_back(rotulo(pctJogoReparo, QStringLiteral("lblNumeroJogoReparo"), true, 0));
    lblNumeroJogoReparo[0]->setFont(Modulo::FonteJanela(11, true));
    lblDescricaoJogoReparo.push_back(rotulo(pctJogoReparo, QStringLiteral("lblDescricaoJogoReparo"), false, 0));
    imgJogoReparoRodape = criaImagem(pctJogoReparo, QStringLiteral("imgJogoReparoRodape"));
    imgJogoReparoRodape->SetPicture(desenho(QStringLiteral("JOGOREPARORODAPE")));

    // ---- Cart tooltip ---------------------------------------------------
    pctToolTipCarrinho = registra(new CaixaImagem(this), QStringLiteral("pctToolTipCarrinho"));
    pctToolTipCarrinho->SetBackColor(0xE1FFFF);
    pctToolTipCarrinho->SetBorderStyle(1);
    pctToolTipCarrinho->hide();
    lblToolTipCarrinho = rotulo(pctToolTipCarrinho, QStringLiteral("lblToolTipCarrinho"), false);
    lblToolTipCarrinho->setFont(Modulo::FonteJanela(10));
    lblToolTipCarrinho->setAlignment(Qt::AlignCenter);

    // ---- Lists and their data controls ----------------------------------
    grdTHGrid1 = registra(new THGrid(this), QStringLiteral("grdTHGrid1"));
    grdTHGrid1->hide();
    cboTHCombo1 = registra(new THCombo(this), QStringLiteral("cboTHCombo1"));
    cboTHCombo1->hide();
    cboTHCombo2 = registra(new THCombo(this), QStringLiteral("cboTHCombo2"));
    cboTHCombo2->hide();
    dtcTHGrid1 = new platform::dao::DataControl(this);
    dtcTHGrid1->setObjectName(QStringLiteral("dtcTHGrid1"));
    dtcTHCombo1 = new platform::dao::DataControl(this);
    dtcTHCombo1->setObjectName(QStringLiteral("dtcTHCombo1"));
    dtcTHCombo2 = new platform::dao::DataControl(this);
    dtcTHCombo2->setObjectName(QStringLiteral("dtcTHCombo2"));
}

void frmTQ1::criaPaineisReferencia()
{
    const int origens[4] = {Modulo::kOrigemResultadoPesquisa, Modulo::kOrigemListaPecas,
                            Modulo::kOrigemTabelaComponentes, Modulo::kOrigemComparacao};
    const int telas[4] = {1, 3, 5, 8};
    for (int n = 0; n < 4; ++n) {
        Modulo::PainelReferencia p = Modulo::CriaPainelReferencia(origens[n], pctTela[telas[n]]);
        auto* caixa = new CaixaImagem(pctTela[telas[n]]);
        // The panel the shared module made becomes the contents of the box
        // the layout places: same background, its labels kept.
        caixa->SetBackColor(0xFAF1EC);
        p.pctPainelRef->setParent(caixa);
        p.pctPainelRef->move(0, 0);
        pctPainelRef[n] = registra(caixa, QStringLiteral("pctPainelRef"), n);
        std::vector<QLabel*>* numeros[4] = {&lblNumeroFabricanteRef, &lblNumeroFabricanteRefR, &lblNumeroFabricanteRefT,
                                            &lblNumeroFabricanteRefC};
        std::vector<QLabel*>* nomes[4] = {&lblFabricanteRef, &lblFabricanteRefR, &lblFabricanteRefT, &lblFabricanteRefC};
        std::vector<QFrame*>* linhas[4] = {&linRef, &linRefR, &linRefT, &linRefC};
        const QString sufixo[4] = {QString(), QStringLiteral("R"), QStringLiteral("T"), QStringLiteral("C")};
        for (std::size_t i = 0; i < p.lblNumeroFabricanteRef.size(); ++i) {
            numeros[n]->push_back(p.lblNumeroFabricanteRef[i]);
            m_controles.insert(QStringLiteral("lblNumeroFabricanteRef%1(%2)").arg(sufixo[n]).arg(i),
                               p.lblNumeroFabricanteRef[i]);
            nomes[n]->push_back(p.lblFabricanteRef[i]);
            m_controles.insert(QStringLiteral("lblFabricanteRef%1(%2)").arg(sufixo[n]).arg(i), p.lblFabricanteRef[i]);
        }
        for (std::size_t i = 0; i < p.linRef.size(); ++i) {
            linhas[n]->push_back(p.linRef[i]);
            m_controles.insert(QStringLiteral("linRef%1(%2)").arg(sufixo[n]).arg(i), p.linRef[i]);
        }
        // The panel of the components table shows the typed manufacturer
        // number first; the part search's likewise.
        if (origens[n] == Modulo::kOrigemResultadoPesquisa)
            p.txtNumeroFabricante = txtNumeroFabricante;
        else if (origens[n] == Modulo::kOrigemTabelaComponentes)
            p.txtNumeroFabricante = txtNumeroFabricanteT;
        Modulo::RegistraPainelReferencia(origens[n], p);
        m_paineisInternos[n] = p.pctPainelRef;
    }
}

void frmTQ1::LigaEventos()
{
    // Toolbar buttons: each click in the guard, each move names its key.
    const struct {
        Imagem* botao;
        const char* chave;
        void (frmTQ1::*clique)();
    } botoes[] = {
        {imgAvancar, "AVANCAR", &frmTQ1::imgAvancar_Click},
        {imgVoltar, "VOLTAR", &frmTQ1::imgVoltar_Click},
        {imgFigura, "FIGURA", &frmTQ1::imgFigura_Click},
        {imgTabela, "TABELA", &frmTQ1::imgTabela_Click},
        {imgImprimir, "IMPRIMIR", &frmTQ1::imgImprimir_Click},
        {imgGerarArquivo, "GERARARQUIVO", &frmTQ1::imgGerarArquivo_Click},
        {imgEnviarEmail, "ENVIAREMAIL", &frmTQ1::imgEnviarEmail_Click},
        {imgInicio, "INICIO", &frmTQ1::imgInicio_Click},
        {imgLista, "LISTA", &frmTQ1::imgLista_Click},
        {imgAtualizacao, "ATUALIZACAO", &frmTQ1::imgAtualizacao_Click},
        {imgApresentacao, "APRESENTACAO", &frmTQ1::imgApresentacao_Click},
        {imgAjuda, "AJUDA", &frmTQ1::imgAjuda_Click},
        {imgSair, "SAIR", &frmTQ1::imgSair_Click},
        {imgPesquisa0, "PESQUISA0", &frmTQ1::imgPesquisa0_Click},
        {imgPesquisa1, "PESQUISA1", &frmTQ1::imgPesquisa1_Click},
        {imgFiltros, "FILTROS", &frmTQ1::imgFiltros_Click},
        {imgBombas, "BOMBAS", &frmTQ1::imgBombas_Click},
        {imgComparar, "COMPARAR", &frmTQ1::imgComparar_Click},
        {imgIcoAtualizar, "ICOATUALIZAR", &frmTQ1::imgIcoAtualizar_Click},
    };
    for (const auto& b : botoes) {
        const QString chave = QString::fromLatin1(b.chave);
        const auto clique = b.clique;
        connect(b.botao, &Imagem::Click, this, guardado([this, clique] { (this->*clique)(); }));
        connect(b.botao, &Imagem::MouseMove, this, [this, chave] { DestacaControle(chave); });
    }
    // Buttons whose clicks other subsystems own still light up here.
    const struct {
        Imagem* botao;
        const char* chave;
    } destacados[] = {
        {imgChkEixos, "CHKEIXOS"},
        {imgChkTransmissoes, "CHKTRANSMISSOES"},
        {imgChkJogosReparo, "CHKJOGOSREPARO"},
        {imgChkComponentes, "CHKCOMPONENTES"},
        {imgPesquisa0Comp1, "PESQUISA0COMP1"},
        {imgPesquisa1Comp1, "PESQUISA1COMP1"},
        {imgPesquisa0Comp2, "PESQUISA0COMP2"},
        {imgPesquisa1Comp2, "PESQUISA1COMP2"},
    };
    for (const auto& d : destacados) {
        const QString chave = QString::fromLatin1(d.chave);
        connect(d.botao, &Imagem::MouseMove, this, [this, chave] { DestacaControle(chave); });
    }
    for (int i = 0; i < 4; ++i)
        connect(imgOpcionalSug[i], &Imagem::MouseMove, this,
                [this, i] { DestacaControle(QStringLiteral("OPSUGESTAO%1").arg(i)); });

    connect(pctMenu, &CaixaImagem::MouseMove, this, [this] { DestacaControle(QStringLiteral("FORM")); });
    for (int i = 0; i < 10; ++i) {
        connect(pctTela[i], &CaixaImagem::MouseMove, this, guardado([this, i] { pctTela_MouseMove(i); }));
        connect(pctTela[i], &CaixaImagem::GotFocus, this, [this] { PosicionaFocoTela(); });
    }
    connect(pctMenu, &CaixaImagem::GotFocus, this, [this] { PosicionaFocoTela(); });
    connect(pctMinimizar, &CaixaImagem::GotFocus, this, [this] { PosicionaFocoTela(); });
    connect(pctMinimizar, &CaixaImagem::Click, this, [this] { pctMinimizar_Click(); });

    // Timers of other subsystems: their slots (an empty one does nothing).
    connect(tmrVerificarAtualizacoes, &QTimer::timeout, this, guardado([this] {
                if (const auto& f = RegistroTQ1::Global().tmrVerificarAtualizacoes_Timer)
                    f(*this);
            }));
    connect(tmrVerificaProcessoVerificacao, &QTimer::timeout, this, guardado([this] {
                if (const auto& f = RegistroTQ1::Global().tmrVerificaProcessoVerificacao_Timer)
                    f(*this);
            }));

    // The wheel targets of the window's own controls.
    Modulo::RegistraControleRoda(QStringLiteral("CAT_GRID1"), grdTHGrid1);
    Modulo::RegistraControleRoda(QStringLiteral("CAT_COMBO1"), cboTHCombo1);
    Modulo::RegistraControleRoda(QStringLiteral("CAT_COMBO2"), cboTHCombo2);
    Modulo::RegistraControleRoda(QStringLiteral("CAT_FIGURA"), pctTela[4]);
    Modulo::RegistraControleRoda(QStringLiteral("CAT_SUGEST"), pctSugestaoCompra);
}
