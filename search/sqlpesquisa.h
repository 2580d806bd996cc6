#pragma once
// The statements of the search screens of the main window (screens 1 and 2):
// the part search over components, repair kits and assemblies, the vehicle
// search, the manufacturer drop-down and the part-type drop-down, and the
// FindFirst criteria with which the screens reselect a row.
//
// The builders are plain functions of the screens' state and give the Jet
// SQL text the screens bind, character for character as the catalogue has
// always sent it: the part search is the template
//   SELECT Format(?????.NumeroEmpresa?????,'0000 000 000') As NumeroEmpresa,
//   ?????.Descricao?????<I> AS Descricao,!!!!! AS Tipo,?????.Codigo????? AS
//   Codigo,?????.ImagensGrid FROM ?????????? <conditions><marker>
// expanded once per selected kind (components, repair kits, assemblies) and
// joined by "UNION ALL ", then "ORDER BY " and the order.  What differs from
// the plain template expansion is only where the old text was unsound:
//   - what the user typed is put in after the placeholders were replaced, so
//     a box holding "1WWWW" or "?????" stays the user's text;
//   - description and vehicle boxes use PadraoTextoPesquisa (accents folded,
//     "*" between words), number boxes the canonical numbers as always;
//   - every text put between apostrophes (kind captions in the language of
//     the run, type codes and descriptions read from the catalogue) has its
//     apostrophes doubled.
// For inputs without apostrophes, accents or several words the text is the
// one of the design.
//
// Nothing here touches a database or a widget; texts come from the texts
// table (ObtemTexto) in the language given.

#include <QString>

namespace Pesquisa {

// The state of screen 1 that the part search reads.
struct EntradaPesquisaPecas {
    QString numeroEmpresa;        // txtNumeroEmpresa
    QString descricao;            // txtDescricao
    QString numeroFabricante;     // txtNumeroFabricante
    // Kind check boxes of editions V and A.
    bool componentes = false;
    bool jogosReparo = false;
    bool transmissoes = false;
    bool eixos = false;
    // Type code of editions D and M: " " everything, "3" all assemblies
    // (edition D), "1" repair kits, "2" components, else a TIPOPECA code.
    QString codigoTipoPeca = QStringLiteral(" ");
    QString edicao = QStringLiteral("V");
    QString idioma = QStringLiteral("P");
};

// The kinds a part search lists: in editions D and M derived from the type
// code, in V and A the check boxes.
struct TiposPesquisa {
    bool componentes = false;
    bool jogosReparo = false;
    bool conjuntos = false;
};
TiposPesquisa TiposSelecionados(const EntradaPesquisaPecas& e);

// The part search, sorted by `ordem` ("1" number, "2" description).  A
// search with no kind selected gives the empty string (the screens keep one
// kind ticked, and every type code selects one).
QString SqlPesquisaPecas(const EntradaPesquisaPecas& e, const QString& ordem);

// The vehicle search: the vehicle box and the manufacturer of the
// drop-down's current row (0: all manufacturers).
QString SqlPesquisaVeiculos(const QString& textoVeiculo, long codigoFabricante, const QString& idioma);

// The manufacturer drop-down; textoTodos is the caption of the row for all
// manufacturers (the screen passes text 0 upper-cased).
QString SqlComboFabricantes(const QString& textoTodos, const QString& idioma);

// The part-type drop-down of editions D and M (edition D adds the row for
// all assemblies).
QString SqlComboTiposPeca(const QString& edicao, const QString& idioma);

// FindFirst criteria of the screens.  The part-search row: an empty kind
// text (an assembly whose type has no TIPOPECA row) finds the row whose Tipo
// is Null or empty.
QString CriterioLinhaPesquisa(const QString& tipo, long codigo);
QString CriterioTipoPeca(const QString& codigoTipoPeca);      // "CodigoTipoPeca='x'"
QString CriterioFabricante(long codigoFabricante);             // "CodigoFabricante = n"
QString CriterioVeiculo(long codigoVeiculo);                   // "Codigo = n"

}  // namespace Pesquisa
