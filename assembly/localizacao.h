#pragma once
// Locate requests and the marks they leave on the figure.
//
// A locate request (SolicitacaoLocalizacao, left in gParametro by the screen
// that opens the figure) holds any of three marker pairs, in any order:
//   "J:" kit code ":J"          the items of a repair kit   (kind word text 4)
//   "I:" items ":I"             items joined by "|"         (kind word text 24)
//   "C:" component code ":C"    where a component sits      (kind word text 2)
// Each kind is read from its first opening marker up to the first closing
// marker after it.  A pair without its closing marker, or a kit or component
// code that is not a whole number, locates nothing of that kind and gives no
// kind word.  When several kinds are present the kind word of the last one in
// the order J, I, C names what was asked for.
//
// Marks: a label whose full item text is one of the requested items is a
// located item (red, bold, blinking); otherwise a label of the requested kit
// is a kit item (marked by its style, not blinking).  Items are compared
// exactly (case-sensitive), as the program writes them.

#include "assembly/figuramodelo.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace Conjunto {

struct SolicitacaoLocalizacao {
    std::optional<std::int64_t> jogo;        // "J:"
    QStringList itens;                       // "I:", split at "|" (empty pieces dropped)
    std::optional<std::int64_t> componente;  // "C:"
    int textoTipo = -1;                      // texts entry of the kind word, -1 none

    bool Vazia() const { return !jogo && itens.isEmpty() && !componente; }
};

SolicitacaoLocalizacao LeSolicitacaoLocalizacao(const QString& texto);

// Text of a request for one kind (the writers' form).
inline QString SolicitacaoComponente(std::int64_t codigo) { return QStringLiteral("C:%1:C").arg(codigo); }
inline QString SolicitacaoJogo(std::int64_t codigo) { return QStringLiteral("J:%1:J").arg(codigo); }
inline QString SolicitacaoItem(const QString& item) { return QStringLiteral("I:%1:I").arg(item); }

// Colour of a located item (&HBBGGRR) and of its blink phase.
constexpr long kCorLocalizado = 0x0000FF;
constexpr long kCorPiscaBranco = 0xFFFFFF;

// One column of the marks list (mItensDestacados).
struct MarcaItem {
    int indice = 0;   // label
    long cor = 0;     // kCorLocalizado for located items; unused for kit items
    bool pisca = false;
};

// The marks of a request: every label 1..UltimoItem() in index order that
// is a located item or a kit item.
std::vector<MarcaItem> MarcaItensFigura(const FiguraModelo& figura, const QStringList& itens,
                                        std::optional<std::int64_t> jogo);

// The page shown after locating: the page of the first mark, else page 0
// (-1 when the figure has no page).
int ParteDasMarcas(const FiguraModelo& figura, const std::vector<MarcaItem>& marcas);

// One blink tick of a mark: the next text colour of a blinking label (white
// after any other colour, the mark's colour after white).
inline long CorPiscaSeguinte(long corAtual, long corMarca)
{
    return corAtual == kCorPiscaBranco ? corMarca : kCorPiscaBranco;
}

}  // namespace Conjunto
