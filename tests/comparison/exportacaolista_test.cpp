// The cart list's text file byte for byte (golden files in P, E, I and
// edition D), its field rules, its atomic replacement, and the Generate file
// and E-mail actions through the recording dialog, mailer and boxes.
//
// TQ_UPDATE_GOLDEN=1 rewrites the golden files from the current output;
// look at them (cat -A) before committing.

#include "comparison/exportacaolista.h"
#include "comparison/listacarrinho.h"

#include "cmpfixture.h"
#include "output/report/arquivos.h"
#include "core/dates.h"
#include "core/errorbox.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/base/codepage.h"
#include "support/fakemail.h"
#include "support/fakemessagebox.h"
#include "support/fakesavedialog.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

using namespace Comparacao;
using namespace platform::dao;

namespace {

const QDateTime kMomento(QDate(2024, 5, 1), QTime(14, 3, 9));

class CartExport : public cmptest::CatalogueTest {
protected:
    // Rows of every special case, the kinds in the run's language.
    void Fill()
    {
        const QString cr(QChar(13));
        struct R { const char* tipo; int codigo; int qtd; QString desc; QVariant numero; int kind; QString opc; } rows[] = {
            {"COM", 1, 7, QStringLiteral("ANEL DE VEDAÇÃO"), QStringLiteral("501123456"), 2, cr},
            {"JRE", 2, 32000, QStringLiteral("ENGRENAGEM DE ACIONAMENTO DA BOMBA DE ÓLEO COM CUBO ESTRIADO"), QStringLiteral("769000001"), 4,
             QStringLiteral(" ")},
            // Outside the code page (≤, a character beyond the BMP, Ω), a
            // decomposed é, an apostrophe, a euro sign, CR LF and TAB inside.
            {"COM", 3, 1, QStringLiteral("CALÇO ≤ 0,1 \U0001D7D9 Ω e\u0301 D'ÁGUA €\r\nX\tY"), QStringLiteral("5"), 2, cr},
            {"PCA", 4, 12, QString(), QVariant(), 111, QStringLiteral(" ")},
        };
        for (const R& r : rows)
            Modulo::gDbAuxiliar->Execute(
                QStringLiteral("INSERT INTO %1 (Tipo,Codigo,Quantidade,Descricao,NumeroEmpresa,DescricaoTipo,Opcional) "
                               "VALUES('%2',%3,%4,%5,%6,'%7','%8')")
                    .arg(Modulo::gTabelaCarrinho, QLatin1String(r.tipo))
                    .arg(r.codigo)
                    .arg(r.qtd)
                    .arg(r.desc.isNull() ? QStringLiteral("Null") : QLatin1Char('\'') + Modulo::TextoSQL(r.desc) + QLatin1Char('\''),
                         r.numero.isValid() ? QLatin1Char('\'') + r.numero.toString() + QLatin1Char('\'') : QStringLiteral("Null"),
                         Modulo::TextoSQL(Modulo::ObtemTexto(r.kind)), r.opc));
    }
    RecordsetPtr List()
    {
        return Modulo::gDbAuxiliar->OpenRecordset(ConsultaLista(Modulo::gTabelaCarrinho), dbOpenSnapshot);
    }
    QString IssueDate() const { return Modulo::FormataData(QDate(2024, 3, 15)) + QStringLiteral(" R2"); }

