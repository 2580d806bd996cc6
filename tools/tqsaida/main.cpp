// tqsaida - the figure and table output of the output options screen, run
// headless on a data folder:
//
//   tqsaida DATA CODE MODE CONTENT PART OUT [--idioma L] [--dpi N] [--zip]
//
// CODE the assembly; MODE P (print: an A4 PDF printer writing OUT, 600 dpi
// unless --dpi), G (JPEG pages: the save dialog answers OUT) or E (JPEG pages
// mailed through xdg-email; OUT is not used); CONTENT F figure, T table, FT
// both; PART the position of a figure part, 255 for all parts; --zip ticks
// the single-compressed-file box.  The edition comes from the catalogue file
// in DATA.  Each message box's text is written to standard output.  Exit 0
// after a complete run, 1 otherwise, 2 for a bad command line.
#include "output/report/correio.h"
#include "output/report/saida.h"

#include "core/database.h"
#include "core/dates.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "platform/base/error.h"
#include "platform/base/vbruntime.h"
#include "platform/dao/dao.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/printdialog.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

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

class AmbienteFerramenta final : public saida::Ambiente {
public:
    explicit AmbienteFerramenta(QString arquivo) : m_arquivo(std::move(arquivo)) {}
    std::optional<QString> PerguntaArquivo(const saida::PedidoArquivo&) override { return m_arquivo; }
    void EnviaEmail(const QStringList& arquivos) override { saida::EnviaEmailXdg(arquivos); }

private:
    QString m_arquivo;
};

int uso()
{
    std::fputs("usage: tqsaida DATA CODE MODE(P|G|E) CONTENT(F|T|FT) PART OUT [--idioma P|E|I] [--dpi N] [--zip]\n", stderr);
    return 2;
}

// The catalogue's issue date as the main window shows it in page headers.
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

}  // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString idioma = QStringLiteral("P");
    int dpi = 600;
    bool zip = false;
    QStringList posicionais;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--idioma") && i + 1 < args.size())
            idioma = args[++i].toUpper();
        else if (args[i] == QLatin1String("--dpi") && i + 1 < args.size())
            dpi = args[++i].toInt();
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
    QString saida = QDir::current().absoluteFilePath(posicionais[5]);
    platform::PdfPrintDialog impressora(saida, dpi);
    platform::setPrintDialogs(&impressora);

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

        AmbienteFerramenta ambiente(saida);
        saida::Saida s(ambiente);
        s.mModoSaida = modo;
        s.TextoDataEmissao = TextoDataEmissao();
        saida::EscolhaSaida escolha =
            saida::PreparaEscolha(codigo, conteudo == QLatin1String("FT") ? QStringLiteral("*") : conteudo, parte);
        escolha.UnicoArquivoCompactado = zip;
        resultado = s.GeraFiguraTabela(escolha) ? 0 : 1;
    } catch (const platform::Error& e) {
        caixas.Show(QStringLiteral("Erro Nº: %1\r\n%2").arg(e.number()).arg(e.description()), platform::vbCritical, {});
        resultado = 1;
    }
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    platform::setPrintDialogs(nullptr);
    platform::setMessageBoxes(nullptr);
    return resultado;
}
