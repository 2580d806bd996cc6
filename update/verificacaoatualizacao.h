#pragma once
// The update checks of the main window (frmTQ1), without its controls.
//
// A check starts the update checker "VerifAtualizDazadizeTQ_<edition>" of the
// program folder as a child process with "1|<result file>" (automatic) or
// "0|<result file>" (manual), the result file being a new temporary name of
// the data folder.  The main window's 500 ms watch timer calls TickVigia,
// which waits for the checker to end, reads its one-line result and:
//
//   result                  automatic         manual            second pass (under the lock)
//   local < server          question 67; Yes: lock, re-check     request 7, stamp 0, unlock,
//                           No: stamp 0                          start screen or restart
//   local >= server         stamp 0           text 68, stamp 0   text 68, stamp 0, unlock
//   error line "0..."       stamp 1           stamp 1, box -2    stamp 1, unlock, box -2
//   checker not started     stamp 1, box -1 (both kinds)         stamp 1, unlock, box -1
//   unreadable, malformed   stamp 1           stamp 1, box       stamp 1, unlock, box
//   still running at 5 min  the checker is killed: as an error line with -2
//
// The stamp (UMREGISTRO.DataUltimaVerificacao and FlagErroUltimaVerificacao)
// is written at the end of every pass, before the lock is released; a lock
// that another computer holds shows text 69 and stamps 0; an error while
// taking the lock or opening request 7 shows the error box.  The automatic
// timer (TickAutomatico: 20 s, then every 65,535 ms) starts an automatic
// check when automatic checking is on, no check runs, limited mode is off and
// the last check is 15 minutes old or there was none; every third tick it
// refreshes the labels unless the lock is held.
//
// The main window's routines only call this class:
//   Form_Load                              CarregaDataUltimaVerificacao()
//   IniciaVerificacaoAtualizacao(a)        IniciaVerificacaoAtualizacao(a)
//   tmrVerificaProcessoVerificacao_Timer   TickVigia()
//   tmrVerificarAtualizacoes_Timer         TickAutomatico()
//   MostraMenuAtualizacao                  MostraMenuAtualizacao(pctMenu's screen
//                                          rectangle, imgAtualizacao's rectangle);
//                                          the menu shows through platform::popupMenus()
//   imgIcoAtualizar_Click                  VerificacaoManual()
// and the window gives it what it needs through JanelaVerificacao.
// Everything runs on the user-interface thread; timers keep firing while a
// box or the modal update window is open, and the in-progress flag keeps a
// second check from starting meanwhile.

#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

namespace Atualizacao {

// Commands of the update popup menu.
constexpr int kComandoVerificar = 0x6000;      // text 80
constexpr int kComandoConfiguracao = 0x6001;   // text 99

// Interval of the automatic timer after its first tick.
constexpr int kIntervaloAutomatico = 65535;
// The longest a checker may run.
constexpr qint64 kLimiteVerificadorMs = 5 * 60 * 1000;
// Error number of a pass whose checker did not end in time.
constexpr long kErroVerificadorParado = -2;

// What the checks need of the main window.
class JanelaVerificacao {
public:
    virtual ~JanelaVerificacao() = default;
    // frmTQ1.AtualizaInfoUltimaAtualizacao: refreshes the labels and tooltips.
    virtual void AtualizaInfoUltimaAtualizacao(bool carregaUltimaVerificacao) = 0;
    // frmTQ1.AbreJanelaSecundaria: the detail window, modal, for the request
    // Codigo "|" Parametros; returns once it has closed.
    virtual void AbreJanelaSecundaria(int codigo, const QString& parametros) = 0;
    // When the detail window is loaded: unloads it and lets events run.
    virtual void DescarregaJanelaDetalhe() = 0;
    // frmTQ1.imgInicio_Click: back to the start screen.
    virtual void VoltaInicio() = 0;
    // Unloads the main window, whose unloading restarts through the launcher.
    virtual void Descarrega() = 0;
    // Enables or disables the 500 ms watch timer.
    virtual void HabilitaVigia(bool habilitada) = 0;
    // The automatic timer's interval in ms.
    virtual int IntervaloAutomatico() const = 0;
    virtual void DefineIntervaloAutomatico(int ms) = 0;
    // The hourglass pointer on or off.
    virtual void Ampulheta(bool ligada) = 0;
};

struct AmbienteVerificacao {
    QString pastaPrograma;                 // the checker's folder; empty: the running program's
    std::function<QDateTime()> agora;      // the clock of the 15 minutes and the stamps; empty: now
    std::function<qint64()> relogioMs;     // a monotonic clock for the watchdog; empty: the system's
    qint64 limiteVerificadorMs = kLimiteVerificadorMs;
};

class VerificacaoAtualizacao {
public:
    VerificacaoAtualizacao(JanelaVerificacao& janela, AmbienteVerificacao ambiente = {});
    // A checker still running is ended; a lock still held is released
    // (Encerra).
    ~VerificacaoAtualizacao();
    VerificacaoAtualizacao(const VerificacaoAtualizacao&) = delete;
    VerificacaoAtualizacao& operator=(const VerificacaoAtualizacao&) = delete;