    tqtest::TempDir m_out;
};

QByteArray Golden(const QString& name, const QByteArray& actual)
{
    const QString path = tqtest::sourceDir() + QStringLiteral("/tests/comparison/data/") + name;
    if (qEnvironmentVariableIntValue("TQ_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).path());
        tqtest::writeFile(path, actual);
    }
    return tqtest::readFile(path);
}

TEST_F(CartExport, GoldenFilesPerLanguageAndEdition)
{
    const struct { const char* edition; const char* language; const char* golden; } cases[] = {
        {"V", "P", "lista_V_P.txt"}, {"V", "E", "lista_V_E.txt"}, {"V", "I", "lista_V_I.txt"}, {"D", "I", "lista_D_I.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        Open(QLatin1String(c.edition), QLatin1String(c.language));
        Fill();
        const QString path = m_out.file(QLatin1String(c.golden));
        RecordsetPtr list = List();
        list->MoveLast();
        GeraArquivoTextoLista(path, list, IssueDate());
        EXPECT_EQ(list->AbsolutePosition(), 3) << "the list's current row does not move";
        const QByteArray bytes = tqtest::readFile(path);
        EXPECT_EQ(bytes, Golden(QLatin1String(c.golden), bytes));

        // Every line ends in CR LF; the header and the four rows are 115 bytes.
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
        ASSERT_EQ(lines.size(), 7);
        EXPECT_EQ(lines[1], QByteArray("\r"));
        for (int i = 2; i < 7; ++i)
            EXPECT_EQ(lines[i].size(), i < 6 ? 116 : 115) << i;
        EXPECT_EQ(lines[0], platform::toWindows1252(Modulo::ObtemTexto(19) + QStringLiteral("     3.2     ") + IssueDate() + QLatin1Char('\r')));
    }
}

TEST_F(CartExport, FieldRules)
{
    Open(QStringLiteral("V"), QStringLiteral("I"));
    const QString header = LinhaTextoLista({Modulo::ObtemTexto(5).toUpper(), Modulo::ObtemTexto(28).toUpper(),
                                            Modulo::ObtemTexto(25).toUpper(), Modulo::ObtemTexto(31).toUpper(), QVariant()});
    EXPECT_EQ(header, QStringLiteral("TQ NR").leftJustified(31) + QStringLiteral("DESCRIPTION").leftJustified(51) +
                          QStringLiteral("QTY.").rightJustified(10) + QLatin1Char(' ') + QStringLiteral("TYPE").leftJustified(20) +
                          QStringLiteral("  "));
    const QString row = LinhaTextoLista({QStringLiteral("0501 123 456"), QString(60, QLatin1Char('D')), 7, QStringLiteral("Component"),
                                         QStringLiteral("\r")});
    EXPECT_EQ(row.size(), 115);
    EXPECT_EQ(row.mid(31, 51), QString(51, QLatin1Char('D'))) << "cut to its first 51";
    EXPECT_EQ(row.mid(82, 10), QStringLiteral("         7"));
    EXPECT_EQ(row.right(2), QStringLiteral("  "));
    EXPECT_EQ(CampoArquivoLista(QStringLiteral("  ab \U0001F600c  "), 5, true), QStringLiteral("ab ?c"));
    EXPECT_EQ(CampoArquivoLista(QStringLiteral("123456789012"), 10, false), QStringLiteral("3456789012"));
    EXPECT_EQ(CampoArquivoLista(QVariant(), 3, true), QStringLiteral("   "));
}

TEST_F(CartExport, ASecondSaveReplacesTheFirstAndAFailedWriteKeepsIt)
{
    Open(QStringLiteral("V"));
    Fill();
    const QString path = m_out.file(QStringLiteral("lista.txt"));
    GeraArquivoTextoLista(path, List(), IssueDate());
    const QByteArray first = tqtest::readFile(path);
    Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM ") + Modulo::gTabelaCarrinho + QStringLiteral(" WHERE Codigo > 1"));
    GeraArquivoTextoLista(path, List(), IssueDate());
    const QByteArray second = tqtest::readFile(path);
    EXPECT_EQ(first.count("\r\n"), 7);
    EXPECT_EQ(second.count("\r\n"), 4) << "only the second file's content";

    // A write that fails half-way (the file size limit) keeps the old file.
    Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM ") + Modulo::gTabelaCarrinho);
    Fill();
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 300;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const long error = tqtest::errorNumberOf([&] { GeraArquivoTextoLista(path, List(), IssueDate()); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error, 75);
    EXPECT_EQ(tqtest::readFile(path), second);
    EXPECT_EQ(QDir(m_out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("lista.txt")});

    // A folder that is not there.
    EXPECT_EQ(tqtest::errorNumberOf([&] { GeraArquivoTextoLista(m_out.file(QStringLiteral("lista.txt/x.txt")), List(), IssueDate()); }),
              platform::errors::PathNotFound);
}

TEST_F(CartExport, GenerateFileThroughTheDialog)
{
    Open(QStringLiteral("V"));
    tqtest::FakeSaveDialogs dialogs;
    tqtest::FakeMessageBoxes boxes;
    // The detail window's dialog set up for "TXT", as the window shows it.
    const PerguntaArquivo dialogo = [](const QString& nome) -> std::optional<QString> {
        const QString path = platform::saveDialogs().GetSaveFileName(
            {Modulo::ObtemTexto(19) + QStringLiteral(" - ") + Modulo::ObtemTexto(20), platform::saveDialogFolder(), nome,
             saida::FiltroArquivo(QStringLiteral("TXT"))},
            nullptr);
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    };

    // An empty list: text 16, no dialog.
    EXPECT_TRUE(GeraArquivoLista(List(), dialogo, IssueDate(), kMomento).isEmpty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Nenhum Item Selecionado."));
    EXPECT_TRUE(dialogs.requests.empty());

    // Cancelled: nothing written, nothing said.
    Fill();
    EXPECT_TRUE(GeraArquivoLista(List(), dialogo, IssueDate(), kMomento).isEmpty());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].fileName, QStringLiteral("CAT_TQ_2024-05-01_14-03-09.txt"));
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Razovovu TQ - Vizureru - Gerar Arquivo"));
    EXPECT_EQ(dialogs.requests[0].filter, QStringLiteral("TXT (*.txt)|*.txt"));
    EXPECT_EQ(boxes.shown.size(), 1u);

    // Accepted: the file, then text 32 naming it.
    const QString path = m_out.file(QStringLiteral("escolhido.txt"));
    dialogs.answers.push_back(path);
    EXPECT_EQ(GeraArquivoLista(List(), dialogo, IssueDate(), kMomento), path);
    EXPECT_EQ(tqtest::readFile(path), MontaArquivoTextoLista(LeLinhasLista(List()), IssueDate()));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Arquivo \"%1\" gerado com sucesso.").arg(path));
    EXPECT_EQ(boxes.last().icon(), platform::vbInformation);
}

TEST_F(CartExport, EMailThroughTheMailer)
{
    Open(QStringLiteral("D"), QStringLiteral("E"));
    tqtest::FakeMailer mail;
    tqtest::FakeMessageBoxes boxes;
    EXPECT_TRUE(EnviaEmailLista(List(), IssueDate(), kMomento).isEmpty());
    EXPECT_TRUE(mail.sent.empty());
    EXPECT_EQ(boxes.last().text, QStringLiteral("Ningún artículo seleccionado."));

    Fill();
    const QString path = EnviaEmailLista(List(), IssueDate(), kMomento);
    EXPECT_EQ(path, Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), true) + QStringLiteral("CAT_TQSD_2024-05-01_14-03-09.txt"));
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0], QStringList{path});
    EXPECT_EQ(tqtest::readFile(path), MontaArquivoTextoLista(LeLinhasLista(List()), IssueDate()));

    // A mail program that fails: the error box, and the handler returns.
    mail.failWith = platform::Error(platform::kMailProgramMissing, QStringLiteral("xdg-email was not found"));
    EXPECT_FALSE(Modulo::Guarda([&] { EnviaEmailLista(List(), IssueDate(), kMomento); }));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Erro Nº: 53\r\nxdg-email was not found"));
    EXPECT_EQ(boxes.last().icon(), platform::vbCritical);

    // One that fails after the wait (the call returned): the box of the same
    // failure at once, when the program ends.
    const platform::Error falha(platform::kMailFailed, QStringLiteral("El programa de correo electrónico falló."));
    mail.failWith = falha;
    EXPECT_FALSE(Modulo::Guarda([&] { EnviaEmailLista(List(), IssueDate(), kMomento); }));
    const tqtest::FakeMessageBoxes::Box rapida = boxes.last();
    EXPECT_EQ(rapida.text, QStringLiteral("Erro Nº: 57\r\nEl programa de correo electrónico falló."));
    mail.failWith.reset();
    const std::size_t antes = boxes.shown.size();
    EXPECT_TRUE(Modulo::Guarda([&] { EnviaEmailLista(List(), IssueDate(), kMomento); }));
    EXPECT_EQ(boxes.shown.size(), antes);
    mail.lateFailures.back()(falha);
    ASSERT_EQ(boxes.shown.size(), antes + 1);
    EXPECT_EQ(boxes.last().text, rapida.text);
    EXPECT_EQ(boxes.last().style, rapida.style);
    EXPECT_EQ(boxes.last().title, rapida.title);
    QFile::remove(path);
}

