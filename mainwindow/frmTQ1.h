#pragma once
// frmTQ1: the catalogue's main window.
//
// One window holds every screen of the catalogue as a set of overlapping
// panels, pctTela(0) to pctTela(9), one per screen code (0 start, 1 part
// search, 2 vehicle search, 3 parts list, 4 exploded figure, 5 components
// table, 6 presentation pages, 7 pump tables, 8 comparison list, 9 comparison
// selection), beside the toolbar pctMenu, the title strip pctTitulo and the
// floating panels.  The window owns every control of its layout, on every
// screen; the subsystems that own screens add behaviour through its public
// members and through its registry (registro.h); only controls made at run
// time (figure labels, page thumbnails beyond the design) are theirs.
//
// Controls are public members named as the design names them; control arrays
// are std::array (fixed ranges, index = the design's index) or std::vector
// (arrays that grow at run time; element 0 exists from the start).  The
// window works in pixels; its layout is drawn for a client area of 800 x 600.
//
// This file declares the window; its code is split by concern:
//   frmTQ1_controles.cpp    the window definition: every control, created once
//   frmTQ1_posicoes.cpp     PosObjetosForm, the fixed layout (tables)
//   conjuntosimagens.cpp    CarregaImagensTela, the picture sets (tables)
//   frmTQ1_ciclo.cpp        loading, activation, keys, focus, mouse, closing
//   frmTQ1_roda.cpp         the mouse-wheel hook and router
//   frmTQ1_navegacao.cpp    history, toolbar buttons, Back, Home, hover
//   frmTQ1_telas.cpp        the start, presentation and pump-table screens
//   frmTQ1_solicitacoes.cpp the detail-window opener, output and update buttons
//   frmTQ1_registro.cpp     the members that call the registry's slots
//
// Lifecycle: the start window creates the window after the databases are open,
// calls Form_Load() and shows it; closing it (Exit, the close box) runs
// Form_Unload(), which releases the run and ends the program through the
// launcher or the closing window (setEncerramento lets tests see which).

#include "core/controles.h"
#include "core/janelaprincipal.h"
#include "mainwindow/msubclass.h"
#include "mainwindow/registro.h"
#include "platform/dao/dao.h"
#include "platform/process/process.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHash>
#include <QPointer>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class THCombo;
class THGrid;

// One saved search slot of the part search (FiltrosPesquisa).
struct FiltrosPesquisa {
    QString TextoNumeroEmpresa;
    QString TextoDescricao;
    QString TextoNumeroFabricante;
    bool PesquisaComponentes = false;
    bool PesquisaJogosReparo = false;
    bool PesquisaTransmissoes = false;
    bool PesquisaEixos = false;
    QString CodigoTipoPeca = QStringLiteral(" ");
    QString TipoSelecionado;
    long CodigoSelecionado = -5;
};

// Where the picture sets take their pictures from: the program's resources,
// or, in tests, a recording fake.  `direto` marks the two frame entries of
// edition D that call the resource loader itself (no edition rule, load only).
class CarregadorImagensTela {
public:
    virtual ~CarregadorImagensTela() = default;
    virtual QPixmap Carrega(const QString& Modo, const QString& Nome, const QString& Tipo, bool direto) = 0;
};

class frmTQ1 : public QWidget, public Modulo::JanelaPrincipal, public ISubclass {
    Q_OBJECT

public:
    explicit frmTQ1(QWidget* parent = nullptr);
    ~frmTQ1() override;

    // =====================================================================
    // Controls (the window definition)
    // =====================================================================

