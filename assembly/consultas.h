#pragma once
// The statement texts of the assembly view and the find criteria of its
// recordsets, built exactly as designed; "<I>" is replaced by the language
// letter given.  Every text put between apostrophes (item numbers, the
// all-kits row's caption) has its apostrophes doubled (Modulo::TextoSQL), so
// an item such as 05.030'A reaches the database as one literal; for texts
// without apostrophes the statements are unchanged.
//
// One deliberate difference from the design: the kit combo's note test is
// written "A.CodigoPeca IS NULL" (the design's "= Null" is never true), so a
// kit note that applies to every assembly shows its icon.

#include <QString>

#include <cstdint>

namespace Conjunto {

// Hot spots of the figure of an assembly, one row per repair kit of each
// hot spot's item, in page and hot-spot order.
QString ConsultaFigura(std::int64_t codigoPeca, const QString& idioma);

// Components of the figure's assembly (mRsItensFigura), in item and
// component order; outside edition M without the optional alternatives.
QString ConsultaComponentesFigura(std::int64_t codigoPeca, bool edicaoNaoMaritima, const QString& idioma);

// Items of the assembly at which a component sits (the "C:" request).
QString ConsultaItensComponente(std::int64_t codigoPeca, std::int64_t codigoComponente);

// Repair kits of one item of the assembly (the kit panel), by description.
QString ConsultaJogosItem(std::int64_t codigoPeca, const QString& item, const QString& idioma);

// The kit combo: the all row (caption textoTodos) and the assembly's kits.
QString ConsultaComboJogos(std::int64_t codigoPeca, const QString& textoTodos, const QString& idioma);

// The components table without its ORDER BY; jogo above 0 keeps the kit's
// positions only.
QString ConsultaComponentes(std::int64_t codigoPeca, std::int64_t jogo, const QString& idioma);
// The base followed by "ORDER BY " and the sort code ("1", "3", "4").
QString ComOrdem(const QString& base, const QString& ordem);
// The base of a kept statement: its text up to its last "ORDER BY".
QString BaseSemOrdem(const QString& consulta);

// Components of the assembly whose cross reference for one of the
// manufacturers contains the normalised number (at most 50).
QString ConsultaComponentesFabricante(const QString& numeroNormalizado, const QString& fabricantes,
                                      std::int64_t codigoPeca);

// Find criteria.
QString CriterioItem(const QString& item);                                   // ItemComponente = '...'
QString CriterioItemComponente(const QString& item, std::int64_t codigoComponente);  // ... AND CodigoComponente=n (n > 0)
QString CriterioJogo(std::int64_t codigoJogo);                               // CodigoJogoReparo = n
QString CriterioCaixaItem(const QString& texto);                             // txtItem
QString CriterioCaixaNumero(const QString& texto);                           // txtNumeroEmpresaT
QString CriterioCaixaComponente(const QString& texto);                       // txtComponente
QString CriterioComponentes(const QString& lista);                           // CodigoComponente IN (...)

}  // namespace Conjunto