TEST_F(CartExport, TheCartListScreensQueryColumnsAndClear)
{
    Open(QStringLiteral("V"));
    EXPECT_EQ(ConsultaLista(QStringLiteral("Lista_20240501_0")),
              QStringLiteral("SELECT Format(Lista_20240501_0.NumeroEmpresa, '0000 000 000') AS NumeroEmpresa,Descricao,Quantidade,"
                             "DescricaoTipo,Tipo,Codigo,Opcional FROM Lista_20240501_0 ORDER BY 1"));
    EXPECT_EQ(ColunasLista(QStringLiteral("P")),
              (QStringList{"NumeroEmpresa|0|1305|T|6", "Descricao|0|2805|T|6", "Quantidade|1|570|T|6", "DescricaoTipo|0|1635|T|6",
                           "Opcional|2|420|I|6|Opcional|0",
                           "|2|420|F|6|Aumentar Quantidade  -  Botão Esquerdo:+1 / Botão Direito:+10|99",
                           "|2|420|F|6|Diminuir Quantidade  -  Botão Esquerdo:-1 / Botão Direito:-10|99", "|2|420|F|6|Excluir|99"}));
    Fill();
    RecordsetPtr list = List();
    // Sorted by the formatted number; Null numbers first.
    QStringList numbers;
    for (long r = 0; r < list->RecordCount(); ++r)
        numbers << list->ValueAt(r, 0).toString();
    EXPECT_EQ(numbers, (QStringList{QString(), QStringLiteral("0000 000 005"), QStringLiteral("0501 123 456"), QStringLiteral("0769 000 001")}));
    EXPECT_TRUE(LocalizaItemLista(list, QStringLiteral("COM"), 1));
    EXPECT_EQ(list->AbsolutePosition(), 2);
    EXPECT_FALSE(LocalizaItemLista(list, QStringLiteral("JRE"), 99));
    EXPECT_EQ(list->AbsolutePosition(), 2) << "no match leaves the row";
    EXPECT_FALSE(LocalizaItemLista(list, QStringLiteral("X'Y"), 5));
    EXPECT_FALSE(LocalizaItemLista(list, QStringLiteral(" "), 1));

    tqtest::FakeMessageBoxes boxes;
    int cleared = 0;
    boxes.answers.push_back(platform::vbNo);
    EXPECT_FALSE(LimpaLista(list, [&] { ++cleared; }));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Confirma Limpar?"));
    EXPECT_EQ(boxes.last().style, platform::vbYesNo | platform::vbQuestion | platform::vbDefaultButton2);
    EXPECT_TRUE(LimpaLista(list, [&] { ++cleared; }));
    EXPECT_EQ(cleared, 1);
    Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM ") + Modulo::gTabelaCarrinho);
    EXPECT_FALSE(LimpaLista(List(), [&] { ++cleared; }));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Nenhum Item Selecionado."));
    EXPECT_EQ(cleared, 1);
}

}  // namespace