    // ---- On the window ----------------------------------------------------
    CaixaImagem* pctMenu;                   // toolbar, a strip along the left edge
    CaixaImagem* pctTitulo;                 // title strip above the lists
    std::array<CaixaImagem*, 10> pctTela;   // one panel per screen code
    CaixaImagem* pctMinimizar;              // the window's own minimise box
    CaixaImagem* pctSugestaoCompra;         // buying-suggestion panel
    CaixaImagem* pctJogoReparo;             // repair kits of a figure item
    CaixaImagem* pctToolTipCarrinho;        // cart tooltip
    CaixaImagem* pctLogoVelmora;            // edition D's logo box
    THGrid* grdTHGrid1;                     // the result list of screens 1, 2, 3, 5, 8
    THCombo* cboTHCombo1;                   // type filter / manufacturer drop-down
    THCombo* cboTHCombo2;                   // repair-kit filter drop-down
    platform::dao::DataControl* dtcTHGrid1;
    platform::dao::DataControl* dtcTHCombo1;
    platform::dao::DataControl* dtcTHCombo2;

    // ---- Title strip ------------------------------------------------------
    Imagem* imgTitulo;
    Rotulo* lblSubTitulo;
    Imagem* imgLinha;

    // ---- Toolbar (each button with its twin ...Selecionada) ---------------
    Imagem* imgAvancar;        Imagem* imgAvancarSelecionada;
    Imagem* imgFigura;         Imagem* imgFiguraSelecionada;
    Imagem* imgTabela;         Imagem* imgTabelaSelecionada;
    Imagem* imgVoltar;         Imagem* imgVoltarSelecionada;
    Imagem* imgImprimir;       Imagem* imgImprimirSelecionada;
    Imagem* imgGerarArquivo;   Imagem* imgGerarArquivoSelecionada;
    Imagem* imgEnviarEmail;    Imagem* imgEnviarEmailSelecionada;
    CaixaImagem* pctAnimacaoCarro;
    Imagem* imgLista;          Imagem* imgListaSelecionada;
    Imagem* imgInicio;         Imagem* imgInicioSelecionada;
    Imagem* imgAtualizacao;    Imagem* imgAtualizacaoSelecionada;
    Imagem* imgApresentacao;   Imagem* imgApresentacaoSelecionada;
    Imagem* imgAjuda;          Imagem* imgAjudaSelecionada;
    Imagem* imgSair;           Imagem* imgSairSelecionada;
    QTimer* tmrVerificaProcessoVerificacao;  // 500 ms, off (update watch)
    QTimer* tmrVerificarAtualizacoes;        // 20 s, on (automatic check)
    QTimer* tmrFigura;                       // 100 ms, off (figure blinking)
    QTimer* tmrAnimacao;                     // 50 ms, off (cart animation)

    // ---- Screen 0, start --------------------------------------------------
    Imagem* imgDazadizeDePecas;
    Imagem* imgIcoAtualizar;   Imagem* imgIcoAtualizarSel;
    Imagem* imgAtualizadoEm;
    Rotulo* lblUltimaAtualizacao;
    Imagem* imgPesquisa0;      Imagem* imgPesquisa0Selecionada;   // search by number
    Imagem* imgPesquisa1;      Imagem* imgPesquisa1Selecionada;   // search by vehicle
    Imagem* imgComparar;       Imagem* imgCompararSelecionada;
    Imagem* imgBombas;         Imagem* imgBombasSelecionada;
    Imagem* imgFiltros;        Imagem* imgFiltrosSelecionada;

    // ---- Column titles shared by several screens --------------------------
    std::array<Imagem*, 7> imgTitNoTQ;        // 0 s1, 1 s3, 2 s4, 3 s5, 4 s8, 5-6 s9
    std::array<Imagem*, 4> imgTitNo;          // 0 s1, 1 s3, 2 s5, 3 s8
    std::array<Imagem*, 4> imgTitQuantidade;  // 0 s5, 1-2 s8, 3 s4
    std::array<Imagem*, 3> imgTitComponente;  // 0 s4, 1 s5, 2 s8
    std::array<Imagem*, 2> imgTitDescricao;   // 0 s1, 1 s3

