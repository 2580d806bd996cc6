#include "update/verificacaoatualizacao.h"

#include "core/config.h"
#include "core/database.h"
#include "core/errorbox.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/texts.h"
#include "core/textosproprios.h"
#include "platform/base/doevents.h"
#include "platform/base/language.h"
#include "platform/base/vbruntime.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/popupmenu.h"
#include "platform/process/process.h"
#include "update/infoatualizacao.h"

#include <QElapsedTimer>

#include <cerrno>
#include <cstring>
#include <new>
#include <signal.h>

namespace Atualizacao {
namespace {

const QString kFonteVerificacao = QStringLiteral("VerificaAtualizacao");
const QString CRLF = QStringLiteral("\r\n");

QString Titulo() { return Modulo::ObtemTexto(19); }

platform::Error ErroInicio(int erro, const QString& programa)
{
    const QString texto = QString::fromLocal8Bit(std::strerror(erro));
    long numero = 0;
    switch (erro) {
    case ENOENT:
        numero = platform::errors::FileNotFound;
        break;
    case EACCES:
    case EPERM:
        numero = platform::errors::PermissionDenied;
        break;
    default:
        numero = 75;
        break;
    }
    return {numero, platform::runTimeErrorText(numero, QStringLiteral("%1 (%2)").arg(programa, texto)),
            kFonteVerificacao};
}

}  // namespace

QPoint PosicaoMenuAtualizacao(const QRect& retanguloMenu, const QRect& imgAtualizacao)
{
    const double x = retanguloMenu.left() + imgAtualizacao.left() + imgAtualizacao.width() - 5;
    const double y = retanguloMenu.top() + imgAtualizacao.top() + imgAtualizacao.height() / 2.0;
    return {static_cast<int>(platform::vb::Round(x)), static_cast<int>(platform::vb::Round(y))};
}

QString MensagemErroVerificacao(const QString& textoErro)
{
    return Modulo::ObtemTexto(70) + CRLF + CRLF + Modulo::ObtemTexto(8).toUpper() + QStringLiteral(": ")
        + Modulo::ObtemTexto(71) + CRLF + CRLF + textoErro;
}

VerificacaoAtualizacao::VerificacaoAtualizacao(JanelaVerificacao& janela, AmbienteVerificacao ambiente)
    : m_janela(janela), m_ambiente(std::move(ambiente))
{
    if (!m_ambiente.relogioMs) {
        auto inicio = std::make_shared<QElapsedTimer>();
        inicio->start();
        m_ambiente.relogioMs = [inicio] { return inicio->elapsed(); };
    }
}

// The destructor leaves the window alone: it may be going too.
VerificacaoAtualizacao::~VerificacaoAtualizacao() { libera(); }

void VerificacaoAtualizacao::Encerra()
{
    libera();
    if (m_vigiaHabilitada) {
        try {
            habilitaVigia(false);
        } catch (...) {
        }
    }
}

void VerificacaoAtualizacao::libera()
{
    try {
        encerraVerificador();
    } catch (...) {
    }
    if (!m_vigia.arquivo.isEmpty()) {
        try {
            Modulo::ExcluiArquivo(m_vigia.arquivo);
        } catch (...) {
        }
        m_vigia.arquivo.clear();
    }
    if (m_bloqueado) {
        try {
            Modulo::BloqueiaDazadize(false);
        } catch (...) {
        }
        m_bloqueado = false;
    }
    m_segundaPassagem = false;
}

QDateTime VerificacaoAtualizacao::agora() const
{
    return m_ambiente.agora ? m_ambiente.agora() : QDateTime::currentDateTime();
}

qint64 VerificacaoAtualizacao::relogio() const { return m_ambiente.relogioMs(); }

void VerificacaoAtualizacao::habilitaVigia(bool h)
{
    m_vigiaHabilitada = h;
    m_janela.HabilitaVigia(h);
}

void VerificacaoAtualizacao::encerraVerificador()
{
    if (m_vigia.pid <= 0)
        return;
    int status = 0;
    if (!platform::waitForChild(m_vigia.pid, 0, &status)) {
        ::kill(static_cast<pid_t>(m_vigia.pid), SIGKILL);
        platform::waitForChild(m_vigia.pid, 5000, &status);
    }
    m_vigia.pid = -1;
}

void VerificacaoAtualizacao::CarregaDataUltimaVerificacao()
{
    m_dataUltimaVerificacao = LeInfoUltimaAtualizacao().dataUltimaVerificacao;
}

void VerificacaoAtualizacao::IniciaVerificacaoAtualizacao(bool automatica)
{
    platform::DoEvents();
    if (m_emAndamento)
        return;
    m_emAndamento = true;
    m_vigia = Vigia{};
    m_vigia.automatica = automatica;
    try {
        m_vigia.arquivo = Modulo::ObtemNomeArquivoTemporario(QStringLiteral("tmp"));
        const QString pasta = m_ambiente.pastaPrograma.isEmpty() ? Modulo::ObtemCaminhoApp(true) : m_ambiente.pastaPrograma;
        const QString programa = pasta + (pasta.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/"))
            + QStringLiteral("VerifAtualizDazadizeTQ_") + Modulo::gEdicao;
        const platform::SpawnResult r = platform::spawnProgram(
            programa, {(automatica ? QStringLiteral("1|") : QStringLiteral("0|")) + m_vigia.arquivo});
        if (!r.ok())
            throw ErroInicio(r.error, programa);
        m_vigia.pid = r.pid;
        m_vigia.inicioMs = relogio();
    } catch (const platform::Error& e) {
        m_vigia.falhaInicio = true;
        m_vigia.textoFalha = QStringLiteral("%1 %2").arg(e.number()).arg(e.description());
    }
    habilitaVigia(true);
}

void VerificacaoAtualizacao::TickVigia()
{
    if (!m_vigiaHabilitada)
        return;
    bool automatica = false;
    bool confirmada = false;
    long erro = 0;
    QString textoErro;
    try {
        if (m_vigia.falhaInicio) {
            erro = -1;
            textoErro = m_vigia.textoFalha;
        } else {
            int status = 0;
            if (!platform::waitForChild(m_vigia.pid, 0, &status)) {
                if (relogio() - m_vigia.inicioMs < m_ambiente.limiteVerificadorMs)
                    return;  // still running
                encerraVerificador();
                habilitaVigia(false);
                automatica = m_vigia.automatica;
                throw platform::Error(
                    kErroVerificadorParado,
                    Modulo::TextoNoIdioma("O verificador de atualizações não terminou em %1 minutos e foi "
                                          "encerrado.",
                                          "El verificador de actualizaciones no terminó en %1 minutos y fue "
                                          "cerrado.",
                                          "The update checker did not finish within %1 minutes and was "
                                          "stopped.")
                        .arg(m_ambiente.limiteVerificadorMs / 60000.0),
                    kFonteVerificacao);
            }
            m_vigia.pid = -1;
            habilitaVigia(false);
            automatica = m_vigia.automatica;
            const QString resultado = Modulo::LeArquivo(m_vigia.arquivo);
            if (resultado.startsWith(QLatin1Char('0'))) {
                erro = -2;
                textoErro = resultado.mid(1);
            } else {
                const QStringList campos = resultado.mid(1).split(QLatin1Char('|'));
                if (campos.size() < 2)
                    throw platform::Error(9, QStringLiteral("%1 (%2 \"%3\")")
                                                 .arg(platform::runTimeErrorText(9),
                                                      Modulo::TextoNoIdioma("resultado", "resultado", "result"),
                                                      resultado),
                                          kFonteVerificacao);
                const short local = platform::vb::CInt(QVariant(campos[0]));
                const short servidor = platform::vb::CInt(QVariant(campos[1]));
                const bool segunda = m_segundaPassagem;
                if (local < servidor) {
                    if (automatica || !segunda)
                        confirmada = platform::MsgBox(Modulo::ObtemTexto(67),
                                                      platform::vbYesNo | platform::vbQuestion
                                                          | platform::vbDefaultButton2,
                                                      Titulo())
                            == platform::vbYes;
                    else
                        confirmada = true;
                } else if (!automatica) {
                    platform::MsgBox(Modulo::ObtemTexto(68) + QLatin1Char('.'), platform::vbInformation, Titulo());
                }
                if (confirmada && !m_bloqueado) {
                    m_bloqueado = Modulo::BloqueiaDazadize(true);
                    if (m_bloqueado) {
                        // The re-check under the lock: a manual check, stamped at its end.
                        Modulo::ExcluiArquivo(m_vigia.arquivo);
                        m_vigia.arquivo.clear();
                        m_segundaPassagem = true;
                        m_emAndamento = false;
                        IniciaVerificacaoAtualizacao(false);
                        return;
                    }
                    platform::MsgBox(Modulo::ObtemTexto(69) + QLatin1Char('.'), platform::vbInformation, Titulo());
                    confirmada = false;
                }
                if (confirmada) {
                    m_janela.DescarregaJanelaDetalhe();
                    m_janela.AbreJanelaSecundaria(7, QStringLiteral("%1|%2").arg(local).arg(servidor));
                    Modulo::gParametro.clear();
                }
            }
        }
    } catch (const platform::Error& e) {
        erro = e.number();
        textoErro = e.description();
    } catch (const std::bad_alloc&) {
        erro = Modulo::kErroSemMemoria;
        textoErro = platform::runTimeErrorText(Modulo::kErroSemMemoria);
    } catch (const std::exception& e) {
        erro = Modulo::kErroInterno;
        textoErro = QString::fromLocal8Bit(e.what());
    }
    fimDaPassagem(automatica, confirmada, erro, textoErro);
}

void VerificacaoAtualizacao::fimDaPassagem(bool automatica, bool confirmada, long erro, const QString& textoErro)
{
    m_segundaPassagem = false;
    if (m_vigiaHabilitada)
        habilitaVigia(false);
    const auto ignora = [](const std::function<void()>& f) {
        try {
            f();
        } catch (...) {
        }
    };
    ignora([&] {
        if (!m_vigia.arquivo.isEmpty())
            Modulo::ExcluiArquivo(m_vigia.arquivo);
        m_vigia.arquivo.clear();
    });
    ignora([&] {
        Modulo::GravaVerificacaoAtualizacao(Modulo::DataHoraSQL(agora()),
                                            erro == 0 ? QStringLiteral("0") : QStringLiteral("1"));
    });
    ignora([&] {
        m_janela.AtualizaInfoUltimaAtualizacao(true);
        CarregaDataUltimaVerificacao();
    });
    if (m_bloqueado) {
        // Only now, after the stamp.
        ignora([] { Modulo::BloqueiaDazadize(false); });
        m_bloqueado = false;
    }
    m_emAndamento = false;

    if (confirmada) {
        // An error while taking the lock or opening the update window.
        if (erro != 0)
            Modulo::MostraErro(erro, textoErro);
        if (Modulo::gReiniciarPeloLancador)
            m_janela.Descarrega();
        else
            VoltaInicioComMensagem({});
    } else if (erro != 0 && !automatica) {
        Modulo::MostraErro(erro, MensagemErroVerificacao(textoErro));
    }
}

void VerificacaoAtualizacao::TickAutomatico()
{
    if (Modulo::ModoLimitado(false))
        return;
    if (m_janela.IntervaloAutomatico() != kIntervaloAutomatico)
        m_janela.DefineIntervaloAutomatico(kIntervaloAutomatico);
    if (++m_contador > 2) {
        m_contador = 0;
        if (!m_bloqueado)
            m_janela.AtualizaInfoUltimaAtualizacao(false);
    }
    if (Modulo::gVerificacaoAutomatica && !m_emAndamento
        && (!m_dataUltimaVerificacao.isValid() || agora() >= m_dataUltimaVerificacao.addSecs(15 * 60)))
        IniciaVerificacaoAtualizacao(true);
}

void VerificacaoAtualizacao::VerificacaoManual()
{
    if (Modulo::ModoLimitado(true))
        return;
    m_janela.Ampulheta(true);
    IniciaVerificacaoAtualizacao(false);
    m_janela.Ampulheta(false);
}

void VerificacaoAtualizacao::MostraMenuAtualizacao(const QRect& retanguloMenu, const QRect& imgAtualizacao)
{
    const int comando = platform::popupMenus().Show(
        {platform::MenuEntry::Item(kComandoVerificar, Modulo::ObtemTexto(80)),
         platform::MenuEntry::Item(kComandoConfiguracao, Modulo::ObtemTexto(99))},
        PosicaoMenuAtualizacao(retanguloMenu, imgAtualizacao));
    if (comando == kComandoVerificar)
        VerificacaoManual();
    else if (comando == kComandoConfiguracao)
        m_janela.AbreJanelaSecundaria(8, {});
}

void VerificacaoAtualizacao::VoltaInicioComMensagem(const QString& mensagem)
{
    m_janela.Ampulheta(true);
    platform::DoEvents();
    m_janela.VoltaInicio();
    platform::DoEvents();
    m_janela.Ampulheta(false);
    if (!mensagem.isEmpty())
        platform::MsgBox(mensagem, platform::vbInformation, Titulo());
}

}  // namespace Atualizacao
