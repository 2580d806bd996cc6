#pragma once
// The cross-reference panel (the vehicle manufacturers' own numbers for a
// company number) and the manufacturers of an assembly.
//
// Six panels exist, each named by an origin code: 1 search results, 3 parts
// list, 5 components table, 8 comparison list (main window), -1 repair kits
// and -4 optional components (detail window).  A window builds its panel with
// CriaPainelReferencia, places it, and registers it; ExibeReferenciaCruzada
// then fills the panel of an origin.  Each panel holds rows of a
// manufacturer-number label above a manufacturer-name label, with a grey line
// below every row but the last.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

namespace Modulo {

// The origin codes.
constexpr int kOrigemResultadoPesquisa = 1;
constexpr int kOrigemListaPecas = 3;
constexpr int kOrigemTabelaComponentes = 5;
constexpr int kOrigemComparacao = 8;
constexpr int kOrigemJogosReparo = -1;
constexpr int kOrigemOpcionais = -4;

// One panel and its control arrays (the same number of name and number
// labels, one line fewer).  txtNumeroFabricante is the screen's
// manufacturer-number box whose matches are shown first and in bold
// (origins 1 and 5 only; null for the others).
struct PainelReferencia {
    QPointer<QWidget> pctPainelRef;
    std::vector<QPointer<QLabel>> lblFabricanteRef;
    std::vector<QPointer<QLabel>> lblNumeroFabricanteRef;
    std::vector<QPointer<QFrame>> linRef;
    QPointer<QLineEdit> txtNumeroFabricante;
};

// Whether an origin is one of the six codes.
bool OrigemReferenciaValida(int Origem);
// Rows of an origin's panel (9, 6, 9, 8, 7, 7); 0 for other codes.
int LinhasPainelReferencia(int Origem);

// Builds the panel of an origin as a child of `pai`: its size, background
// (&HFAF1EC, no border), labels and lines at their places.  The caller moves
// it and sets txtNumeroFabricante for origins 1 and 5.  Another origin
// raises error 5.
PainelReferencia CriaPainelReferencia(int Origem, QWidget* pai);

// Makes `painel` the panel filled for `Origem` (replacing an earlier one).
// Controls that are deleted later are skipped by the fill.
void RegistraPainelReferencia(int Origem, const PainelReferencia& painel);
void RemovePainelReferencia(int Origem);

// Fills the panel of Origem with the cross references of the canonical
// company number NumeroEmpresa, limited to the manufacturer codes of
// FiltroFabricantes (comma-separated; empty: every manufacturer), ordered by
// manufacturer name and number, those matching the typed manufacturer number
// first and in bold.  An empty NumeroEmpresa clears the panel.  In edition M
// nothing happens.  An origin outside the six codes raises error 5; an origin
// whose window has registered no panel is left alone.  Database errors reach
// the caller.
void ExibeReferenciaCruzada(int Origem, const QString& NumeroEmpresa, const QString& FiltroFabricantes);

// The distinct manufacturer codes of the vehicles that use the assembly
// CodigoPeca or (when above 0) CodigoPeca2, joined by ","; "" when none.
QString ObtemFabricantesPeca(long CodigoPeca, long CodigoPeca2 = 0);
// The first of those codes for one assembly, -1 when there is none.
long ObtemFabricantePeca(long CodigoPeca);

}  // namespace Modulo
