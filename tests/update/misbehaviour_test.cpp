// An update server that misbehaves, and names that must never be written:
// each run ends with an error box and leaves the data folder, the program
// folder and the catalogue exactly as they were (compared by file hashes and
// by SQLite's own dump), with the staging folder gone and the version
// unstamped.
#include "atualizacaofixture.h"

#include "core/globals.h"
#include "support/qstringprinter.h"
#include "update/internet.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

QJsonObject Resposta(const char* json)
{
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    if (o.isEmpty())
        ADD_FAILURE() << "bad reply " << json;
    return o;
}

class Servidor : public tqupd::TesteAtualizacao {
protected:
    void SetUp() override
    {
        TesteAtualizacao::SetUp();
        tqupd::Escreve(dados + QStringLiteral("Figuras/a.jpg"), "VELHA");
        NoServidor(QStringLiteral("ListVersao38.txt"),
                   "FIG;Figuras\\a.jpg;4\r\nSDB;s38.sql;60\r\nTXT;Nova\\b.txt;3\r\n");
        NoServidor(QStringLiteral("ListVersao39.txt"), "SDB;s39.sql;40\r\n");
        NoServidor(QStringLiteral("Figuras/a.jpg"), "NOVA");
        NoServidor(QStringLiteral("Nova/b.txt"), "bbb");
        NoServidor(QStringLiteral("s38.sql"), "E:UPDATE NOTA SET Texto = 'novo' WHERE Codigo = 1\r\n");
        NoServidor(QStringLiteral("s39.sql"), "E:INSERT INTO NOTA VALUES (3, 'tres')\r\n");
    }

    struct Antes {
        QMap<QString, QString> dados, programa;
        QString banco;
    };
    Antes Estado() const { return {tqupd::EstadoPasta(dados), tqupd::EstadoPasta(programa), tqupd::DumpBanco(Catalogo())}; }

    void EsperaIgual(const Antes& antes) const
    {
        EXPECT_EQ(tqupd::EstadoPasta(dados), antes.dados);
        EXPECT_EQ(tqupd::EstadoPasta(programa), antes.programa);
        EXPECT_EQ(tqupd::DumpBanco(Catalogo()), antes.banco);
    }
};

// ---------------------------------------------------------------------------

TEST_F(Servidor, TheUntouchedTreeUpdates)
{
    TQ_SERVE(ServeRoteiro());
    ASSERT_TRUE(Roda());
    EXPECT_EQ(tqtest::readFile(dados + QStringLiteral("Figuras/a.jpg")), "NOVA");
    EXPECT_EQ(tqupd::ConsultaBanco(Catalogo(), QStringLiteral("SELECT group_concat(Texto) FROM NOTA")),
              QStringLiteral("novo,dois,tres"));
    EXPECT_EQ(Pedidos(), (QStringList{QStringLiteral("ListVersao38.txt"), QStringLiteral("ListVersao39.txt"),
                                      QStringLiteral("Figuras/a.jpg"), QStringLiteral("s38.sql"),
                                      QStringLiteral("Nova/b.txt"), QStringLiteral("s39.sql")}));
}

struct Desvio {
    const char* nome;
    const char* rota;       // below "tq/V/"
    const char* resposta;   // the scripted reply
    long numero;            // of the error box
    const char* trecho;     // in its text
    bool repeteProxy = false;
};

void PrintTo(const Desvio& d, std::ostream* os) { *os << d.nome; }

class Desvios : public Servidor, public ::testing::WithParamInterface<Desvio> {};

TEST_P(Desvios, EndInTheErrorBoxAndChangeNothing)
{
    const Desvio& d = GetParam();
    QMap<QString, QJsonObject> trocas;
    if (*d.rota)
        trocas.insert(QString::fromUtf8(d.rota), Resposta(d.resposta));
    if (QByteArray(d.nome) == "ProgramWithoutLengthCutShort") {
        const QByteArray programa = tqtest::readFile(tqupd::ProgramaDoSistema());
        NoServidor(QStringLiteral("ListVersao39.txt"),
                   "SDB;s39.sql;40\r\nEXE;Prog;" + QByteArray::number(programa.size()) + "\r\n");
        QJsonObject r;
        r.insert(QStringLiteral("body"), QString::fromLatin1(programa.left(1000)));
        r.insert(QStringLiteral("no_content_length"), true);
        trocas.insert(QStringLiteral("Prog"), r);
    }
    if (QByteArray(d.nome) == "ListLineOfTwoFields")
        NoServidor(QStringLiteral("ListVersao39.txt"), "SDB;s39.sql\r\n");
    if (QByteArray(d.nome) == "ListSizeNotANumber")
        NoServidor(QStringLiteral("ListVersao38.txt"), "FIG;Figuras\\a.jpg;quatro\r\n");
    TQ_SERVE(ServeRoteiro(trocas));
    dialogo.repetir = d.repeteProxy;
    modInternet::DefineTempos({1000, 1000});
    opcoes.limiteMinimoCorpo = 64 * 1024;
    opcoes.limiteLista = 64 * 1024;
    const Antes antes = Estado();

    EXPECT_FALSE(Roda());
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(NumeroErro(), d.numero) << caixas.last().text.toStdString();
    EXPECT_TRUE(caixas.last().text.contains(QString::fromUtf8(d.trecho))) << caixas.last().text.toStdString();
    EsperaIgual(antes);
    EXPECT_FALSE(Modulo::gReiniciarPeloLancador);
}

