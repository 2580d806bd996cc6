#pragma once
// Geometry of the item information panels of the figure screen, as plain
// calculations (pixels):
//   - the tooltip panel pctToolTipFig_Pop beside the hovered label: its mode
//     (0 hidden, 1 component paging in edition M, 2 hints only), the places
//     of its hints, its size and its side of the selection frame;
//   - the left edge of the repair-kit panel pctJogoReparo;
//   - the rows of the kit panel, one or two lines high, and its footer.

#include <QPoint>
#include <QRect>

#include <vector>

namespace Conjunto {

struct EntradaDica {
    int componentes = 1;            // components of the hovered item
    bool edicaoNaoMaritima = true;  // every edition but M
    bool opcional = false;          // the component shown has optional alternatives
    bool observacao = false;        // ... has notes
    QRect paginacao;                // lblPaginaXdeXF_Pop (its size follows its text)
    QRect proxima;                  // lblProximaPaginaF_Pop
    QRect iconeOpcional, rotuloOpcional;      // imgOpTp, lblOpTp
    QRect iconeObservacao, rotuloObservacao;  // imgObsTp, lblObsTp
    QPoint quadro;                  // shpSelecaoItem in window coordinates
    int larguraQuadro = 0;
    QRect tela;                     // pctTela(4) in window coordinates
};

struct GeometriaDica {
    int modo = 0;                   // 0: the panel stays hidden
    bool paginacaoVisivel = false;  // the two paging lines (mode 1)
    int topoOpcional = -1;          // tops of the hint rows shown (-1: hidden)
    int topoObservacao = -1;
    QRect painel;                   // in pctTela(4) coordinates
};

GeometriaDica CalculaDica(const EntradaDica& e);

// Left edge of the kit panel in window pixels: 800 on a window wider than
// 975; otherwise towards the window's right edge (799 minus the suggestion
// panel's width) for an item in the drawing's left half or on its middle
// line, else at the drawing's left edge.  Positions of the drawing and the
// label are in pctTela(4) coordinates.
int EsquerdaPainelJogos(int larguraInternaJanela, int figuraLeft, int figuraLargura, int rotuloLeft,
                        int larguraSugestao, int telaLeft);

struct GeometriaPainelJogos {
    std::vector<int> topos;    // top of row i (number and description)
    std::vector<int> alturas;  // height of row i's description: 28 two lines, 15 one
    int topoRodape = 53;
    int altura = 59;
};

// Rows of the kit panel from the measured widths of the descriptions; a
// description wider than its label (91) takes two lines (28 pixels), or the
// height of its wrapped text when that needs more (alturasTexto, when given:
// a long description is never cut off).  The first row stands at 20; each
// next one 1 pixel below the previous description; the footer (6 high)
// directly under the last row; without rows it stays at 53.
GeometriaPainelJogos CalculaPainelJogos(const std::vector<int>& largurasDescricao, int larguraRotulo = 91,
                                        const std::vector<int>& alturasTexto = {});

}  // namespace Conjunto
