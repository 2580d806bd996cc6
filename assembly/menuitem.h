#pragma once
// The figure's item menu (the popup of frmMenu) and what its entries send.
//
// Entries in menu order, each shown only when its condition holds:
//   mnuSugestaoCompra       text 39   code 5   the buying-suggestion flag
//   mnuTracoSugestaoCompra  separator          the buying-suggestion flag
//   mnuSelecionaItem        text 101  code 0   always
//   mnuTracoSelecionaItem   separator          one of the four below shows
//   mnuDetalhes             text 23   code 1   no second assembly
//   mnuOpcional             text 10   code 4   the optional flag
//   mnuJogosReparo          text 9    code 2   the repair-kits flag
//   mnuObservacao           text 8    code 3   the note flag
//
// Action codes of MenuItemFigura: 0 cart, 1 components table at the item,
// 2 repair kits (detail request 1), 3 note (request 0), 4 optional
// components (request 4), 5 buying suggestion.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace Conjunto {

// The four flags of a component row (a blank in ImagensGrid position n).
struct FlagsItem {
    bool sugestao = false;
    bool opcional = false;
    bool jogos = false;
    bool observacao = false;
};

// A flag character of the figure's components recordset: set when " ".
inline bool FlagLigada(const QString& c) { return c == QLatin1String(" "); }

constexpr int kMenuCarrinho = 0;
constexpr int kMenuTabela = 1;
constexpr int kMenuJogos = 2;
constexpr int kMenuObservacao = 3;
constexpr int kMenuOpcionais = 4;
constexpr int kMenuSugestao = 5;

struct EntradaMenu {
    QString nome;       // "mnuSelecionaItem"
    int codigo = -1;    // action code; -1 for a separator
    int texto = -1;     // texts entry of the caption; -1 for a separator
    bool separador() const { return codigo < 0; }
};

// The visible entries, in menu order.
std::vector<EntradaMenu> EntradasMenuItem(const FlagsItem& flags, bool semSegundoConjunto);

// A detail-window request of the menu: its code and its fields (joined by
// "|").  nullopt for the codes that open none (0, 1, 5).
struct SolicitacaoDetalhe {
    int codigo = 0;
    QString campos;
    // The text the detail window receives: code, "|", fields.
    QString Texto() const { return QString::number(codigo) + QLatin1Char('|') + campos; }
};

std::optional<SolicitacaoDetalhe> SolicitacaoMenuItem(int codigoMenu, std::int64_t codigoPeca, const QString& item,
                                                      std::int64_t codigoComponente);

}  // namespace Conjunto
