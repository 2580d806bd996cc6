#pragma once
// The progress of an update run as the run reports it: four rows, one per
// step, each with a total and a done count.  The detail window's screen 7
// draws them; the headless tool prints them; tests record them.
//
//   step  title (text, upper-cased)   total                    one unit of done
//   1     74 lists                    new - current + 1        one list fetched
//   2     75 downloads                sum of the listed sizes  one byte received
//   3     76 copying                  number of entries        one entry
//   4     77 database                 script lines + 1         one line run
// At the end of every step the done count is set to the total, so a row
// that lags shows 100 % only then.
//
// A row is drawn from its counters alone: the ratio is done / total, at most
// 1, and 1 when the total is 0 or below; the bar is that share of 582 pixels
// (a half to the even neighbour) and the percentage reads "##0.00 %".

#include <QString>
#include <QStringList>

namespace Atualizacao {

constexpr int kPassos = 4;
constexpr int kLarguraBarra = 582;

// What the run tells the screen.  Every call comes from the run on the
// user-interface thread; the run lets pending events run after each one.
class VisaoProgresso {
public:
    virtual ~VisaoProgresso() = default;
    // Before the run: the four row titles; every row empty at "0 %", frames
    // and bars visible, arrows and check marks hidden.
    virtual void Prepara(const QStringList& titulos) = 0;
    // Row `passo` (1 to 4) becomes the current step: its arrow, frame and bar
    // are shown.
    virtual void IniciaPasso(int passo) = 0;
    // Row `passo` is redrawn from its counters (frmTQ2.AtualizarProgressBar).
    virtual void AtualizarProgressBar(int passo, qint64 total, qint64 feito) = 0;
    // Row `passo` is done: its arrow hidden, its check mark shown.
    virtual void ConcluiPasso(int passo) = 0;
};

// The four row titles in the current language: texts 74 to 77, upper-cased.
QStringList TitulosPassos();

// The share of the row that is done, from 0 to 1.
double RazaoProgresso(qint64 total, qint64 feito);
// The bar's width in pixels for that share of `largura`.
int LarguraBarraProgresso(qint64 total, qint64 feito, int largura = kLarguraBarra);
// "0.00 %", "50.00 %", "100.00 %".
QString TextoPercentual(qint64 total, qint64 feito);

}  // namespace Atualizacao