    // ---- Screen 1, part search --------------------------------------------
    Imagem* imgTitTipo;
    CaixaTexto* txtNumeroEmpresa;
    CaixaTexto* txtDescricao;
    CaixaTexto* txtNumeroFabricante;
    Imagem* imgChkEixos;          Imagem* imgChkEixosSelecionada;
    Imagem* imgChkTransmissoes;   Imagem* imgChkTransmissoesSelecionada;
    Imagem* imgChkJogosReparo;    Imagem* imgChkJogosReparoSelecionada;
    Imagem* imgChkComponentes;    Imagem* imgChkComponentesSelecionada;
    Imagem* imgQuadrado_Eixos;    Imagem* imgQuadradoXEixos;
    Imagem* imgQuadrado_Transmissoes;  Imagem* imgQuadradoXTransmissoes;
    Imagem* imgQuadrado_JogosReparo;   Imagem* imgQuadradoXJogosReparo;
    Imagem* imgQuadrado_Componentes;   Imagem* imgQuadradoXComponentes;

    // ---- Screen 2, vehicle search -----------------------------------------
    Imagem* imgTitVeiculo;
    Imagem* imgTitFabricante;
    CaixaTexto* txtVeiculo;

    // ---- Screen 3, parts list ---------------------------------------------
    Imagem* imgTitTipoR;
    Imagem* imgFotoPeca;

    // ---- Screen 4, exploded figure ----------------------------------------
    Rotulo* lblObsRapida;
    Rotulo* lblInstrucoesF;
    Rotulo* lblNumeroEmpresa;
    Rotulo* lblQuantidade;
    Rotulo* lblComponente;
    Imagem* imgFiguraDetalhada;
    Imagem* imgQuadradoParteSelecionada;
    Imagem* imgQuadradoParteAtual;
    std::array<Imagem*, 30> imgParteFigura;
    Rotulo* lblDescricaoParteFigura;
    std::vector<Rotulo*> lblItem;            // 0 is the hidden template
    Forma* shpSelecaoItem;
    CaixaImagem* pctToolTipFig_Pop;
    Rotulo* lblPaginaXdeXF_Pop;
    Rotulo* lblProximaPaginaF_Pop;
    Imagem* imgObsTp;
    Rotulo* lblObsTp;
    Imagem* imgOpTp;
    Rotulo* lblOpTp;

    // ---- Screen 5, components table ---------------------------------------
    Imagem* imgTitItem;
    CaixaTexto* txtItem;
    CaixaTexto* txtNumeroEmpresaT;
    CaixaTexto* txtComponente;
    CaixaTexto* txtNumeroFabricanteT;

    // ---- Screen 8, comparison list ----------------------------------------
    std::array<Rotulo*, 2> lblNumeroEmpresaPeca;
    std::array<Imagem*, 2> imgSelecionarTodos;
    std::array<Linha*, 2> linComparacao;
    CaixaImagem* pctExibirComparacao;
    Forma* shpExibirComparacao;
    Rotulo* lblExibirComparacao;
    QRadioButton* optExibirComponentesDiferentes;
    QRadioButton* optExibirComponentesIguais;
    QRadioButton* optExibirComponentesTodos;

    // ---- Screen 9, comparison selection -----------------------------------
    Imagem* imgNum1Comp;
    Imagem* imgNum2Comp;
    std::array<Imagem*, 2> ImgTransmissao;
    std::array<CaixaTexto*, 2> txtNumeroEmpresaComp;
    std::array<Rotulo*, 2> lblDescricaoPecaComp;
    Imagem* imgGuarfo1Comp;
    Imagem* imgGuarfo2Comp;
    Imagem* imgPesquisa1Comp1;   Imagem* imgPesquisa1Comp1Selecionada;
    Imagem* imgPesquisa0Comp1;   Imagem* imgPesquisa0Comp1Selecionada;
    Imagem* imgPesquisa1Comp2;   Imagem* imgPesquisa1Comp2Selecionada;
    Imagem* imgPesquisa0Comp2;   Imagem* imgPesquisa0Comp2Selecionada;

