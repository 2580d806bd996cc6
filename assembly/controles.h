#pragma once
// What the assembly view works on: the controls of screens 4 and 5 that the
// main window frmTQ1 creates and places (its layout puts them where the
// window's design says), the window's members that the view shares with the
// rest of the window, and the window's routines the view calls.
//
// The window's registration (assembly/janela) hands these over once, when it
// builds the view (VistaConjunto) for a new window.  Every pointer and
// reference must stay valid for the view's lifetime; none is owned by the
// view.  Controls made at run time (the figure's item labels, thumbnails past
// the thirtieth page, the kit panel's rows past the first) belong to the view.
//
// Colours the view writes on the window's labels follow the design's
// &HBBGGRR values and are kept in each label's dynamic property "ForeColor"
// (Rotulo::SetForeColor, or CorTexto/DefineCorTexto in rotuloitem.h).

#include "core/controles.h"
#include "platform/dao/dao.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <vector>

class QTimer;
class THCombo;
class THGrid;

namespace Conjunto {

// Screen 4 (inside pctTela(4)) and the window-level panels of the figure.
struct ControlesFigura {
    CaixaImagem* pctTela4 = nullptr;
    Rotulo* lblObsRapida = nullptr;
    Imagem* imgTitNoTQ2 = nullptr;           // imgTitNoTQ(2)
    Imagem* imgTitQuantidade3 = nullptr;     // imgTitQuantidade(3)
    Imagem* imgTitComponente0 = nullptr;     // imgTitComponente(0)
    Rotulo* lblInstrucoesF = nullptr;
    Rotulo* lblNumeroEmpresa = nullptr;
    Rotulo* lblQuantidade = nullptr;
    Rotulo* lblComponente = nullptr;
    Imagem* imgFiguraDetalhada = nullptr;
    Imagem* imgQuadradoParteSelecionada = nullptr;
    Imagem* imgQuadradoParteAtual = nullptr;
    std::vector<Imagem*> imgParteFigura;     // 0..29, each with its thumbnail picture
    Rotulo* lblDescricaoParteFigura = nullptr;
    Forma* shpSelecaoItem = nullptr;         // the hover frame (17 high)
    CaixaImagem* pctToolTipFig_Pop = nullptr;
    Rotulo* lblPaginaXdeXF_Pop = nullptr;
    Rotulo* lblProximaPaginaF_Pop = nullptr;
    Imagem* imgObsTp = nullptr;
    Rotulo* lblObsTp = nullptr;
    Imagem* imgOpTp = nullptr;
    Rotulo* lblOpTp = nullptr;
    // Window-level panels.
    CaixaImagem* pctJogoReparo = nullptr;
    Rotulo* lblNumeroJogoReparo0 = nullptr;     // lblNumeroJogoReparo(0)
    Rotulo* lblDescricaoJogoReparo0 = nullptr;  // lblDescricaoJogoReparo(0)
    Imagem* imgJogoReparoRodape = nullptr;
    CaixaImagem* pctSugestaoCompra = nullptr;
    // The kit combo shared with screen 5, its data control, the blink timer.
    THCombo* cboTHCombo2 = nullptr;
    platform::dao::DataControl* dtcTHCombo2 = nullptr;
    QTimer* tmrFigura = nullptr;
};

// Screen 5 (inside pctTela(5)) and the shared result list.
struct ControlesTabela {
    CaixaImagem* pctTela5 = nullptr;
    THGrid* grdTHGrid1 = nullptr;
    platform::dao::DataControl* dtcTHGrid1 = nullptr;
    CaixaTexto* txtItem = nullptr;
    CaixaTexto* txtNumeroEmpresaT = nullptr;
    CaixaTexto* txtComponente = nullptr;
    CaixaTexto* txtNumeroFabricanteT = nullptr;
    Imagem* imgTitNo2 = nullptr;             // imgTitNo(2)
    Imagem* imgTitQuantidade0 = nullptr;     // imgTitQuantidade(0)
    QWidget* pctPainelRef2 = nullptr;        // pctPainelRef(2), registered for origin 5
};

// Members of frmTQ1 that the view reads and writes (the window keeps them;
// the view holds references).
struct MembrosTQ1 {
    QString& mHistoricoTelas;
    long& mCodigoPeca;
    long& mCodigoPecaComparacao;
    bool& mFiguraCarregada;
    bool& mTabelaCarregada;
    long& mJogoReparoFigura;
    long& mJogoReparoTabela;
    QString& mTabelaComparacao;
    short& mItemSobMouse;
    bool& mManterSelecaoFigura;
    // The page shown for the window's keys, wheel and Print: 255 when none
    // (the view itself counts pages without that limit; a page past 254 is
    // reached by its thumbnail and reads as 255 here).
    quint8& mParteFiguraAtual;
    // One entry per page ("first|last" label), nullopt before any figure.
    std::optional<QStringList>& mPartesFigura;
    int& mUltimoItemFigura;
    // The figure's components recordset, positioned on the hovered item (the
    // buying-suggestion panel reads it; NoMatch tells whether it was found).
    platform::dao::RecordsetPtr& mRsItensFigura;
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
    virtual void IncluiItemCarrinho(const QString& tipo, long codigo, const QString& quantidade, bool opcional,
                                    bool efeitoVisual) = 0;
    // The buying-suggestion panel beside a figure item (its label's index and
    // Left inside pctTela(4)), from the item menu, beside the table's current
    // row.
    virtual void MostraSugestaoFigura(int indice, int leftRotulo) = 0;
    virtual void MostraSugestaoMenu() = 0;
    virtual void MostraSugestaoGrid() = 0;
    // The window's inner width (ScaleWidth), pixels.
    virtual int LarguraInterna() const = 0;
    // False once the window is being taken down (its controls may still
    // report events then; the view's handlers ignore them).
    virtual bool Viva() const { return true; }
};

}  // namespace Conjunto
