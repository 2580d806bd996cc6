#pragma once
// The look of the figure's item labels and the marks of a hovered item.
//
// Style states (EstiloItem): 0 plain, 1 item of the chosen repair kit
// (opaque sky-blue background), 2 not applicable (grey italic).  Restoring a
// label applies its state's look only when the label does not already show
// it (the test of the last column below, or the label is bold), so a located
// label that blinks red and white goes back to its state's colour, and bold
// goes away with it.
//
//   state  text colour  bold   italic  background   applied when
//   0      &H000000     no     no      transparent  colour <> 0 or opaque
//   1      &H000000     no     no      opaque       colour <> 0 or transparent
//   2      &H808080     no     yes     transparent  colour <> &H808080
//
// Hovering an item marks the labels related to it: every other label that
// shows the same caption turns bold red; every label with another caption
// that shares one of the item's repair kits turns bold blue, and the pages
// holding those blue labels get their thumbnails framed.  Captions are
// compared as shown: the hovered label shows its full text, the others their
// loaded caption (a short text where there is one).

#include "assembly/figuramodelo.h"

#include <vector>

namespace Conjunto {

constexpr long kCorPreto = 0x000000;
constexpr long kCorCinza = 0x808080;
constexpr long kCorVermelho = 0x0000FF;
constexpr long kCorAzul = 0xFF0000;
// Background of a kit item (&HF2DFAC).
constexpr long kCorFundoJogo = 0xF2DFAC;

struct AparenciaItem {
    long corTexto = kCorPreto;
    bool negrito = false;
    bool italico = false;
    bool opaco = false;
};

// The look of a state; nullopt for a value outside 0..2 (left alone).
std::optional<AparenciaItem> AparenciaEstilo(int estilo);
// Whether restoring a label of that state, showing that colour, background
// and weight, changes it.  No state is bold, so a bold label (a located item
// before its first blink) is always restored.
bool RestauraMudaRotulo(int estilo, long corAtual, bool opacoAtual, bool negritoAtual);

struct ItensRelacionados {
    std::vector<int> vermelhos;  // same caption, other label
    std::vector<int> azuis;      // shares a kit
    std::vector<int> partes;     // pages of the blue labels, in order of first appearance
};

// The related labels of hovered label `indice` (1..UltimoItem()).
ItensRelacionados RelacionadosDoItem(const FiguraModelo& figura, int indice);

// The pages of a kit's labels in label order, each once (the thumbnails a
// kit choice frames).
std::vector<int> PartesDoJogo(const FiguraModelo& figura, std::int64_t jogo);

}  // namespace Conjunto
