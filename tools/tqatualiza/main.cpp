// tqatualiza: runs an update (request 7) as the main window does after a
// confirmed check: takes the update lock, runs the update run of
// update/execucaoatualizacao.h and releases the lock.
//
//   tqatualiza DATA PROGRAM CURRENT NEW [--kill-at N] [--timeout MS] [--progress]
//              [--janela [--idioma L] [--screenshot-at POINT FILE] [--screenshot-end FILE]]
//
// DATA is the data folder (with the catalogue), PROGRAM the program folder
// (where the pending program goes and "S:" programs may lie), CURRENT and NEW
// the versions.  The text of every message box goes to stdout, one box per
// line group; checkpoints ("checkpoint N: what") and the steps go to stderr.
// Exit code 0 after the success message (text 73), 1 otherwise.
// --kill-at N   the process kills itself (SIGKILL) at checkpoint N
// --timeout MS  connect and receive time-outs of the requests
// --progress    every redraw of a row to stderr
// --janela      the run goes through the detail window's screen 7 (request
//               "7|CURRENT|NEW" to the real window, offscreen unless
//               QT_QPA_PLATFORM names a display) instead of the text rows
// --idioma L    the language of the texts and pictures (P, E or I)
// --screenshot-at POINT FILE   with --janela: the window as a PNG at the
//               checkpoint of that number, or the first whose text starts so
// --screenshot-end FILE        with --janela: the window as a PNG when the
//               closing message box shows
// Proxy credentials come from the user's configuration file; the credentials
// dialog is never shown (a proxy that asks for more ends the request).
#include "core/database.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/texts.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/proxycredentials.h"
#include "core/janeladetalhe.h"
#include "detailwindow/frmTQ2.h"
#include "update/execucaoatualizacao.h"
#include "update/internet.h"
#include "update/janelas/registra.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// The detail window as a PNG (nothing when it is not open).
bool FotoJanela(const QString& arquivo)
{
    frmTQ2* janela = frmTQ2::Instancia();
    if (arquivo.isEmpty() || !janela || janela->Descarregada())
        return false;
    const bool ok = janela->grab().save(arquivo, "PNG");
    std::fprintf(stderr, ok ? "screenshot: %s\n" : "screenshot not written: %s\n", qPrintable(arquivo));
    return ok;
}

// Message boxes: their text on stdout, answered with their first button.
class CaixasNaSaida final : public platform::MessageBoxes {
public:
    int Show(const QString& text, int style, const QString&) override
    {
        FotoJanela(fotoFim);
        fotoFim.clear();
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        std::fprintf(stdout, "%s\n", qPrintable(t));
        std::fflush(stdout);
        if (text == Modulo::ObtemTexto(73) + QLatin1Char('.'))
            sucesso = true;
        switch (style & 0x7) {
        case platform::vbYesNo:
        case platform::vbYesNoCancel: return platform::vbYes;
        default: return platform::vbOK;
        }
    }
    QString fotoFim;
    bool sucesso = false;
};

class SemDialogoProxy final : public platform::ProxyCredentialsDialog {
public:
    bool Ask(const QString&, QString&, QString&) override { return false; }
};

class VisaoTexto final : public Atualizacao::VisaoProgresso {
public:
    explicit VisaoTexto(bool detalhes) : m_detalhes(detalhes) {}
    void Prepara(const QStringList& titulos) override { m_titulos = titulos; }
    void IniciaPasso(int passo) override { std::fprintf(stderr, "passo %d: %s\n", passo, qPrintable(m_titulos.value(passo - 1))); }
    void AtualizarProgressBar(int passo, qint64 total, qint64 feito) override
    {
        if (m_detalhes)
            std::fprintf(stderr, "passo %d: %s\n", passo, qPrintable(Atualizacao::TextoPercentual(total, feito)));
    }
    void ConcluiPasso(int passo) override { std::fprintf(stderr, "passo %d concluído\n", passo); }

private:
    bool m_detalhes;
    QStringList m_titulos;
};