    // ---- Cross-reference panels (filled by Modulo::ExibeReferenciaCruzada) --
    std::array<CaixaImagem*, 4> pctPainelRef;  // 0 s1, 1 s3, 2 s5, 3 s8
    std::vector<QLabel*> lblNumeroFabricanteRef, lblFabricanteRef;    // 0..8
    std::vector<QFrame*> linRef;                                      // 0..7
    std::vector<QLabel*> lblNumeroFabricanteRefR, lblFabricanteRefR;  // 0..5
    std::vector<QFrame*> linRefR;                                     // 0..4
    std::vector<QLabel*> lblNumeroFabricanteRefT, lblFabricanteRefT;  // 0..8
    std::vector<QFrame*> linRefT;                                     // 0..7
    std::vector<QLabel*> lblNumeroFabricanteRefC, lblFabricanteRefC;  // 0..7
    std::vector<QFrame*> linRefC;                                     // 0..6

    // ---- Buying-suggestion panel ------------------------------------------
    Imagem* imgTitSug;
    Imagem* imgFecharSug;
    Rotulo* lblPaginasSug;
    Imagem* imgIncluirSelecionadosSug;
    std::array<Imagem*, 2> imgMudaPagina;
    Imagem* imgSelecionarTodosSug;
    std::array<QCheckBox*, 4> chkSug;
    std::array<Rotulo*, 4> lblNumeroSug;
    std::array<Imagem*, 4> imgOpcionalSug;
    std::array<Imagem*, 4> imgOpcionalSugS;
    std::array<Rotulo*, 4> lblQtdSug;
    std::array<Forma*, 4> shpQtdSug;
    std::array<CaixaTexto*, 4> txtQtdSug;
    std::array<Rotulo*, 4> lblDescricaoSug;
    std::array<Linha*, 3> linSug;

    // ---- Repair-kit panel and cart tooltip --------------------------------
    Imagem* imgTitJogoReparo;
    std::vector<Rotulo*> lblNumeroJogoReparo;     // element 0 from the start
    std::vector<Rotulo*> lblDescricaoJogoReparo;  // element 0 from the start
    Imagem* imgJogoReparoRodape;
    Rotulo* lblToolTipCarrinho;

    // The control of a name ("imgAvancar", "pctTela" with an index), or
    // nullptr: the layout and picture tables name their controls this way.
    QWidget* Controle(const QString& nome, int indice = -1) const;

    // =====================================================================
    // Form-level state
    // =====================================================================
    QString mChaveDestaque = QStringLiteral("FORM");  // hover key
    bool mPrimeiraAtivacao = true;
    QString mHistoricoTelas = QStringLiteral("0");    // screen digits, current last
    QPointer<QWidget> mHwndGancho;                    // window hooked for the wheel, null for none

    // Part search and vehicle search.
    QString mCodigoTipoPeca = QStringLiteral(" ");
    QString mTipoSelecionado;
    long mCodigoSelecionado = -5;
    long mCodigoVeiculo = -5;
    long mCodigoFabricante = 0;
    quint8 mSlotPesquisa = 255;
    std::array<FiltrosPesquisa, 2> mFiltrosPesquisa;
    bool mPesquisaComponentes = false;
    bool mPesquisaJogosReparo = false;
    bool mPesquisaTransmissoes = false;
    bool mPesquisaEixos = false;
    // The item whose parts list screen 3 shows (Back rebuilds the list).
    QString mTipoItemLista;
    long mCodigoItemLista = 0;

    // Assembly view and comparison.
    long mCodigoPeca = 0;
    long mCodigoPecaComparacao = -1;
    bool mFiguraCarregada = false;
    bool mTabelaCarregada = false;
    bool mComparacaoCarregada = false;
    quint8 mParteFiguraAtual = 255;
    QString mTabelaComparacao;
    long mJogoReparoFigura = 0;   // kit of the figure's combo when the figure was left
    long mJogoReparoTabela = 0;   // kit of the table's combo when the table was left
    long& mCodigoJogoReparoFigura = mJogoReparoFigura;
    long& mCodigoJogoReparoTabela = mJogoReparoTabela;
    // Figure pages: one entry per page (index = page); std::nullopt while no
    // figure was ever built, an empty list for "no pages".
    std::optional<QStringList> mPartesFigura;
    int mUltimoItemFigura = 0;
    QStringList mItensResumidos;
    platform::dao::RecordsetPtr mRsItensFigura;
    short mItemSobMouse = -1;
    bool mManterSelecaoFigura = false;
    // Marks list: one column per marked label (label, colour, blink flag).
    std::vector<std::array<long, 3>> mItensDestacados;
    int mUltimoItemDestacado = -1;

