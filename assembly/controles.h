#pragma once
// What the assembly view works on: the controls of screens 4 and 5 that the
// main window creates and places (its layout puts them where the window's
// design says), the main window's members that the view shares with the
// rest of the window, and the window's routines the view calls.
//
// The window hands these over once, when it builds the view (VistaConjunto).
// Every pointer must stay valid for the view's lifetime; none is owned by the
// view.  Controls made at run time (the figure's item labels, thumbnails past
// the thirtieth page, the kit panel's rows past the first) belong to the view.
//
// Colours the view writes on the window's labels follow the design's
// &HBBGGRR values and are kept in each label's dynamic property "ForeColor"
// (see CorTexto/DefineCorTexto in rotuloitem.h).

#include <QString>

#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QTimer;
class QWidget;
class THCombo;
class THGrid;
namespace platform::dao {
class DataControl;
}

namespace Conjunto {

// Screen 4 (inside pctTela(4)) and the window-level panels of the figure.
struct ControlesFigura {
    QWidget* pctTela4 = nullptr;
    QLabel* lblObsRapida = nullptr;
    QWidget* imgTitNoTQ2 = nullptr;          // imgTitNoTQ(2)
    QWidget* imgTitQuantidade3 = nullptr;    // imgTitQuantidade(3)
    QWidget* imgTitComponente0 = nullptr;    // imgTitComponente(0)
    QLabel* lblInstrucoesF = nullptr;
    QLabel* lblNumeroEmpresa = nullptr;
    QLabel* lblQuantidade = nullptr;
    QLabel* lblComponente = nullptr;
    QLabel* imgFiguraDetalhada = nullptr;
    QWidget* imgQuadradoParteSelecionada = nullptr;
    QWidget* imgQuadradoParteAtual = nullptr;
    std::vector<QLabel*> imgParteFigura;     // 0..29, each with its thumbnail picture
    QLabel* lblDescricaoParteFigura = nullptr;
    QWidget* shpSelecaoItem = nullptr;       // the hover frame (17 high)
    QWidget* pctToolTipFig_Pop = nullptr;
    QLabel* lblPaginaXdeXF_Pop = nullptr;
    QLabel* lblProximaPaginaF_Pop = nullptr;
    QWidget* imgObsTp = nullptr;
    QLabel* lblObsTp = nullptr;
    QWidget* imgOpTp = nullptr;
    QLabel* lblOpTp = nullptr;
    // Window-level panels.
    QWidget* pctJogoReparo = nullptr;
    QLabel* lblNumeroJogoReparo0 = nullptr;     // lblNumeroJogoReparo(0)
    QLabel* lblDescricaoJogoReparo0 = nullptr;  // lblDescricaoJogoReparo(0)
    QWidget* imgJogoReparoRodape = nullptr;
    QWidget* pctSugestaoCompra = nullptr;
    // The kit combo shared with screen 5, its data control, the blink timer.
    THCombo* cboTHCombo2 = nullptr;
    platform::dao::DataControl* dtcTHCombo2 = nullptr;
    QTimer* tmrFigura = nullptr;
};

// Screen 5 (inside pctTela(5)) and the shared result list.
struct ControlesTabela {
    QWidget* pctTela5 = nullptr;
    THGrid* grdTHGrid1 = nullptr;
    platform::dao::DataControl* dtcTHGrid1 = nullptr;
    QLineEdit* txtItem = nullptr;
    QLineEdit* txtNumeroEmpresaT = nullptr;
    QLineEdit* txtComponente = nullptr;
    QLineEdit* txtNumeroFabricanteT = nullptr;
    QWidget* imgTitNo2 = nullptr;            // imgTitNo(2)
    QWidget* imgTitQuantidade0 = nullptr;    // imgTitQuantidade(0)
    QWidget* pctPainelRef2 = nullptr;        // pctPainelRef(2), registered for origin 5
};

// Members of frmTQ1 that the view reads and writes (the window keeps them;
// the view holds references).
struct MembrosTQ1 {
    QString& mHistoricoTelas;
    std::int64_t& mCodigoPeca;
    std::int64_t& mCodigoPecaComparacao;
    bool& mFiguraCarregada;
    bool& mTabelaCarregada;
    std::int64_t& mJogoReparoFigura;
    std::int64_t& mJogoReparoTabela;
    QString& mTabelaComparacao;
    int& mItemSobMouse;
    bool& mManterSelecaoFigura;
    int& mParteFiguraAtual;  // 255: no page shown
};

// The main window's routines that the view calls.
class JanelaConjunto {
public:
    virtual ~JanelaConjunto() = default;
    // Loads ("C") or releases ("D") a screen's pictures.
    virtual void CarregaImagensTela(const QString& modo, int tela) = 0;
    virtual void AjustaBotoesNavegacao(int tela) = 0;
    virtual void MostraSubTitulo(const QString& texto, bool visivel) = 0;
    virtual void EscondeListaPecas() = 0;
    // Hides the panel pctTela(tela) (the table screen 5 or the comparison 8).
    virtual void EscondeTela(int tela) = 0;
    // Moves the Table button and its lit twin (18 in comparison mode, else 23).
    virtual void PosicionaBotaoTabela(int esquerda) = 0;
    virtual void EscondeComparacao() = 0;
    virtual void MostraComparacao(int origem) = 0;
    // The Table button's handler (the item menu's "Tabela" runs it).
    virtual void imgTabela_Click() = 0;
    // The hover key: DestacaControle swaps the highlight; DefineChaveDestaque
    // only stores the key (nothing is un-highlighted).
    virtual void DestacaControle(const QString& chave) = 0;
    virtual void DefineChaveDestaque(const QString& chave) = 0;
    virtual QString ChaveDestaque() const = 0;
    virtual void PosicionaFocoTela() = 0;
    // Writes code (and "|" and the fields) into gParametro and shows the
    // detail window modally.
    virtual void AbreJanelaSecundaria(int codigo, const QString& campos) = 0;
    // The cart routine (Modulo.IncluiItemCarrinho).
    virtual void IncluiItemCarrinho(const QString& tipo, std::int64_t codigo, const QString& quantidade, bool opcional,
                                    bool efeitoVisual) = 0;
    // The buying-suggestion panel beside a figure item, from the item menu,
    // beside the table's current row.
    virtual void MostraSugestaoFigura(int indice) = 0;
    virtual void MostraSugestaoMenu() = 0;
    virtual void MostraSugestaoGrid() = 0;
    // The window's inner width (ScaleWidth), pixels.
    virtual int LarguraInterna() const = 0;
};

}  // namespace Conjunto
