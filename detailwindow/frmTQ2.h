#pragma once
// frmTQ2: the detail window.
//
// The catalogue's secondary window: a frameless, modal 700 x 450 dialog that
// the main window opens with one request in gParametro (detailwindow/
// solicitacao.h lists the requests) and that shows one screen at a time in a
// fixed frame: the menu panel pctMenu (the whole background, with the
// toolbar on its left), the title panel pctTitulo (title picture and
// subtitle), the list grdTHGrid1 shared by the list screens, and one panel
// per screen, pctTela(0..5, 7, 8).  The window owns every control of its
// layout, those of the screens that other libraries fill included; they are
// public members with the layout's names.
//
// Life of a window (one per request):
//   frmTQ2 w;  w.Form_Load();  [shown modally]  w.Form_Activate();  ...
//   ... Back with one screen in the history, or the end of the screen's
//   work, unloads it (Descarrega): the wheel hook goes back to the main
//   window and the modal show returns.
// ExibeModal() does all of it for the request in gParametro; Registra()
// makes it the core opener's routine (Modulo::ExibeJanelaDetalhe), which the
// program calls once at start.  Tests call Form_Load and Form_Activate
// without a modal loop.  An empty request, a refused one and request 6 never
// show the window: the first activation runs (request 6) or refuses them and
// unloads the window at once; the pointer is always restored.
//
// Dispatch (ProcessaSolicitacao): the request's panel keeps the whole
// request text in its Tag (not for 6); the list's empty text becomes text 16
// for the cart list and text 43 otherwise; the routine of the code runs with
// the converted fields.  Requests 0, 1, 2, 4 and 8 are this window's own
// screens.  Requests 3, 5, 6 and 7 run routines that other libraries
// register (below); an unregistered one is refused like a malformed request.
// Every handler runs inside Modulo::Guarda; a request whose routine fails
// before any screen panel is shown closes the window after the error box.
//
// Registry of the other screens.  Each routine gets the window and the
// request's converted fields, shows its screen (appending its digit to
// mHistoricoTelas, or setting it for 6 and 7, loading its pictures with
// CarregaImagensTela, showing its panel, setting the toolbar with
// AjustaBotoesNavegacao) and connects its own handlers to the window's
// public controls (the toolbar buttons' THPicture::clicado, the list, the
// panel's controls); the window is new for every request, so connections
// made there last exactly as long as the screen.  The frame already handles
// the hover of every toolbar button, Back, Esc, the keys +, - and Delete on
// the cart list and the list events of every screen (grdTHGrid1_ImageClick,
// MouseMove, RowColChange).  The libraries register their routines once at
// program start, like Registra(); an empty function unregisters.  The list
// screens' helpers (the list's place on a panel, showing a list screen,
// releasing the list) are in listasdetalhe.h; Instancia() reaches the open
// window from code that has no reference to it (the update's progress).
//   RegistraExibeTelaLista          request 3, the cart list: ExibeTelaLista(
//                                   janela, Origem 200, Tipo, Codigo)
//   RegistraExibeTelaSaida          request 5, output options: ExibeTelaSaida(
//                                   janela, sCodigoPeca, sModo, sOpcoes,
//                                   sParteFigura); it fills mEscolhaSaida and
//                                   calls ExibeEscolhaSaida() (escolhasaida.h)
//   RegistraImprimeComparacaoEFecha request 6: sets the history to "6", prints
//                                   the comparison and calls imgVoltar_Click
//   RegistraExibeTelaAtualizacao    request 7, the update run:
//                                   ExibeTelaAtualizacao(janela, versao local,
//                                   versao do servidor); ends with
//                                   imgVoltar_Click
//
// Hover: DestacaControle moves the highlight between the keys of the
// toolbar ("AVANCAR", "VOLTAR", "FIGURA", "IMPRIMIR", "GERARARQUIVO",
// "ENVIAREMAIL", "LIMPAR"), the output options ("CHKFIGURA", "CHKTABELA",
// "PARTEFIGURA<i>"), the attachments ("_ANEXO0".."_ANEXO2"), the list
// (">THGRID1") and the background ("FORM").
//
// Platform: the window is dragged by its background (the window system's
// move, or by hand where there is none); its key handlers see the keys before
// the focused control (an application event filter); the pointer of icons
// and links is the hand picture CURSORMAO; the hourglass is an override
// cursor; catalogue texts are plain text.

