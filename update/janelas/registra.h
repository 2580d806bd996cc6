#pragma once
// How the program update plugs into the catalogue's windows.
//
//   Atualizacao::Registra();   // once at program start (mainwindow/main/subsistemas.cpp)
//
// fills the main window's registry (mainwindow/registro.h):
//   AoCriar                                each new main window gets its
//                                          VerificacaoJanela (verificacaojanela.h)
//                                          and reads the last check's time
//   IniciaVerificacaoAtualizacao           VerificacaoAtualizacao::IniciaVerificacaoAtualizacao
//   tmrVerificaProcessoVerificacao_Timer   ... TickVigia (the 500 ms watch)
//   tmrVerificarAtualizacoes_Timer         ... TickAutomatico (20 s, then 65,535 ms)
//   MostraMenuAtualizacao                  ... MostraMenuAtualizacao beside imgAtualizacao
//   AoDescarregar                          both timers stopped; a running checker
//                                          ended, a held lock released
// (the update icon's click and the menu reach the check through
// IniciaVerificacaoAtualizacao; the frame runs every handler in its guard),
// and registers screen 7 as the detail window's request 7
// (telaatualizacao.h).  Tests fill a registry of their own and give the
// checks and the run their surroundings (stand-in checkers, clocks, folders).

#include "mainwindow/registro.h"
#include "update/execucaoatualizacao.h"
#include "update/verificacaoatualizacao.h"

namespace Atualizacao {

void Registra();

// The update checks' slots of `registro`, with `ambiente` for every window.
void PreencheRegistro(RegistroTQ1& registro, AmbienteVerificacao ambiente = {});

// Screen 7 as request 7 of the detail window, each run with a copy of
// `opcoes`.
void RegistraTelaAtualizacao(OpcoesAtualizacao opcoes = {});

}  // namespace Atualizacao
