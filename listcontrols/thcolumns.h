#pragma once
// The column-spec language of the list controls and the column layout it
// yields, as plain calculations without widgets: THGrid builds its inner-grid
// columns and its current-row bar from THLayout::CalculaColunas, THCombo its
// face from the same layout (or from THLayout::CalculaFace), and tests call
// both directly.
//
// A column spec (EspecificacaoColuna) is a text of up to seven fields
// separated by "|":
//   0 data field     the recordset field shown; "#LeftIgualAnterior" shares
//                    the previous column and creates none
//   1 alignment      0 left, 1 right, 2 centre
//   2 width          twips
//   3 kind           "T" text, "I" flag icon, "F" fixed icon (case-sensitive);
//                    any other kind adds a grid column and nothing else
//   4 divider style  0 none, 1 black, 6 light grey; optional for text specs
//   5 tooltip        icon kinds only
//   6 mouse pointer  icon kinds only: 99 the hand, 0 the default arrow
// A text spec needs fields 0 to 3, an icon spec all seven.  The face of a
// THCombo may take a six-field variant without the divider style.
//
// Positions and widths are twips, as the specs give them; a pixel is
// TwipsPorPixel twips.  Errors are raised as platform::Error with the run
// time's numbers: 9 for a missing field or picture, 13 for a field that is
// not a number, 6 for a number out of its type's range, 380 for a bar label
// that would get a negative width.

#include "platform/desktop/units.h"

#include <QString>
#include <QStringList>

#include <climits>
#include <vector>

namespace THLayout {

constexpr int TwipsPorPixel = platform::kTwipsPerPixel;
// Row height of the inner grid and height of the current-row bar, pixels.
constexpr int AlturaLinhaPx = 17;
constexpr int AlturaBarraPx = 16;
// Default of sApartirIndexNoDividerCol: every column has a divider.
constexpr int TodasComDivisor = INT_MAX;

inline const QString CampoLeftIgualAnterior = QStringLiteral("#LeftIgualAnterior");

// One spec, its fields converted.
struct Especificacao {
    QString campo;
    int alinhamento = 0;
    int larguraTwips = 0;
    QString tipo;
    bool temDivisor = false;
    int divisor = 0;
    QString dica;
    int ponteiro = 0;

    bool compartilhaAnterior() const { return campo == CampoLeftIgualAnterior; }
    bool icone() const { return tipo == QLatin1String("I") || tipo == QLatin1String("F"); }
};

// Reads a list spec (seven-field language).
Especificacao LeEspecificacao(const QString& texto);
// Reads a face spec (six fields: no divider style).
Especificacao LeEspecificacaoFace(const QString& texto);

// ---------------------------------------------------------------------------
// Layout of a list's columns (ConfiguraColunas).

struct EntradaColunas {
    QStringList especificacoes;
    // Width of the current-row bar, set by the size adjustment before.
    int larguraBarraTwips = 0;
    int apartirIndexSemDivisor = TodasComDivisor;
    // Width of the normal picture of each icon column, in spec order; an
    // icon column without a picture raises 9.
    std::vector<int> larguraImagensTwips;
};

// A column of the inner grid.
struct ColunaGrid {
    QString campo;
    int alinhamento = 0;
    int larguraTwips = 0;   // the Width the spec gives, as the grid keeps it
    int divisor = 6;        // divider style of the column
    int esquerdaTwips = 0;  // left edge inside the grid
    int passoTwips = 0;     // distance to the next column's left edge (the last: its width)
};

// A label of the current-row bar (text column).
struct Rotulo {
    int esquerdaTwips = 0;
    int larguraTwips = 0;
    int alinhamento = 0;
    QString tag;            // the data field
    int colunaGrid = 0;     // the grid column whose text it repeats
};

// An icon column: its bar icon, hover twin, hover picture and row icons
// share the left position.
struct Icone {
    QChar tipo;             // 'I' or 'F'
    int esquerdaTwips = 0;
    int colunaGrid = 0;     // the grid column it stands in (mColunaImagem)
    int numeroFlag = -1;    // n among the "I" columns: flag character n + 1; -1 for "F"
    QString dica;
    int ponteiro = 0;
};

// A divider line of the bar; index = grid column index n.
struct Divisor {
    bool carregado = false; // the line was set (shown)
    int xTwips = 0;
    bool preto = false;     // black (&H0) instead of light grey (&HC0C0C0)
};

struct LayoutColunas {
    std::vector<ColunaGrid> colunas;
    std::vector<Rotulo> rotulos;
    std::vector<Icone> icones;
    std::vector<Divisor> divisores;
    QString tiposColunas;           // one kind letter per T/I/F spec, spec order
    int qtdLeftIgualAnterior = 0;
    int colunaLeftIgualAnterior = 0;
    int ultimaColunaGrid = 0;       // mUltimaColunaGrid
    int ultimaImagem = -1;          // mUltimaImagem
    int colunaFlags = -1;           // grid column of the row flags (first "I"), -1 none
};

// The grid keeps a column width in whole pixels: the width it reports back.
int LarguraAceitaPeloGrid(int larguraTwips);

LayoutColunas CalculaColunas(const EntradaColunas& entrada);

// Left of an icon of width larguraIcone inside a column of width w starting
// at x, by alignment (0 left, 1 right, 2 centre; others keep x).
int EsquerdaIcone(int x, int w, int alinhamento, int larguraIcone);

// Flag n of a row's flags text: character n + 1 is a single space.
bool FlagAtivo(const QString& flags, int n);

// ---------------------------------------------------------------------------
// Face of a THCombo built from its own six-field spec (ConfiguraColunasFace).

struct FaceIcone {
    int esquerdaTwips = 0;
};

struct LayoutFace {
    std::vector<Rotulo> rotulos;        // colunaGrid unused
    std::vector<FaceIcone> icones;      // icon g takes the list's icon g
    std::vector<int> divisoresXTwips;   // placed but never shown
};

// larguraIconesTwips: width of the list's bar icon g for each face icon g
// (a face icon without a list icon raises 9).
LayoutFace CalculaFace(const QStringList& especificacoes, const std::vector<int>& larguraIconesTwips);

}  // namespace THLayout
