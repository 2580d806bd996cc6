#pragma once
// Screen 7 of the detail window: the update run (request "7|current|new").
//
// ExibeTelaAtualizacao is the routine the detail window runs for request 7
// (frmTQ2::RegistraExibeTelaAtualizacao): the history becomes "7" (so that
// Back closes the window), the screen's pictures are loaded, the title panel
// is shown with an empty subtitle and no toolbar button; then the update run
// (update/execucaoatualizacao.h) draws its four rows on the panel pctTela(7)
// through TelaProgressoAtualizacao, and at its end the window closes
// (imgVoltar_Click).  While the run goes on, Esc is swallowed before the
// window sees it (the window system's close is never a way out of the
// detail window); the run itself cannot be cancelled.
//
// A row k (1 to 4) is lblTitAtualizacao(k) (the step's title),
// imgBordaBarraAtualizacao(k) (the frame), imgBarraAtualizacao(k) (the bar,
// in front of the frame, 0 to 582 pixels wide) and lblNumAtualizacao(k)
// ("##0.00 %"); the arrow imgPassoAtualAtualizacao(k) and the check mark
// imgPassoConcluidoAtualizacao(k) stand on the background panel at left 43,
// top = the bar's top + 67.  The row's counters are kept, as decimal text, in
// the dynamic property "Tag" of the frame (total) and of the bar (done).

#include "detailwindow/frmTQ2.h"
#include "update/execucaoatualizacao.h"
#include "update/progressoatualizacao.h"

#include <cstdint>

namespace Atualizacao {

// The progress view over a detail window's screen 7.
class TelaProgressoAtualizacao final : public VisaoProgresso {
public:
    explicit TelaProgressoAtualizacao(frmTQ2& janela) : m_janela(janela) {}

    // Titles, "0 %", empty bars in front of their frames, arrows and check
    // marks placed and hidden; the panel shown and painted, the default
    // pointer.
    void Prepara(const QStringList& titulos) override;
    void IniciaPasso(int passo) override;
    // frmTQ2.AtualizarProgressBar: the bar's width changes (and is painted
    // at once) only when it differs; the percentage is painted at once.
    void AtualizarProgressBar(int passo, qint64 total, qint64 feito) override;
    void ConcluiPasso(int passo) override;

private:
    frmTQ2& m_janela;
};

// frmTQ2.ExibeTelaAtualizacao with the options of the run (a model copied
// for each run; empty: the program's folders and limits).
void ExibeTelaAtualizacao(frmTQ2& janela, std::int16_t sVersaoAtual, std::int16_t sVersaoNova,
                          const OpcoesAtualizacao& opcoes = {});

}  // namespace Atualizacao