    void IniciaVerificacaoAtualizacao(bool automatica);
    void TickVigia();
    void TickAutomatico();
    void MostraMenuAtualizacao(const QRect& retanguloMenu, const QRect& imgAtualizacao);
    // The manual check of the menu's first entry and of the update icon:
    // refused with the limited-mode message in limited mode.
    void VerificacaoManual();
    // frmTQ1.VoltaInicioComMensagem.
    void VoltaInicioComMensagem(const QString& mensagem);

    // Reads the last check's time from the version record (the window's load).
    void CarregaDataUltimaVerificacao();

    // The window is closing: a checker still running is ended, its result
    // file deleted, a lock still held released, and the watch switched off.
    // Safe at any time, also from inside a pass that unloads the window, and
    // twice; errors are ignored.
    void Encerra();

    bool VerificacaoEmAndamento() const { return m_emAndamento; }
    bool DazadizeBloqueado() const { return m_bloqueado; }
    bool VigiaHabilitada() const { return m_vigiaHabilitada; }
    int ContadorVerificacao() const { return m_contador; }
    // Invalid when there was no check.
    QDateTime DataUltimaVerificacao() const { return m_dataUltimaVerificacao; }
    // The running checker's process id, -1 when none.
    qint64 ProcessoVerificacao() const { return m_vigia.pid; }
    // The result file of the running pass.
    QString ArquivoResultado() const { return m_vigia.arquivo; }

private:
    struct Vigia {
        qint64 pid = -1;
        bool automatica = false;
        QString arquivo;
        bool falhaInicio = false;   // the checker could not be started
        QString textoFalha;         // its error number, a blank and its description
        qint64 inicioMs = 0;
    };
    void habilitaVigia(bool h);
    void fimDaPassagem(bool automatica, bool confirmada, long erro, const QString& textoErro);
    void encerraVerificador();
    void libera();
    QDateTime agora() const;
    qint64 relogio() const;

    JanelaVerificacao& m_janela;
    AmbienteVerificacao m_ambiente;
    bool m_emAndamento = false;
    bool m_bloqueado = false;
    bool m_vigiaHabilitada = false;
    bool m_segundaPassagem = false;
    int m_contador = 0;
    QDateTime m_dataUltimaVerificacao;
    Vigia m_vigia;
};

// Where the update menu opens: the left edge of pctMenu on the screen plus
// imgAtualizacao's Left and Width less 5, and its top plus imgAtualizacao's
// Top and half its Height (a half pixel to the even neighbour).
QPoint PosicaoMenuAtualizacao(const QRect& retanguloMenu, const QRect& imgAtualizacao);

// The message of the error box of a failed check: text 70, a blank line,
// text 8 upper-cased, ": ", text 71, a blank line and the error text.
QString MensagemErroVerificacao(const QString& textoErro);

}  // namespace Atualizacao