#include "core/crossref.h"
#include "detailwindow/escolhasaida.h"
#include "listcontrols/thgrid.h"
#include "listcontrols/thwidgets.h"
#include "platform/dao/dao.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;

// A panel of the window: a plain background (or a picture), a Tag, and its
// mouse and focus reported to the window.
class frmTQ2Painel : public QWidget {
    Q_OBJECT
public:
    explicit frmTQ2Painel(QWidget* parent);
    QString Tag;
    void setPicture(const QPixmap& p);
    const QPixmap& picture() const { return m_picture; }

Q_SIGNALS:
    void movido(int botao, int shift, float x, float y);
    void pressionado(int botao);
    void soltado();
    void focado();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    QPixmap m_picture;
};

// A label that reports clicks and moves (the attachment links).
class frmTQ2Rotulo : public QLabel {
    Q_OBJECT
public:
    explicit frmTQ2Rotulo(QWidget* parent);

Q_SIGNALS:
    void clicado(int botao);
    void movido(int botao, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool m_pressionado = false;
};

class frmTQ2 : public QDialog {
    Q_OBJECT

public:
    // ---- Routines of the other screens (see the file comment) -------------
    using RotinaExibeTelaLista =
        std::function<void(frmTQ2& janela, std::uint8_t Origem, const QString& Tipo, std::int32_t Codigo)>;
    using RotinaExibeTelaSaida = std::function<void(frmTQ2& janela, std::int32_t sCodigoPeca, const QString& sModo,
                                                    const QString& sOpcoes, std::uint8_t sParteFigura)>;
    using RotinaImprimeComparacaoEFecha = std::function<void(frmTQ2& janela)>;
    using RotinaExibeTelaAtualizacao =
        std::function<void(frmTQ2& janela, std::int16_t VersaoLocal, std::int16_t VersaoServidor)>;
    static void RegistraExibeTelaLista(RotinaExibeTelaLista rotina);
    static void RegistraExibeTelaSaida(RotinaExibeTelaSaida rotina);
    static void RegistraImprimeComparacaoEFecha(RotinaImprimeComparacaoEFecha rotina);
    static void RegistraExibeTelaAtualizacao(RotinaExibeTelaAtualizacao rotina);

    // Makes ExibeModal the routine of Modulo::ExibeJanelaDetalhe.
    static void Registra();
    // Shows a new window modally for the request in gParametro and returns
    // when it has closed.
    static void ExibeModal();
    // The loaded window, or nullptr (the update run's progress reaches its
    // screen through it).
    static frmTQ2* Instancia();

    explicit frmTQ2(QWidget* parent = nullptr);
    ~frmTQ2() override;

    // ---- Frame ---------------------------------------------------------------
    void Form_Load();
    void Form_Activate();
    // Unloads the window (wheel hook back to the main window) and ends its
    // modal show; safe twice.
    void Descarrega();
    bool Descarregada() const { return m_descarregada; }
    // Whether the window is to be shown at all (not for an empty, refused or
    // comparison-print request); decided by Form_Load.
    bool Exibivel() const { return m_exibivel; }

    void ProcessaSolicitacao(std::uint8_t Origem, const QString& Solicitacao);
    void imgVoltar_Click();
    void PosicionaFocoTela();
    // The last digit of the history as a number, -1 when it is empty.
    int TelaAtual() const;

    // ---- Toolbar, hover, pictures --------------------------------------------
    QWidget* ObtemControleDestaque(const QString& chave) const;
    void DestacaControle(const QString& chave);
    void AjustaBotoesNavegacao(std::uint8_t tela);
    void CarregaImagensTela(const QString& acao, std::uint8_t tela);
    void MostraSubTitulo(const QString& texto, bool exibe);