int Uso()
{
    std::fprintf(stderr, "usage: tqatualiza DATA PROGRAM CURRENT NEW [--kill-at N] [--timeout MS] [--progress]\n"
                         "                  [--janela [--idioma L] [--screenshot-at POINT FILE] [--screenshot-end FILE]]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int matarEm = 0;
    int tempo = 0;
    bool detalhes = false;
    bool janela = false;
    QString idioma = QStringLiteral("P");
    QString fotoEm, fotoEmArquivo, fotoFim;
    QStringList posicionais;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        bool ok = true;
        if (a == QLatin1String("--kill-at") && i + 1 < args.size())
            matarEm = args[++i].toInt(&ok);
        else if (a == QLatin1String("--timeout") && i + 1 < args.size())
            tempo = args[++i].toInt(&ok);
        else if (a == QLatin1String("--progress"))
            detalhes = true;
        else if (a == QLatin1String("--janela"))
            janela = true;
        else if (a == QLatin1String("--idioma") && i + 1 < args.size())
            idioma = args[++i];
        else if (a == QLatin1String("--screenshot-at") && i + 2 < args.size()) {
            fotoEm = args[++i];
            fotoEmArquivo = args[++i];
        } else if (a == QLatin1String("--screenshot-end") && i + 1 < args.size())
            fotoFim = args[++i];
        else if (a.startsWith(QLatin1String("--")))
            return Uso();
        else
            posicionais << a;
        if (!ok)
            return Uso();
    }
    if (posicionais.size() != 4 || !QStringList{"P", "E", "I"}.contains(idioma)
        || (!janela && (!fotoEm.isEmpty() || !fotoFim.isEmpty())))
        return Uso();
    bool ok1 = false, ok2 = false;
    const int atual = posicionais[2].toInt(&ok1);
    const int nova = posicionais[3].toInt(&ok2);
    if (!ok1 || !ok2 || atual < -32768 || atual > 32767 || nova < -32768 || nova > 32767)
        return Uso();

    CaixasNaSaida caixas;
    caixas.fotoFim = fotoFim;
    platform::setMessageBoxes(&caixas);
    SemDialogoProxy semDialogo;
    platform::setProxyCredentialsDialog(&semDialogo);
    if (tempo > 0)
        modInternet::DefineTempos({tempo, tempo});

    QString dados = posicionais[0];
    if (!dados.endsWith(QLatin1Char('/')))
        dados += QLatin1Char('/');
    Modulo::gCaminhoDados = dados;
    Modulo::gIdioma = idioma;

    Atualizacao::OpcoesAtualizacao opcoes;
    opcoes.pastaDados = dados;
    opcoes.pastaPrograma = posicionais[1];
    opcoes.pontoControle = [matarEm, fotoEm, fotoEmArquivo](int numero, const QString& ponto) mutable {
        std::fprintf(stderr, "checkpoint %d: %s\n", numero, qPrintable(ponto));
        std::fflush(stderr);
        if (!fotoEm.isEmpty() && (fotoEm == QString::number(numero) || ponto.startsWith(fotoEm))) {
            FotoJanela(fotoEmArquivo);
            fotoEm.clear();
        }
        if (numero == matarEm)
            ::kill(::getpid(), SIGKILL);
    };

    bool sucesso = false;
    const bool semErro = Modulo::Guarda([&] {
        Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
        if (!Modulo::BloqueiaDazadize(true)) {
            platform::MsgBox(Modulo::ObtemTexto(69) + QLatin1Char('.'), platform::vbInformation, Modulo::ObtemTexto(19));
            return;
        }
        if (janela) {
            // As the main window opens request 7 (frmTQ1.AbreJanelaSecundaria).
            frmTQ2::Registra();
            Atualizacao::RegistraTelaAtualizacao(opcoes);
            Modulo::gParametro = QStringLiteral("7|%1|%2").arg(atual).arg(nova);
            Modulo::ExibeJanelaDetalhe();
            sucesso = caixas.sucesso;
        } else {
            VisaoTexto visao(detalhes);
            sucesso = Atualizacao::ExecutaPedidoAtualizacao(visao, static_cast<short>(atual),
                                                            static_cast<short>(nova), opcoes);
        }
        Modulo::BloqueiaDazadize(false);
    });
    if (Modulo::gReiniciarPeloLancador)
        std::fprintf(stderr, "reinício pelo lançador pedido\n");
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    platform::setMessageBoxes(nullptr);
    platform::setProxyCredentialsDialog(nullptr);
    return semErro && sucesso ? 0 : 1;
}
