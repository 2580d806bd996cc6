#pragma once
// The start-up rules of the catalogue program that need no window: the start
// word, the start and main windows' first size and the small-screen rule, the
// placement hand-over between them, the test that the catalogue file is one,
// and the part-type table TIPOPECA.
//
// Screen measures are pixels; the hand-over is in twips (gTwipsX, gTwipsY).

#include "platform/base/error.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

namespace Inicio {

// The program runs only when the first 14 characters of its trimmed,
// upper-cased command line are "CALLDAZADIZETQ" ("CALLDAZADIZETQLIMITADO",
// limited mode, passes too).
bool PalavraInicioValida(const QString& linhaComando);

// The margin of the windows' normal size: 20 on screens wider than 1000 and
// taller than 700 pixels, else 0.
int Margem(QSize tela);
// Screens at most 1000 wide or at most 700 high: the windows run borderless.
bool TelaPequena(QSize tela);

// The placement hand-over PosicaoJanelaInicial: left, top, width and height in
// twips joined by ";" (the outer height is the client height plus the
// caption); "" when the window is not in the normal state.
QString PosicaoJanelaInicial(bool estadoNormal, QPoint canto, QSize cliente, int alturaLegenda, int twipsX,
                             int twipsY);

// The statement that creates TIPOPECA, and the edition's rows (one INSERT
// each; none for an unknown edition).
QString ComandoCriaTipoPeca();
QStringList ComandosTipoPeca(const QString& edicao);

// Opens the run's read-only catalogue (gWsDazadize, gDbDazadize) and raises
// 3049 (damaged or not a catalogue) unless it holds the catalogue's own
// tables: an empty file, an empty database or a database of something else is
// not one, nor is a file the engine finds damaged.  The box speaks the run's
// language (gIdioma).  Run before the start-up writes anything, so that such
// a file stays as it was.
void AbreCatalogo();
// Error 3049 for the run's catalogue file, in the run's language.
platform::Error ErroCatalogoDanificado();

// Creates TIPOPECA with the edition's rows in the catalogue when the run's
// read-only catalogue (gDbDazadize) lacks it: one transaction on a short
// writable connection, so that a failure leaves no table behind.  A catalogue
// that has the table, even empty, is left alone.  Errors reach the caller.
void CriaTabelaTipoPeca(const QString& edicao);

}  // namespace Inicio
