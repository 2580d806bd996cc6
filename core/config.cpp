#include "core/config.h"

#include "core/cipher.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/texts.h"
#include "platform/base/atomicfile.h"
#include "platform/base/codepage.h"
#include "platform/base/error.h"
#include "platform/desktop/messagebox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace Modulo {
namespace {

const QString kPastaEmpresa = QStringLiteral("NorvaleInformatica");
const QString kConteudoPadrao = QStringLiteral("P|1||");

QString& pastaUsuarioDefinida()
{
    static QString pasta;
    return pasta;
}

QString& linhaComandoDefinida()
{
    static QString linha;
    return linha;
}

QString arquivoConfiguracao() { return ObtemPastaUsuario(true) + NomeArquivoConfiguracao(); }

// Whether a file of that name is there at all, readable or not: a file that
// exists but cannot be read is never replaced by a seed or the defaults.
bool presente(const QString& caminho) { return QFileInfo::exists(caminho); }

// The fields of a configuration file's content.  A line end after the one
// line (left by a text editor) is not part of the last field.
QStringList campos(QString conteudo)
{
    while (conteudo.endsWith(QLatin1Char('\n')) || conteudo.endsWith(QLatin1Char('\r')))
        conteudo.chop(1);
    return conteudo.split(QLatin1Char('|'));
}

// Replaces the file atomically with mode 0600 (it holds credentials).  False
// on any failure, with the old file untouched.
bool gravaAtomico(const QString& caminho, const QByteArray& bytes)
{
    return platform::WriteFileAtomically(caminho, bytes, 0600) == 0;
}

}  // namespace

QString NomeArquivoConfiguracao() { return QStringLiteral("DazadizeTQConfig_V.txt"); }

void DefinePastaUsuario(const QString& base) { pastaUsuarioDefinida() = base; }

QString ObtemPastaUsuario(bool ComBarra)
{
    QString base = pastaUsuarioDefinida();
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return ObtemPastaSistema(QStringLiteral("SYSTEM"), ComBarra);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    if (!PastaExiste(base + kPastaEmpresa)) {
        // The base itself may be missing on a fresh account (~/.config).
        if (!PastaExiste(base))
            CriaPastas(QStringLiteral("/"), base.mid(1), false);
        CriaPastas(base, kPastaEmpresa, false);
    }
    return base + kPastaEmpresa + (ComBarra ? QStringLiteral("/") : QString());
}

void LeConfiguracao(const QString& Chave, QString& Usuario, QString& Senha)
{
    const QString arquivo = arquivoConfiguracao();
    if (!presente(arquivo)) {
        const QString semente = ObtemPastaSistema(QStringLiteral("SYSTEM"), true) + NomeArquivoConfiguracao();
        if (semente.toUpper() != arquivo.toUpper() && ArquivoExiste(semente)) {
            // A failed copy is ignored: the defaults are written instead.
            try {
                gravaAtomico(arquivo, LeArquivoBytes(semente));
            } catch (const platform::Error&) {
            }
        }
        if (!presente(arquivo))
            GravaConfiguracao(QString(), QString(), QString(), QString(), false);
    }

    const QStringList c = campos(LeArquivo(arquivo));
    bool reparar = false;

    if (Chave == QLatin1String("IDIOMA_VERIFICACAOAUTOMATICA")) {
        const QString letra = c.value(0).trimmed().toUpper().left(1);
        if (letra == QLatin1String("P") || letra == QLatin1String("E") || letra == QLatin1String("I")) {
            gIdioma = letra;
        } else {
            gIdioma = QStringLiteral("P");
            reparar = true;
        }
        if (c.size() > 1) {
            gVerificacaoAutomatica = c[1] == QLatin1String("1");
        } else {
            gVerificacaoAutomatica = true;
            reparar = true;
        }
        if (reparar)
            GravaConfiguracao(gIdioma, gVerificacaoAutomatica ? QStringLiteral("1") : QStringLiteral("0"), QString(),
                              QString(), false);
    } else if (Chave == QLatin1String("USUARIO_SENHA")) {
        auto decifra = [&](int campo, QString& valor) {
            valor.clear();
            if (c.size() <= campo) {
                reparar = true;
                return;
            }
            try {
                valor = CifraTexto(c[campo], false);
            } catch (const platform::Error&) {
                valor.clear();
                reparar = true;
            }
        };
        decifra(2, Usuario);
        decifra(3, Senha);
        if (reparar)
            GravaConfiguracao(QString(), QString(), Usuario, Senha, true);
    }
}

bool GravaConfiguracao(const QString& Idioma, const QString& Verificacao, const QString& Usuario,
                       const QString& Senha, bool GravaCredenciais)
{
    QString arquivo;
    QStringList c;
    try {
        arquivo = arquivoConfiguracao();
        c = presente(arquivo) ? campos(LeArquivo(arquivo)) : kConteudoPadrao.split(QLatin1Char('|'));
    } catch (const platform::Error&) {
        return false;  // no folder, or a file that cannot be read: leave it as it is
    }

    // Pad a short file with the defaults of the fields it lacks.
    const QStringList padrao = kConteudoPadrao.split(QLatin1Char('|'));
    while (c.size() < padrao.size())
        c.append(padrao[c.size()]);

    if (!Idioma.isEmpty())
        c[0] = Idioma;
    if (!Verificacao.isEmpty())
        c[1] = Verificacao;
    if (GravaCredenciais) {
        // Raises for a value the cipher cannot hold, before anything is written.
        const QString usuario = CifraTexto(Usuario, true);
        const QString senha = CifraTexto(Senha, true);
        c[2] = usuario;
        c[3] = senha;
    }
    return gravaAtomico(arquivo, platform::toWindows1252(c.join(QLatin1Char('|'))));
}

QString LinhaComando()
{
    if (!linhaComandoDefinida().isNull())
        return linhaComandoDefinida();
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty())
        args.removeFirst();
    return args.join(QLatin1Char(' '));
}

void DefineLinhaComando(const QString& linha) { linhaComandoDefinida() = linha; }

QString MensagemModoLimitado()
{
    return QStringLiteral("Função Indisponível, pois o Razovovu está sendo executado no Modo Limitado.");
}

bool ModoLimitado(bool Avisar)
{
    bool limitado = LinhaComando().trimmed().toUpper().left(22) == QLatin1String("CALLDAZADIZETQLIMITADO");
    if (!limitado)
        limitado = ArquivoExiste(gCaminhoDados + QStringLiteral("ML.txt"));
    if (limitado && Avisar)
        platform::MsgBox(MensagemModoLimitado(), platform::vbInformation, ObtemTexto(19, QString()));
    return limitado;
}

bool EmAmbienteDesenvolvimento()
{
#ifdef TQ_DEVELOPMENT_ENVIRONMENT
    return true;
#else
    return false;
#endif
}

}  // namespace Modulo
