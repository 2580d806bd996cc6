#pragma once
// Geometry of the list controls as plain calculations: the snapping of a
// THGrid to whole rows, the frame a refresh decides (scroll bar, inner-grid
// width, background panel), the hover key of a row icon, and the heights and
// opening layouts of a THCombo.  Values are twips where the controls keep
// twips and pixels where the design gives pixels; each name says which.

#include <QString>

#include <optional>

namespace THLayout {

// Rounds half to even, the way the run time's Round does (8.5 -> 8, 9.5 -> 10).
long ArredondaPar(double valor);

// ---------------------------------------------------------------------------
// THGrid size adjustment (AjustaTamanho).

struct EntradaTamanho {
    int pixelLargura = 0;        // mUserControlPixelWidth; 0 or less keeps the width
    int pixelAltura = 0;         // mUserControlPixelHeight; 0 or less keeps the height
    int larguraAtualTwips = 0;
    int alturaAtualTwips = 0;
    int borderStyle = 0;         // 1: fixed single border, 2 pixels of allowance
    int larguraScrollTwips = 0;  // mLarguraScroll
};

struct Tamanho {
    int larguraTwips = 0;        // the control
    int alturaTwips = 0;         // the control: rows + border allowance
    int linhas = 1;              // mLinhas
    int alturaLinhasTwips = 0;   // h: inner grid and background panel height
    int larguraGridTwips = 0;    // inner grid and background panel width
    int larguraBarraTwips = 0;   // the current-row bar
    int bordaTwips = 0;          // b
};

Tamanho CalculaTamanho(const EntradaTamanho& e);

// ---------------------------------------------------------------------------
// The frame a refresh decides when a new row count was announced.

struct EntradaMoldura {
    long recordCount = 0;
    int linhas = 0;               // mLinhas
    int ultimaLinha = -1;         // last visible row, -1 for none
    int larguraControleTwips = 0;
    int larguraScrollTwips = 0;
    int bordaTwips = 0;
    int topoGridTwips = 0;
    int alturaGridTwips = 0;
};

struct Moldura {
    bool barraRolagem = false;    // ScrollBars 2 (vertical) instead of 0
    int larguraGridTwips = 0;
    bool painelVisivel = false;   // the background panel below the last row
    int topoPainelTwips = 0;
    int alturaPainelTwips = 0;
    int rodapePainelYTwips = 0;   // the panel's bottom line, inside the panel
};

Moldura DecideMoldura(const EntradaMoldura& e);

// ---------------------------------------------------------------------------
// Hover key of a row icon: "PIC;*;e;k;j" over the current row, "PIC; ;e;k;j"
// over another; "FORM" for none.

inline const QString ChaveNenhuma = QStringLiteral("FORM");

struct ChaveImagem {
    bool linhaAtual = false;     // field 1 is "*": the bar's hover twin is involved
    int elemento = 0;            // row icon e
    int coluna = 0;              // icon column k
    int linha = 0;               // visible row j
};

QString MontaChaveImagem(const ChaveImagem& c);
// Empty for "FORM" or any text that is not an icon key.
std::optional<ChaveImagem> DecodificaChaveImagem(const QString& chave);

// ---------------------------------------------------------------------------
// THCombo (pixels).

// Height the list is asked for: rows x 17 + 2, with rows = the record count
// capped at sMaxLinhas and at least 1 when the count is below it.
int AlturaPedidaListaCombo(long recordCount, int maxLinhas);

// Height a list with a border takes for a requested pixel height (it snaps to
// whole rows, at least one).
int AlturaListaAjustada(int alturaPedidaPx);

struct AberturaCombo {
    int alturaControle = 0;
    int topoFace = 0;            // pctTexto and pctTHGrid
    int topoSeta = 0;            // img1 and img2
    int topoLista = 0;
};

// Vertical layout for a list of alturaListaPx opening down or up.
AberturaCombo CalculaAbertura(int alturaListaPx, bool abreBaixo);

// Design geometry of the face and arrow.
constexpr int LarguraSetaPx = 22;
constexpr int AlturaSetaPx = 22;
constexpr int AlturaFacePx = 16;
// Height of the combo after a resize with a requested width (the design
// bottom of the list), and without one (the face row only).
constexpr int AlturaComboRedimensionadoPx = 193;

}  // namespace THLayout
