#pragma once
// The widget-free part of the comparison screens of the main window: screen
// 8 (the comparison list: its header, title, geometry per edition, column
// specs and the select-all icons) and screen 9 (the choice of the two
// assemblies: the lookup of a typed number and the caption it shows).  The
// screens apply what these routines compute; the tools and tests call them
// directly.
//
// Errors are platform::Error and reach the caller (the screen's guard).

#include "comparison/comparacaotabela.h"
#include "comparison/inclusao.h"

#include <QString>
#include <QStringList>

#include <array>

namespace Comparacao {

// --- screen 8 ------------------------------------------------------------

// The header query: both assemblies' code, formatted number, description,
// type and OrdemPeca (0 for the first, 1 for the second).
QString ConsultaCabecalhoComparacao(long CodigoPeca1, long CodigoPeca2, const QString& Idioma);

// What the header puts into lblNumeroEmpresaPeca(i) (Tag, Caption,
// ToolTipText) and imgTitQuantidade(i).Tag, for i = 0 first, 1 second.
struct LadoComparacao {
    QString codigo;     // CodigoPeca as text
    QString numero;     // formatted company number
    QString descricao;
    QString tipo;       // TipoPeca
};
std::array<LadoComparacao, 2> LeCabecalhoComparacao(const DatabasePtr& Catalogo, long CodigoPeca1, long CodigoPeca2,
                                                    const QString& Idioma);

// The title line: the kind of the second assembly's type (editions D and M:
// its TIPOPECA description in the language, apostrophes doubled in the
// lookup; V and A: text 37 for "E", else 38), ": ", the first number,
// "  /  " and the second number.
QString TituloComparacao(const DatabasePtr& Catalogo, const QString& Edicao, const QString& Idioma,
                         const QString& TipoPeca, const QString& Numero1, const QString& Numero2);

// Screen 8's fixed places in pixels (edition M: a wider list and every
// header position 123 further right; no cross-reference panel).
struct GeometriaComparacao {
    int listaEsquerda = 15, listaTopo = 152;  // from pctTela(8)'s corner
    int listaLargura = 565, listaAltura = 340;
    int larguraDescricao = 229;
    std::array<int, 2> lblNumeroEmpresaPeca{384, 477};  // Left
    std::array<int, 2> imgTitQuantidade{434, 488};      // Left of indexes 1 and 2
    std::array<int, 2> imgSelecionarTodos{386, 479};    // Left
    std::array<int, 2> linComparacao{382, 475};         // X1 = X2
    bool painelReferencia = true;                       // pctPainelRef(3), imgTitNo(3)
};
GeometriaComparacao GeometriaTelaComparacao(const QString& Edicao);

// The list's eight column specs (widths in twips), tooltips in the language.
QStringList ColunasComparacao(const QString& Edicao, const QString& Idioma);

// The list's icon pictures by name: [state][icon], state 0 normal, 1
// highlighted; icon 3 shares icon 2's pictures.
std::array<std::array<QString, 4>, 2> NomesIconesComparacao();

// The caption of lblExibirComparacao ("  Exibir:  ") and of the three
// filter options (texts 64, 65, 66).
QString LegendaExibirComparacao(const QString& Idioma);
std::array<QString, 3> LegendasFiltroComparacao(const QString& Idioma);

// The select-all query of side Indice (0 first, 1 second): the components
// that side has, under the list's filter (its Tag) and in its order.
QString ConsultaSelecionarTodos(const QString& Tabela, int Indice, const QString& TagFiltro, const QString& Ordem);

// imgSelecionarTodos_Click: every listed component of one side goes into
// the cart through `Incluir` (kind "COM", its quantity text, optional when
// its first flag is a blank, no animation each).  With rows added the
// animation plays once through `Efeito`; without, a critical box shows text
// 43 and "." titled text 19.  Returns the number of rows added.
int SelecionaTodosComparacao(const DatabasePtr& Auxiliar, const QString& Tabela, int Indice, const QString& TagFiltro,
                             const QString& Ordem, const IncluiItem& Incluir, const EfeitoCarrinho& Efeito);

// --- screen 9 ------------------------------------------------------------

// mRsPecasComparacao's query: every assembly with its number, description
// in the language and type.
QString ConsultaPecasComparacao(const QString& Idioma);

// The FindFirst criterion of a typed number: its canonical form (letters and
// digits, upper case, no leading zeros) compared for equality.
QString CriterioNumeroComparacao(const QString& TextoDigitado);

// The caption of lblDescricaoPecaComp for a found assembly: edition D the
// description; M the TIPOPECA description of the type (apostrophes doubled
// in the lookup), ": " and the description; V and A text 1 for "E", else
// text 3, ": " and the description.
QString LegendaPecaComparacao(const DatabasePtr& Catalogo, const QString& Edicao, const QString& Idioma,
                              const QString& TipoPeca, const QString& DescricaoPeca);

// What one number box found: the box's Tag (CodigoPeca, "" for none), the
// label's caption and Tag (TipoPeca).
struct EscolhaComparacao {
    QString codigo;
    QString legenda;
    QString tipo;
    bool encontrada() const { return !codigo.isEmpty(); }
};
// txtNumeroEmpresaComp_Change's lookup in the open assemblies' snapshot.
EscolhaComparacao ProcuraPecaComparacao(const RecordsetPtr& Pecas, const DatabasePtr& Catalogo, const QString& Edicao,
                                        const QString& Idioma, const QString& TextoDigitado);

// Whether the vehicle-search buttons of screen 9 show (not in edition M).
inline bool PesquisaVeiculoComparacao(const QString& Edicao) { return Edicao != QLatin1String("M"); }

}  // namespace Comparacao
