#pragma once
// TelaSaida: report output's requests in the detail window frmTQ2.
//
// Registra() (called once at program start, mainwindow/main/subsistemas.cpp)
// makes ExibeTelaSaida the routine of request 5 and ImprimeComparacaoEFecha
// that of request 6.
//
// Request 5, "5|code|mode|content|part", the output options screen:
// ExibeTelaSaida appends "5" to the window's history, keeps the mode's first
// letter in mModoSaida (P print, G JPEG files, E e-mail), loads the screen's
// pictures for that mode, shows the assembly's title line as the subtitle,
// fills the part chooser (saida::PreparaEscolha: the figure ticked unless
// the content is exactly "T", the table unless exactly "F", the part at
// position `part` selected, every part for 255) and shows it (a part past
// the picture set's 30 thumbnails gets a button drawn in their style),
// keeps the
// assembly code in pctTela(5).Tag, shows the progress label (empty) and the
// single-compressed-file box (text 52, unticked) only in the file modes,
// moves the action button to the place of the generate-file (G) or e-mail
// (E) button of the cart list, shows the screen and sets the toolbar for
// screen 5 (Back and the action button).
//
// The action button on screen 5 runs saida::Saida::GeraFiguraTabela over the
// chooser's state, inside Modulo::Guarda, with the window disabled while it
// runs and the progress in lblStatusGerandoArquivo; a completed run presses
// Back, which closes the window; a run that stopped (nothing chosen, a
// cancelled dialog, an error shown) leaves the screen as it was.  A click on
// the compressed-file box only moves the keyboard focus off it; its state is
// read when the button is pressed.
//
// Request 6, "6": ImprimeComparacaoEFecha sets the history to "6", prints the
// comparison that the main window shows (its grid's rows through a clone,
// the filter in pctExibirComparacao's Tag, the subtitle and the two
// assemblies' numbers from its labels) through the print dialog, and closes
// the window, also after a cancelled dialog.  Without a loaded main window
// the printout reports error 91 in the error box.

#include <QString>

#include <cstdint>

class frmTQ2;

namespace TelaSaida {

void Registra();

void ExibeTelaSaida(frmTQ2& janela, std::int32_t sCodigoPeca, const QString& sModo, const QString& sOpcoes,
                    std::uint8_t sParteFigura);
void ImprimeComparacaoEFecha(frmTQ2& janela);

// The action button's click on screen 5 (the run); nothing on other screens.
void imgImprimir_Click(frmTQ2& janela);

}  // namespace TelaSaida
