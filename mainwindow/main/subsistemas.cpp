// The subsystems that plug into the catalogue's windows, one line each: the
// include of its registration header, and its call below.  Each library
// also gets its line in CMakeLists.txt beside this file.
#include "mainwindow/main/subsistemas.h"

#include "assembly/janela/registra.h"
#include "comparison/screen/telascomparacao.h"
#include "detailwindow/frmTQ2.h"
#include "output/screen/telasaida.h"
#include "search/screens/telas.h"
#include "update/janelas/registra.h"

void RegistraSubsistemas()
{
    Pesquisa::Registra();           // search/: screens 1, 2, 3, Forward, grid row actions, cart animation
    Conjunto::Registra();           // assembly/: screens 4 and 5, item menu
    Comparacao::Registra();         // comparison/: screens 8 and 9, suggestion panel, cart list
    TelaSaida::Registra();          // output/: the output options screen (request 5), the comparison printout (6)
    Atualizacao::Registra();        // update/: update checks and the update run
    frmTQ2::Registra();             // detailwindow/: frmTQ2 as the opener of core/janeladetalhe.h
}
