#pragma once
// The statement of the parts list (screen 3): the assemblies that hold a
// component ("COM"), a repair kit ("JRE"), the assembly itself ("PCA") or
// the assemblies that fit a vehicle ("VEI"), with the columns
// NumeroEmpresaPeca (formatted), DescricaoPeca, CodigoPeca,
// DescricaoTipoPeca (Null for a type without TIPOPECA row), ArquivoFotoPeca,
// ImagensGrid and TipoPeca, sorted by the formatted number.  Components and
// kits list each assembly once (DISTINCT), vehicles one row per link.
//
// Example, component 123 in Portuguese:
//   SELECT DISTINCT Format(PECA.NumeroEmpresaPeca, '0000 000 000') AS
//   NumeroEmpresaPeca,PECA.DescricaoPecaP AS DescricaoPeca,
//   PECA_COMPONENTE.CodigoPeca,TIPOPECA.DescricaoTipoPecaP AS
//   DescricaoTipoPeca,PECA.ArquivoFotoPeca,PECA.ImagensGrid,PECA.TipoPeca FROM
//   (PECA_COMPONENTE INNER JOIN PECA ON PECA_COMPONENTE.CodigoPeca =
//   PECA.CodigoPeca) LEFT JOIN TIPOPECA ON PECA.TipoPeca =
//   TIPOPECA.CodigoTipoPeca WHERE PECA_COMPONENTE.CodigoComponente = 123
//   ORDER BY 1
// (one line, no line breaks).
//
// Another kind raises platform::Error 5 (invalid procedure call): the list
// is opened only for these four.

#include <QString>

namespace Pesquisa {

QString SqlListaPecas(const QString& tipoItem, long codigoItem, const QString& idioma);

// The figure's locate request the list keeps for Forward: "C:" code ":C" for
// a component, "J:" code ":J" for a repair kit, "" otherwise.
QString SolicitacaoLocalizacaoLista(const QString& tipoItem, long codigoItem);

// FindFirst criterion that reselects an assembly of the list.
QString CriterioConjunto(long codigoPeca);

}  // namespace Pesquisa