    // Update checks.
    bool mVerificacaoEmAndamento = false;
    bool mDazadizeBloqueado = false;
    quint8 mContadorVerificacao = 0;
    qint64 mProcessoVerificacao = 0;
    QDateTime mDataUltimaVerificacao;  // 31 December 1899 00:00 (day 1.0): never checked

    // =====================================================================
    // The frame's routines
    // =====================================================================

    // ---- Loading and closing (frmTQ1_ciclo.cpp) ---------------------------
    // Everything the design's load does, with the placement hand-over read
    // from gParametro.  Errors of the steps after placement reach the caller.
    void Form_Load();
    // First activation: borderless on small screens, minimise box.
    void Form_Activate();
    // Closing: hook, run tables, databases; then the launcher (restart after
    // an update) or the closing window.  Runs once; close() calls it.
    void Form_Unload();
    void Form_KeyDown(int& KeyCode, int Shift);
    void Form_KeyPress(int& KeyAscii);
    void Form_MouseMove();
    void pctMinimizar_Click();
    void pctTela_MouseMove(int Index);
    void PosicionaFocoTela();
    void TrazCombosFrente();
    // The floating controls above the screens in their load-time order: the
    // list, the kit and suggestion panels over it, the combos and the
    // minimise box, the figure's tooltip on top.
    void TrazPaineisFrente();
    // The current screen: the last digit of the history (0 when unreadable).
    int CodigoTelaAtual() const;

    // How the run ends after closing: starting a program (the launcher, with
    // its arguments), showing the closing window, leaving the event loop.
    // Tests install their own; an empty member means the real one.
    struct Encerramento {
        std::function<platform::SpawnResult(const QString& programa, const QStringList& argumentos)> iniciaPrograma;
        std::function<void()> mostraCreditos;
        std::function<void()> terminaPrograma;
    };
    static void setEncerramento(Encerramento e);

    // ---- Layout and pictures ------------------------------------------------
    void PosObjetosForm();
    // Loads ("C") or releases ("D") the pictures of screen 0..9 or of the
    // frame (100); other codes do nothing.  A picture that cannot be loaded is
    // reported in the error box; the rest of the set still applies.
    void CarregaImagensTela(const QString& sModo, int sCodigoTela);
    // Tests: the loader the sets use (nullptr: the program's resources).
    static void setCarregadorImagens(CarregadorImagensTela* carregador);

    // ---- Mouse wheel (frmTQ1_roda.cpp) --------------------------------------
    void SubClassing(bool sYesNo) override;
    void DesfazSubClassing();
    long MsgResponse() const override { return 2; }
    long WindowProc(QWidget* hWnd, int iMsg, QEvent* evento) override;
    QObject* ObjetoManipulador() override { return this; }

    // ---- Navigation, buttons and hover (frmTQ1_navegacao.cpp) ---------------
    void AjustaBotoesNavegacao(int Codigo);
    QWidget* ObtemControleDestaque(const QString& Chave) const;
    void DestacaControle(const QString& Chave);
    void imgVoltar_Click();
    void imgInicio_Click();
    void imgTabela_Click();
    void imgSair_Click();
    void imgAjuda_Click();
    void imgFiltros_Click();