    // ---- Screens of this window ------------------------------------------------
    void ExibeTelaObservacao(std::uint8_t Origem, const QString& Tipo, std::int32_t Codigo, std::int32_t CodigoPeca,
                             const std::optional<QString>& ItemComponente, const QString& TextoExtra);
    void OcultaTelaObservacao();
    void lblAnexo_Click(int Index);
    void ExibeTelaJogosReparo(std::uint8_t Origem, std::int32_t CodigoPeca, const QString& ItemComponente,
                              std::int32_t CodigoComponente, std::int32_t Numero);
    void OcultaTelaJogosReparo();
    void ConsultaJogosReparo(std::int32_t CodigoPeca, const QString& ItemComponente, std::int32_t Numero);
    void ExibeTelaAplicacao(std::int32_t CodigoPeca);
    void ConsultaAplicacao(std::int32_t CodigoPeca);
    void ExibeTelaOpcionais(std::uint8_t Origem, std::int32_t CodigoPeca, std::int32_t CodigoComponente,
                            const QString& ItemComponente, std::int32_t Numero);
    void OcultaTelaOpcionais();
    void ConsultaOpcionais(std::int32_t CodigoPeca, const QString& ItemComponente, std::int32_t Numero);
    void ExibeTelaConfiguracoes();
    void imgAvancar_Click();

    // ---- List events (every screen) --------------------------------------------
    void grdTHGrid1_ImageClick(int sColuna, const platform::dao::Bookmark& sBookmark, int sButton);
    void grdTHGrid1_MouseMove(int Button, int Shift, float X, float Y);
    void grdTHGrid1_RowColChange(const platform::dao::Bookmark& LastRow, int LastCol);

    // ---- Output options: the part chooser's view ------------------------------
    // Builds the part thumbnails and frames from mEscolhaSaida and mirrors
    // its flags and selection into the controls (report output's
    // ExibeTelaSaida calls it after filling the state).
    void ExibeEscolhaSaida();
    // Mirrors the state into the controls again.
    void AtualizaEscolhaSaida();
    void imgChkFigura_Click();
    void imgChkTabela_Click();
    void imgParteFigura_Click(int Index);
    void imgParteFigura_DblClick(int Index);
    void imgParteFigura_MouseMove(int Index, int Button, int Shift, float X, float Y);

    // ---- Form-level members ------------------------------------------------------
    QString mHistoricoTelas;
    bool mPrimeiraAtivacao = true;
    bool mGanchoRoda = false;
    QString mChaveDestaque = QStringLiteral("FORM");
    QString mModoSaida = QStringLiteral("P");
    EscolhaSaida mEscolhaSaida;
    // Calls of the cross-reference refresh made by the list's row changes
    // (tests count them).
    int mAtualizacoesReferencia = 0;

    // ---- Controls ------------------------------------------------------------------
    frmTQ2Painel* pctMenu = nullptr;
    frmTQ2Painel* pctTitulo = nullptr;
    // Indexes 0 to 5, 7 and 8; element 6 is null (there is no such screen).
    std::array<frmTQ2Painel*, 9> pctTela{};
    THGrid* grdTHGrid1 = nullptr;
    platform::dao::DataControl* dtcTHGrid1 = nullptr;

    // pctMenu: the toolbar and its highlighted twins, the update steps.
    THPicture* imgAvancar = nullptr;
    THPicture* imgAvancarSelecionada = nullptr;
    THPicture* imgVoltar = nullptr;
    THPicture* imgVoltarSelecionada = nullptr;
    THPicture* imgFigura = nullptr;
    THPicture* imgFiguraSelecionada = nullptr;
    THPicture* imgImprimir = nullptr;
    THPicture* imgImprimirSelecionada = nullptr;
    THPicture* imgGerarArquivo = nullptr;
    THPicture* imgGerarArquivoSelecionada = nullptr;
    THPicture* imgEnviarEmail = nullptr;
    THPicture* imgEnviarEmailSelecionada = nullptr;
    THPicture* imgLimpar = nullptr;
    THPicture* imgLimparSelecionada = nullptr;
    std::array<THPicture*, 5> imgPassoAtualAtualizacao{};      // 1 to 4
    std::array<THPicture*, 5> imgPassoConcluidoAtualizacao{};  // 1 to 4

    // pctTitulo.
    THPicture* imgTitulo = nullptr;
    QLabel* lblSubTitulo = nullptr;

