#pragma once
// The state that the part search keeps between visits of screen 1: the two
// saved search slots (one for the main search from the start screen, one for
// the comparison side search), their start contents per edition, the rule
// that keeps one kind ticked, and the item kind of a result row.

#include "platform/dao/dao.h"

#include <QString>
#include <QVariant>

namespace Pesquisa {

// One saved slot (the design's FiltrosPesquisa), fields in its order.
struct FiltrosPesquisa {
    QString TextoNumeroEmpresa;
    QString TextoDescricao;
    QString TextoNumeroFabricante;
    bool PesquisaComponentes = false;   // editions V and A
    bool PesquisaJogosReparo = false;
    bool PesquisaTransmissoes = false;
    bool PesquisaEixos = false;         // edition A
    QString CodigoTipoPeca = QStringLiteral(" ");  // editions D and M
    QString TipoSelecionado;
    long CodigoSelecionado = -5;

    friend bool operator==(const FiltrosPesquisa&, const FiltrosPesquisa&) = default;
};

// The slot of an origin: 0 for the start screen, 1 for any other.
inline int SlotDaOrigem(int origem) { return origem != 0 ? 1 : 0; }

// Start contents of a slot: edition V slot 0 ticks components, repair kits
// and transmissions, slot 1 transmissions; A adds axles to both; D slot 0
// type " ", slot 1 "3"; M slot 0 " ", slot 1 "R".
FiltrosPesquisa FiltrosIniciais(const QString& edicao, int slot);

// The four kind flags of screen 1.
struct TiposMarcados {
    bool componentes = false;
    bool jogosReparo = false;
    bool transmissoes = false;
    bool eixos = false;
};
enum class Tipo { Componentes, JogosReparo, Transmissoes, Eixos };
// The flags after a click on a kind's check box: unticking the only ticked
// kind changes nothing (`mudou` false); otherwise the kind is inverted.
TiposMarcados AlternaTipo(const TiposMarcados& atual, Tipo tipo, bool* mudou = nullptr);

// The item kind of a part-search row from its Tipo column: "COM" for the
// component caption, "JRE" for the repair-kit caption, "PCA" for anything
// else, Null and empty included (an assembly whose type has no TIPOPECA row
// shows an empty Tipo).  Pure: needs no database.
QString TipoItemDaLinha(const QVariant& tipo, const QString& idioma);

// The current row of a drop-down's recordset, read safely: the vehicle
// search's manufacturer (CodigoFabricante; 0, all manufacturers, when the
// drop-down has no current row or the value is Null: a data file whose
// CODIGOFABRICANTE is empty has no row for all manufacturers) and the part
// search's type code (CodigoTipoPeca; `atual` when there is none).
long CodigoFabricanteDaLinha(const platform::dao::RecordsetPtr& rs);
QString CodigoTipoPecaDaLinha(const platform::dao::RecordsetPtr& rs, const QString& atual);

}  // namespace Pesquisa