INSTANTIATE_TEST_SUITE_P(
    Servidor, Desvios,
    ::testing::Values(
        Desvio{"ListNotFound", "ListVersao38.txt", R"({"status": 404})", -104, "-103;Status=404"},
        Desvio{"ListServerError", "ListVersao39.txt", R"({"status": 500})", -104, "Status=500"},
        Desvio{"ListProxyAuthForeverCancelled", "ListVersao38.txt", R"({"status": 407})", -104, "Cancel Proxy Auth"},
        Desvio{"EntryNotFound", "Nova/b.txt", R"({"status": 404})", -104, "Status=404"},
        Desvio{"ScriptServerError", "s39.sql", R"({"status": 500})", -104, "Status=500"},
        Desvio{"EntryProxyAuthForever", "Figuras/a.jpg", R"({"status": 407})", -104, "-102;Cont=7", true},
        Desvio{"ListIsAnHtmlPage", "ListVersao39.txt", R"({"body": "<!DOCTYPE html><html><body>Login</body></html>"})",
               13, "ListVersao39.txt"},
        Desvio{"ScriptIsAnHtmlPage", "s38.sql", R"({"body": "\n<html><head><title>404</title></head></html>"})", 13,
               "s38.sql"},
        Desvio{"EntryTruncated", "Nova/b.txt", R"({"body": "bbb", "content_length": 100, "close_after": 2})", -104,
               "-105;Ret=0"},
        Desvio{"EntryEndless", "Nova/b.txt", R"({"endless": true})", -104, "Nova\\b.txt"},
        Desvio{"ListEndless", "ListVersao38.txt", R"({"endless": true})", -104, "ListVersao38.txt"},
        Desvio{"EntryStalls", "Figuras/a.jpg",
               R"({"body": "NOVA", "stall_after": 2, "stall_seconds": 20})", -104, "InternetReadFile"},
        Desvio{"ListStallsBeforeAnswering", "ListVersao38.txt", R"({"stall_before_headers": 20})", -104,
               "HttpSendRequest"},
        Desvio{"RedirectLoop", "s38.sql", R"({"redirect": "/tq/V/s38.sql"})", -104, "HttpSendRequest"},
        Desvio{"ListLineOfTwoFields", "", "", 9, "ListVersao39.txt"},
        Desvio{"ListSizeNotANumber", "", "", 13, "quatro"},
        Desvio{"ProgramWithoutLengthCutShort", "", "", 13, "Prog"}),
    [](const ::testing::TestParamInfo<Desvio>& i) { return std::string(i.param.nome); });

// ---------------------------------------------------------------------------