    // pctTela(0): notes and attachments.
    QPlainTextEdit* txtObservacao = nullptr;
    QLabel* lblTitAnexo = nullptr;
    std::array<frmTQ2Rotulo*, 3> lblAnexo{};
    std::array<THPicture*, 3> imgIcoAnexo{};

    // Column titles: imgTitNoTQ(0) kits, (1) cart list, (2) optionals;
    // imgTitNo(1) kits, (0) optionals; imgTitDescricao(0) cart list,
    // (1) optionals; imgTitQuantidade(0) cart list, (1) optionals.
    std::array<THPicture*, 3> imgTitNoTQ{};
    std::array<THPicture*, 2> imgTitNo{};
    std::array<THPicture*, 2> imgTitDescricao{};
    std::array<THPicture*, 2> imgTitQuantidade{};
    THPicture* imgTitJogosReparo = nullptr;
    THPicture* imgTitVeiculo = nullptr;
    THPicture* imgTitFabricante = nullptr;
    // Cross-reference panels: (0) repair kits (origin -1), (1) optionals
    // (origin -4), with their label and line arrays.
    std::array<Modulo::PainelReferencia, 2> pctPainelRef{};
    // Tags of the two panels: the assembly's code while the screen is shown.
    std::array<QString, 2> pctPainelRefTag{};

    // pctTela(5): output options.
    QWidget* pctSaveJpg = nullptr;
    THPicture* imgAuxFigura = nullptr;
    QCheckBox* chkGerarUnicoArquivoCompactado = nullptr;
    QLabel* lblStatusGerandoArquivo = nullptr;
    THPicture* imgQuadrado_Figura = nullptr;
    THPicture* imgQuadradoXFigura = nullptr;
    THPicture* imgChkFigura = nullptr;
    THPicture* imgChkFiguraSelecionada = nullptr;
    THPicture* imgQuadrado_Tabela = nullptr;
    THPicture* imgQuadradoXTabela = nullptr;
    THPicture* imgChkTabela = nullptr;
    THPicture* imgChkTabelaSelecionada = nullptr;
    std::vector<THPicture*> imgParteFigura;    // element 0 is the design's
    std::vector<THPicture*> imgQuadradoParte;  // parallel to imgParteFigura
    THPicture* imgQuadradoParteSelecionada = nullptr;
    QLabel* lblDescricaoParteFigura = nullptr;

    // pctTela(7): the update run's four step rows (indexes 1 to 4).
    std::array<QLabel*, 5> lblTitAtualizacao{};
    std::array<QLabel*, 5> lblNumAtualizacao{};
    std::array<THPicture*, 5> imgBordaBarraAtualizacao{};
    std::array<THPicture*, 5> imgBarraAtualizacao{};

    // pctTela(8): configuration.
    QCheckBox* chkVerificarAtualizacoesAuto = nullptr;
    QLabel* lblAutenticacaoProxy = nullptr;
    QFrame* shpAutenticacaoProxy = nullptr;
    QLabel* lblUsuario = nullptr;
    QLineEdit* txtUsuario = nullptr;
    QLabel* lblSenha = nullptr;
    QLineEdit* txtSenha = nullptr;

Q_SIGNALS:
    // The window was unloaded.
    void descarregada();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

public Q_SLOTS:
    // Only Back, the screens' ends and the frame close the window.
    void reject() override {}

private:
    void CriaControles();
    void PosObjetosForm();
    void LigaEventos();
    void PosicionaSobreJanelaPrincipal();
    void Form_Unload();
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseDown(int Button);
    void Form_MouseUp();
    bool TeclaDaLista() const;
    bool TelaVisivel() const;
    void AtualizaReferencias(int tela);
    void AlteraQuantidadeLista(int delta);
    void ExcluiItemLista();
    void PosicionaParte(int i);

    bool m_exibivel = false;
    bool m_descarregada = false;
    bool m_filtroTeclas = false;
    // Delete on the cart list: armed by a press that is not a repeat, spent
    // by the first release after it; the timestamp of the last release.
    bool m_deleteArmada = false;
    quint64 m_deleteSoltaEm = 0;
    // Dragging by hand where the window system does not move the window.
    bool m_arrastando = false;
    bool m_arrastoSistema = false;
    QPoint m_cursorInicio;
    QPoint m_janelaInicio;
};
