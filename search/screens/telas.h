#pragma once
// Screens 1, 2 and 3 of the main window frmTQ1 and the handlers that go with
// them, plugged in through the window's registry (mainwindow/registro.h):
//
//   pesquisapecas.cpp    screen 1, the part search: show, hide, the saved
//                        search slots, the search and the type drop-down
//   pesquisaveiculos.cpp screen 2, the vehicle search and the maker drop-down
//   filtros.cpp          kind check boxes, the first drop-down's choice, the
//                        search boxes (textChanged) and the column titles
//   listapecas.cpp       screen 3, the parts list of an item
//   avancar.cpp          Forward on screens 1, 2, 3 and 9, supersession
//   acoesgrid.cpp        the main list's row actions (double click, icons,
//                        row change), the part photo, the Figure button and
//                        the start screen's search buttons
//   efeitocarrinho.cpp   the cart animation (EfeitoCarrinho, tmrAnimacao)
//   registro.cpp         Registra: the slots, AoCriar and AoDescarregar
//
// Every routine takes the window and runs on its thread inside the caller's
// guard (Modulo::Guarda): database errors reach the caller.  The searches run
// on the window's search runner (telapesquisa.h); every routine that reads or
// moves the list first finishes the pending search.  Screen 1 shows at once
// and binds its rows when its search ends (a failing search shows its box
// then, over the screen with an empty list); the other show routines read
// their rows before they leave the screen shown, so that a failing query
// leaves the user on the screen and list they had.
//
// Where the catalogue's old behaviour was unsound these routines are not:
//   - a Null or unknown kind on screen 1 (an assembly whose type has no
//     TIPOPECA row) is an assembly ("PCA") for Forward, the cart, notes and
//     reselection;
//   - the search boxes fold accents and match several words (PadraoTextoPesquisa);
//   - texts put into SQL or FindFirst have their apostrophes doubled;
//   - an empty CODIGOFABRICANTE means all makers;
//   - a photo name that leaves the data folder, a missing, corrupt or huge
//     photo show no photo.

#include "mainwindow/registro.h"
#include "platform/dao/dao.h"
#include "search/estadopesquisa.h"

#include <QString>
#include <QtGlobal>

class frmTQ1;

namespace Pesquisa {

// Fills the slots search owns and adds its AoCriar/AoDescarregar hooks:
// screens 1, 2, 3 (show and hide), GuardaFiltrosPesquisa, Forward on 1, 2, 3
// and 9, imgFigura_Click, imgPesquisa0_Click, imgPesquisa1_Click and
// EfeitoCarrinho.  The hooks connect the search boxes, the kind check boxes,
// the first drop-down, the column titles, the main list's events and the
// cart timer of each new window.
void Registra(RegistroTQ1& r);
void Registra();

// ---- Screen 1 (pesquisapecas.cpp) -------------------------------------------
void MostraPesquisaPecas(frmTQ1& f, quint8 sTelaOrigem);
void EscondePesquisaPecas(frmTQ1& f);
void GuardaFiltrosPesquisa(frmTQ1& f);
void RestauraFiltrosPesquisa(frmTQ1& f, quint8 sOrigem);
// The part search in order sOrdem ("1" number, "2" description), started on
// the runner; with sAtualizaGrid the list redraws when the rows are bound.
void AtualizaGridPesquisa(frmTQ1& f, const QString& sOrdem, bool sAtualizaGrid);
void CarregaComboTiposPeca(frmTQ1& f);

// ---- Screen 2 (pesquisaveiculos.cpp) ----------------------------------------
void MostraPesquisaVeiculos(frmTQ1& f, quint8 sTelaOrigem);
void EscondePesquisaVeiculos(frmTQ1& f);
void AtualizaGridVeiculos(frmTQ1& f, bool sAtualizaGrid);
void CarregaComboFabricantes(frmTQ1& f, const QString& sTextoTodos);

// ---- Screen 3 (listapecas.cpp) ------------------------------------------------
void MostraListaPecas(frmTQ1& f, quint8 sTelaOrigem, const QString& sTipoItem, long sCodigoItem);
void EscondeListaPecas(frmTQ1& f);

// ---- Handlers (filtros.cpp) ---------------------------------------------------
// The kind check boxes (label or either box image).
void imgChk_Click(frmTQ1& f, Tipo tipo);
void cboTHCombo1_Click(frmTQ1& f);
void txtNumeroEmpresa_Change(frmTQ1& f);
void txtDescricao_Change(frmTQ1& f);
void txtNumeroFabricante_Change(frmTQ1& f);
void txtVeiculo_Change(frmTQ1& f);
void imgTitNoTQ_Click(frmTQ1& f, int Index);
void imgTitDescricao_Click(frmTQ1& f, int Index);
void imgTitComponente_Click(frmTQ1& f, int Index);
void imgTitItem_Click(frmTQ1& f);

// ---- Forward (avancar.cpp) ------------------------------------------------------
void AvancaPesquisaPecas(frmTQ1& f);
void AvancaPesquisaVeiculos(frmTQ1& f);
void AvancaListaPecas(frmTQ1& f);
void AvancaSelecaoComparacao(frmTQ1& f);

// ---- Row actions (acoesgrid.cpp) ------------------------------------------------
void grdTHGrid1_DblClick(frmTQ1& f);
void grdTHGrid1_ImageClick(frmTQ1& f, int sColuna);
void grdTHGrid1_MouseMove(frmTQ1& f);
void grdTHGrid1_RowColChange(frmTQ1& f, const platform::dao::Bookmark& LastRow);
// The cross-reference panel of screen 1 or 3 (`tela`) for the list's current
// row (cleared when the list has none): the show routines call it once the
// list is bound, since a list that binds on its current row has no row change
// to bring the references.
void ReferenciasLinhaAtual(frmTQ1& f, int tela);
// Shows the photo "FotoPeca/" + sArquivo of the data folder in imgFotoPeca,
// or no photo (an empty name, any failure).
void CarregaFotoPeca(frmTQ1& f, const QString& sArquivo);
void imgFigura_Click(frmTQ1& f);
void imgPesquisa0_Click(frmTQ1& f);
void imgPesquisa1_Click(frmTQ1& f);

// ---- Cart animation (efeitocarrinho.cpp) ------------------------------------------
void EfeitoCarrinho(frmTQ1& f, bool sApenasDesabilita);
void tmrAnimacao_Timer(frmTQ1& f);

}  // namespace Pesquisa