    // ---- Start, presentation and pump tables (frmTQ1_telas.cpp) -------------
    void MostraInicio(quint8 Origem);
    void EscondeInicio();
    void MostraApresentacao(quint8 Pagina, bool Voltando);
    void EscondeApresentacao();
    void MostraBombas();
    void EscondeBombas();
    void MostraSubTitulo(const QString& Texto, bool Visivel);
    void imgApresentacao_Click();
    void imgBombas_Click();
    void imgComparar_Click();
    // Forward: the next presentation page on screen 6, the screen's own
    // Forward (registry) on the others.
    void imgAvancar_Click();

    // ---- Detail window, output and update buttons (frmTQ1_solicitacoes.cpp) -
    void AbreJanelaSecundaria(quint8 Codigo, const QString& Parametros);
    void SolicitaSaida(const QString& Modo);
    void imgImprimir_Click();
    void imgGerarArquivo_Click();
    void imgEnviarEmail_Click();
    void imgLista_Click();
    void imgIcoAtualizar_Click();
    void imgAtualizacao_Click();
    void AtualizaInfoUltimaAtualizacao(bool carregaUltimaVerificacao);
    void VoltaInicioComMensagem(const QString& Mensagem);

    // ---- Routines of other subsystems (registry; empty slot: nothing) -------
    void MostraPesquisaPecas(quint8 sTelaOrigem);
    void EscondePesquisaPecas();
    void MostraPesquisaVeiculos(quint8 sTelaOrigem);
    void EscondePesquisaVeiculos();
    void GuardaFiltrosPesquisa();
    void MostraListaPecas(quint8 sTelaOrigem, const QString& sTipoItem, long sCodigoItem);
    void EscondeListaPecas();
    void MostraFigura(quint8 sTelaOrigem);
    void EscondeFigura();
    void FechaFigura();
    void MostraComponentes(quint8 sTelaOrigem);
    void EscondeComponentes();
    void FechaConjunto();
    void imgParteFigura_Click(int Index);
    void LimpaSelecaoItem(bool forca);
    void OrdenaTabelaPorColuna(const QString& Coluna);
    void MostraComparacao(quint8 sTelaOrigem);
    void EscondeComparacao();
    void MostraSelecaoComparacao(quint8 sTelaOrigem);
    void EscondeSelecaoComparacao();
    void AtualizaGridComparacao(const QString& CodigoComponente, int Filtro, const QString& Ordem, bool Recriar,
                                bool Atualizar);
    void MostraSugestaoGrid();
    void MostraSugestaoFigura(int Index, int LeftRotulo);
    void MostraSugestaoMenu();
    void imgMudaPagina_Click(int Index);
    void imgFigura_Click();
    void imgPesquisa0_Click();
    void imgPesquisa1_Click();
    void IniciaVerificacaoAtualizacao(bool automatica);
    void MostraMenuAtualizacao();

    // ---- Modulo::JanelaPrincipal ------------------------------------------
    QWidget* Janela() override { return this; }
    QRect RetanguloMenu() const override;
    void MenuItemFigura(int sMenu) override;
    void EfeitoCarrinho(bool sApenasDesabilita = false) override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* observado, QEvent* evento) override;

private:
    // frmTQ1_controles.cpp
    void CriaControles();
    void LigaEventos();
    template <typename T>
    T* registra(T* controle, const QString& nome, int indice = -1);
    Imagem* criaImagem(QWidget* pai, const QString& nome, int indice = -1);
    void criaBotao(QWidget* pai, const QString& nome, Imagem*& botao, Imagem*& destaque,
                   const QString& nomeDestaque = {});
    void criaPaineisReferencia();

    // frmTQ1_ciclo.cpp
    bool TeclaDoFormulario(QKeyEvent* evento);
    void AplicaSemBorda();
    void AplicaPosicaoInicial();
    bool m_carregado = false;

    // frmTQ1_telas.cpp
    void ProximaPaginaApresentacao();

    QHash<QString, QWidget*> m_controles;
    std::array<QPointer<QWidget>, 4> m_paineisInternos;  // the shared module's panels inside pctPainelRef
    bool m_descarregado = false;
    // The wheel's distance not yet turned into a step (touchpads send
    // fractions of a notch).
    int m_rodaAcumulada = 0;
};