TEST_F(Servidor, HostileNamesAreRefusedBeforeAnyEntryIsFetched)
{
    QDir().mkpath(raiz.file(QStringLiteral("fora")));
    QFile::link(raiz.file(QStringLiteral("fora")), dados + QStringLiteral("Atalho"));
    const auto fig = [](const QString& nome) { return QStringLiteral("FIG;%1;4\r\n").arg(nome); };
    QString longo;  // a path of more than 4096 bytes in elements of 200
    while (longo.size() < 4200)
        longo += QString(200, QLatin1Char('p')) + QLatin1Char('\\');
    struct Caso {
        QString linhas;  // after a good entry
        long numero;
    } casos[] = {
        {fig(QStringLiteral("/etc/cron.d/x")), 52},
        {fig(QStringLiteral("C:\\Windows\\x.dll")), 52},
        {fig(QStringLiteral("..\\..\\fora.txt")), 52},
        {fig(QStringLiteral("Figuras\\..\\..\\fora.txt")), 52},
        {fig(QStringLiteral("Figuras\\\\a.jpg")), 52},
        {fig(QStringLiteral("Figuras\\a\x01.jpg")), 52},
        {fig(QStringLiteral("Figuras")), 52},
        {fig(QStringLiteral("Atalho\\x.txt")), 75},
        {fig(QStringLiteral("dazadizetq_v.mdb")), 70},
        {fig(QStringLiteral("DAZADIZETQ_V.MDB-journal")), 70},
        {fig(QStringLiteral("~atualizacao\\x.dat")), 70},
        // Names the file system cannot hold.
        {fig(QStringLiteral("Figuras\\") + QString(256, QLatin1Char('n')) + QStringLiteral(".jpg")), 52},
        {fig(longo + QStringLiteral("x.jpg")), 52},
        // A file of this run where another name needs a folder, in either order.
        {fig(QStringLiteral("Figuras\\a.jpg")) + fig(QStringLiteral("Figuras\\a.jpg\\x")), 52},
        {fig(QStringLiteral("Nova\\c\\x")) + fig(QStringLiteral("NOVA\\C")), 52},
        // A size beyond 32 bits.
        {QStringLiteral("FIG;Figuras\\a.jpg;4294967296\r\n"), 6},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linhas.left(120).toStdString());
        tqrig::ScriptedServer servidor;
        QJsonObject rotas;
        QJsonObject lista;
        // A good entry first: it is not fetched either.
        lista.insert(QStringLiteral("body"), QStringLiteral("TXT;Nova\\b.txt;3\r\n") + c.linhas);
        rotas.insert(QStringLiteral("/tq/V/ListVersao38.txt"), lista);
        QJsonObject cenario;
        cenario.insert(QStringLiteral("routes"), rotas);
        cenario.insert(QStringLiteral("default"), Resposta(R"({"body": "x"})"));
        ASSERT_TRUE(servidor.start(cenario)) << servidor.reason().toStdString();
        Catalogo(servidor.hostPort(), 37);
        caixas.shown.clear();
        const Antes antes = Estado();

        EXPECT_FALSE(Roda(37, 38));
        EXPECT_EQ(NumeroErro(), c.numero) << caixas.last().text.toStdString();
        QStringList pedidos;
        for (const auto& r : servidor.requests())
            pedidos << r.path;
        EXPECT_EQ(pedidos, QStringList{QStringLiteral("/tq/V/ListVersao38.txt")});
        EsperaIgual(antes);
    }
}

// The run's own refusals are shown in the run's language.
TEST_F(Servidor, RefusalsSpeakTheRunsLanguage)
{
    struct Caso {
        const char* idioma;
        const char* lista;
        const char* script;  // served for "s38.sql"
        const char* texto;
    } casos[] = {
        {"E", "FIG;/etc/x;4\r\n", "",
         "El archivo de actualización \"/etc/x\" fue rechazado: el nombre es una ruta absoluta. No se descargó ni se "
         "modificó nada."},
        {"I", "FIG;/etc/x;4\r\n", "",
         "The update file \"/etc/x\" was refused: the name is an absolute path. Nothing was downloaded or changed."},
        {"E", "FIG;a.jpg;doze\r\n", "",
         "Lista de actualización \"ListVersao38.txt\", línea 1: el tamaño \"doze\" no es un número entero de bytes."},
        {"I", "FIG;a.jpg;doze\r\n", "",
         "Update list \"ListVersao38.txt\", line 1: the size \"doze\" is not a whole number of bytes."},
        {"E", "SDB;s38.sql;60\r\n", "<!DOCTYPE html><html></html>",
         "El script de actualización \"s38.sql\" recibido es una página HTML, no un script."},
        {"I", "SDB;s38.sql;60\r\n", "<!DOCTYPE html><html></html>",
         "The update script \"s38.sql\" received is an HTML page, not a script."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.idioma) + " " + c.lista);
        tqrig::ScriptedServer servidor;
        QJsonObject rotas;
        rotas.insert(QStringLiteral("/tq/V/ListVersao38.txt"),
                     QJsonObject{{QStringLiteral("body"), QString::fromUtf8(c.lista)}});
        rotas.insert(QStringLiteral("/tq/V/s38.sql"),
                     QJsonObject{{QStringLiteral("body"), QString::fromUtf8(c.script)}});
        QJsonObject cenario;
        cenario.insert(QStringLiteral("routes"), rotas);
        cenario.insert(QStringLiteral("default"), Resposta(R"({"body": "x"})"));
        ASSERT_TRUE(servidor.start(cenario)) << servidor.reason().toStdString();
        Catalogo(servidor.hostPort(), 37);
        Modulo::gIdioma = QString::fromLatin1(c.idioma);
        caixas.shown.clear();
        EXPECT_FALSE(Roda(37, 38));
        ASSERT_FALSE(caixas.shown.empty());
        EXPECT_TRUE(caixas.last().text.contains(QString::fromUtf8(c.texto))) << caixas.last().text.toStdString();
    }
}

}  // namespace
