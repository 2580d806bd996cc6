// tqsaida - request 5 of the detail window (the output options screen and
// its figure and table run) on a data folder, without anyone at the screen:
//
//   tqsaida DATA CODE MODE CONTENT PART OUT [--idioma L] [--dpi N] [--zip]
//           [--screenshot FILE]
//
// The detail window is loaded offscreen for "5|CODE|MODE|CONTENT|PART" as
// the main window would open it, the compressed-file box ticked with --zip,
// and its action button pressed.  CODE the assembly; MODE P (print: the
// print dialog answers with an A4 PDF printer writing OUT, 600 dpi unless
// --dpi), G (JPEG pages: the save dialog answers OUT) or E (JPEG pages mailed
// through xdg-email, waited for until it ends, so that its failure is
// reported whenever it comes; OUT is not used); CONTENT F figure, T table,
// FT both; PART the position of a figure part, 255 for all parts.
// --screenshot saves screen 5 as a PNG before the button is pressed.  The
// edition comes from the catalogue file in DATA.  Each message box's text is
// written to standard output.  Exit 0 after a complete run (the window closed
// itself), 1 otherwise, 2 for a bad command line.
#include "output/screen/telasaida.h"

#include "core/database.h"
#include "core/dates.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "detailwindow/frmTQ2.h"
#include "platform/base/error.h"
#include "platform/base/vbruntime.h"
#include "platform/dao/dao.h"
#include "platform/desktop/desktopprogram.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/printdialog.h"
#include "platform/desktop/savedialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace {

class CaixasNaSaida final : public platform::MessageBoxes {
public:
    int Show(const QString& text, int style, const QString&) override
    {
        QString linha = text;
        linha.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        std::fputs(linha.toUtf8().constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
        return (style & 0x7) == platform::vbYesNo ? platform::vbYes : platform::vbOK;
    }
};

// The save dialog, answered with the path of the command line.
class DialogoSalvar final : public platform::SaveDialogs {
public:
    explicit DialogoSalvar(QString arquivo) : m_arquivo(std::move(arquivo)) {}
    QString GetSaveFileName(const platform::SaveFileRequest&, QWidget*) override { return m_arquivo; }

private:
    QString m_arquivo;
};

int uso()
{
    std::fputs("usage: tqsaida DATA CODE MODE(P|G|E) CONTENT(F|T|FT) PART OUT [--idioma P|E|I] [--dpi N] [--zip] "
               "[--screenshot FILE]\n",
               stderr);
    return 2;
}

// The catalogue's issue date, as the main window fills it when it loads.
QString TextoDataEmissao()
{
    const auto rs = Modulo::AbreConsulta(QStringLiteral("SELECT DataEmissao, ComplementoDataEmissao FROM UMREGISTRO"));
    QString texto;
    if (!rs->EOF_()) {
        const QVariant data = rs->Value(0);
        if (!platform::dao::IsNull(data))
            texto = Modulo::FormataData(data.toDateTime());
        texto += Modulo::ValorSeNulo(rs->Value(1), QString()).toString();
    }
    return texto;
}

// Opens the window on the request, presses the action button; true when the
// run completed and the window closed.
bool ExecutaSolicitacao(const QString& pedido, bool zip, const QString& imagem)
{
    Modulo::gParametro = pedido;
    frmTQ2 janela;
    janela.Form_Load();
    janela.Form_Activate();
    if (janela.Descarregada() || janela.TelaAtual() != 5)
        return false;
    janela.chkGerarUnicoArquivoCompactado->setChecked(zip);
    if (!imagem.isEmpty() && !janela.grab().save(imagem)) {
        std::fprintf(stderr, "tqsaida: cannot write %s\n", qPrintable(imagem));
        return false;
    }
    Q_EMIT janela.imgImprimir->clicado(1);
    return janela.Descarregada();
}

}  // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString idioma = QStringLiteral("P");
    QString imagem;
    int dpi = 600;
    bool zip = false;
    QStringList posicionais;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--idioma") && i + 1 < args.size())
            idioma = args[++i].toUpper();
        else if (args[i] == QLatin1String("--dpi") && i + 1 < args.size())
            dpi = args[++i].toInt();
        else if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size())
            imagem = QDir::current().absoluteFilePath(args[++i]);
        else if (args[i] == QLatin1String("--zip"))
            zip = true;
        else
            posicionais << args[i];
    }
    if (posicionais.size() != 6 || dpi < 72 || dpi > 2400 || !QStringList{"P", "E", "I"}.contains(idioma))
        return uso();
    const QString modo = posicionais[2].toUpper();
    const QString conteudo = posicionais[3].toUpper();
    bool okCodigo = false, okParte = false;
    const long codigo = posicionais[1].toLong(&okCodigo);
    const int parte = posicionais[4].toInt(&okParte);
    if (!okCodigo || !okParte || parte < 0 || parte > 255 || !QStringList{"P", "G", "E"}.contains(modo) ||
        !QStringList{"F", "T", "FT"}.contains(conteudo))
        return uso();

    CaixasNaSaida caixas;
    platform::setMessageBoxes(&caixas);
    const QString saida = QDir::current().absoluteFilePath(posicionais[5]);
    platform::PdfPrintDialog impressora(saida, dpi);
    platform::setPrintDialogs(&impressora);
    DialogoSalvar salvar(saida);
    platform::setSaveDialogs(&salvar);
    TelaSaida::Registra();
    // Nobody is at the screen to see a box after the run: the result of the
    // mail program is waited for, however long it takes.
    platform::setDesktopProgramWait(-1);

    int resultado = 1;
    try {
        QDir dados(posicionais[0]);
        const QStringList catalogos = dados.entryList({QStringLiteral("DAZADIZETQ_*.MDB")}, QDir::Files);
        if (catalogos.isEmpty())
            throw platform::Error(platform::errors::FileNotFound,
                                  QStringLiteral("No catalogue (DAZADIZETQ_*.MDB) in %1").arg(dados.absolutePath()));
        Modulo::gCaminhoDados = dados.absolutePath() + QLatin1Char('/');
        Modulo::gEdicao = Modulo::LetraEdicaoDoArquivo(catalogos.first());
        Modulo::gIdioma = idioma;
        Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
        Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(Modulo::gCaminhoDados + catalogos.first(), false, true);
        Modulo::gTextoDataEmissao = TextoDataEmissao();

        const QString opcoes = conteudo == QLatin1String("FT") ? QStringLiteral("*") : conteudo;
        const QString pedido = QStringLiteral("5|%1|%2|%3|%4").arg(codigo).arg(modo, opcoes).arg(parte);
        resultado = ExecutaSolicitacao(pedido, zip, imagem) ? 0 : 1;
    } catch (const platform::Error& e) {
        caixas.Show(QStringLiteral("Erro Nº: %1\r\n%2").arg(e.number()).arg(e.description()), platform::vbCritical, {});
        resultado = 1;
    }
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    platform::setSaveDialogs(nullptr);
    platform::setPrintDialogs(nullptr);
    platform::setMessageBoxes(nullptr);
    return resultado;
}
