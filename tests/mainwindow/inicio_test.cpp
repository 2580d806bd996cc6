// The start window and the start-up sequence: the start word, the window's
// size and hand-over on each screen, the part-type table, the data folder,
// and what every failure of the sequence leaves behind.

#include "janelafixture.h"

#include "core/searchtext.h"
#include "core/texts.h"
#include "mainwindow/frmInicial.h"
#include "mainwindow/inicio.h"
#include "platform/base/error.h"
#include "platform/desktop/qttranslations.h"
#include "support/qstringprinter.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QTest>

#include <sqlite3.h>
#include <unistd.h>

using namespace tqtest;

TEST(StartWord, OnlyTheLaunchersWordStartsTheProgram)
{
    const struct {
        const char* linha;
        bool inicia;
    } casos[] = {
        {"CallDazadizeTQ", true},
        {"calldazadizetq", true},
        {"   CallDazadizeTQ   ", true},
        {"CALLDAZADIZETQLIMITADO", true},
        {"CallDazadizeTQ extra", true},
        {"", false},
        {"CallDazadizeT", false},
        {"CallDazadize", false},
        {"XCallDazadizeTQ", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.linha);
        EXPECT_EQ(Inicio::PalavraInicioValida(QString::fromLatin1(c.linha)), c.inicia);
    }
}

TEST(StartGeometry, MarginSmallScreensAndHandOver)
{
    const struct {
        QSize tela;
        int margem;
        bool pequena;
    } casos[] = {
        {{1024, 768}, 20, false}, {{1000, 800}, 0, true}, {{1000, 700}, 0, true},
        {{1280, 700}, 0, true},   {{1001, 701}, 20, false}, {{800, 600}, 0, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(c.tela.width()).arg(c.tela.height()).toStdString());
        EXPECT_EQ(Inicio::Margem(c.tela), c.margem);
        EXPECT_EQ(Inicio::TelaPequena(c.tela), c.pequena);
    }
    // A restored window hands over its rectangle in twips, the caption
    // counted in its height; any other state hands over nothing.
    EXPECT_EQ(Inicio::PosicaoJanelaInicial(true, QPoint(0, 0), QSize(820, 620), 18, 15, 15), QStringLiteral("0;0;12300;9570"));
    EXPECT_EQ(Inicio::PosicaoJanelaInicial(true, QPoint(10, 20), QSize(800, 600), 18, 15, 15),
              QStringLiteral("150;300;12000;9270"));
    EXPECT_EQ(Inicio::PosicaoJanelaInicial(false, QPoint(0, 0), QSize(820, 620), 18, 15, 15), QString());
}

namespace {

// The start window over a data folder, as the launcher starts it.
class JanelaInicial : public JanelaPrincipalTeste {
protected:
    void SetUp() override
    {
        JanelaPrincipalTeste::SetUp();
        Modulo::DefineLinhaComando(QStringLiteral("CallDazadizeTQ"));
        frmInicial::setEncerraPrograma([this](int codigo) { saidas << codigo; });
    }
    void TearDown() override
    {
        delete inicial.data();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmTQ1*>(w))
                delete w;
        frmInicial::setEncerraPrograma({});
        frmInicial::setPastaPrograma(QString());
        Modulo::DefineLinhaComando(QString());
        JanelaPrincipalTeste::TearDown();
    }

    // A copy of the edition's demo folder that a test may damage.
    QString CopiaCatalogo(const QString& edicao = QStringLiteral("V"))
    {
        const demo::Summary& s = CatalogoDemo(edicao);
        const QString destino = m_copia.pathSlash();
        for (const QString& nome : QDir(s.dataFolder).entryList(QDir::Files)) {
            QFile::remove(destino + nome);
            QFile::copy(s.dataFolder + nome, destino + nome);
        }
        m_listasAntes = TabelasCarrinho(destino);
        return destino;
    }

    frmInicial* Abre(const QString& pastaPrograma)
    {
        frmInicial::setPastaPrograma(pastaPrograma);
        inicial = new frmInicial;
        return inicial;
    }

    // The cart tables of the auxiliary database of a folder.
    static int TabelasCarrinho(const QString& pasta)
    {
        int n = -1;
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(QString(pasta + QStringLiteral("DAZADIZEAUX.MDB")).toUtf8().constData(), &db,
                            SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE name LIKE 'Lista_%'", -1, &st,
                                   nullptr) == SQLITE_OK &&
                sqlite3_step(st) == SQLITE_ROW)
                n = sqlite3_column_int(st, 0);
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
        return n;
    }

    // The start-up sequence failed cleanly: one box, the program ends with a
    // non-zero code, nothing stays open and no window is left.
    void EsperaFalhaLimpa(const QString& pasta)
    {
        ASSERT_EQ(caixas.shown.size(), 1u);
        // The error box: text 21 and the number, then the layer's own words.
        EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": ")));
        EXPECT_EQ(saidas, QList<int>{1});
        EXPECT_FALSE(Modulo::gDbDazadize);
        EXPECT_FALSE(Modulo::gDbAuxiliar);
        EXPECT_TRUE(Modulo::gTabelaCarrinho.isEmpty());
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_EQ(qobject_cast<frmTQ1*>(w), nullptr);
        // No cart table was left in the auxiliary database (when it is one).
        if (const int n = TabelasCarrinho(pasta); n >= 0) {
            EXPECT_EQ(n, m_listasAntes);
        }
    }

    QPointer<frmInicial> inicial;
    QList<int> saidas;
    int m_listasAntes = 0;
    TempDir m_copia;
};

}  // namespace

TEST_F(JanelaInicial, LoadReadsTheDataFolderAndShowsThePicture)
{
    const demo::Summary& s = CatalogoDemo(QStringLiteral("V"));
    TempDir programa;
    tqtest::writeFile(programa.file(QStringLiteral("Caminho.txt")), (s.dataFolder + QStringLiteral("\r\n")).toUtf8());
    Modulo::gIdioma = QStringLiteral("E");
    QDir(Modulo::ObtemPastaUsuario(true)).remove(Modulo::NomeArquivoConfiguracao());
    tqtest::writeFile(Modulo::ObtemPastaUsuario(true) + Modulo::NomeArquivoConfiguracao(), "I|1||");
    frmInicial* f = Abre(programa.pathSlash());
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(Modulo::gCaminhoDados, s.dataFolder);
    EXPECT_EQ(Modulo::gIdioma, QStringLiteral("I"));
    // The caption is the Portuguese title whatever the configuration says.
    EXPECT_EQ(f->windowTitle(), Modulo::ObtemTexto(19, QStringLiteral("P")));
    EXPECT_FALSE(f->pctTela->Picture().isNull());
    EXPECT_EQ(f->imgPortugues->geometry(), QRect(259, 98, 77, 20));
    EXPECT_EQ(f->imgInglesSelecionada->geometry(), QRect(438, 97, 77, 21));
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(JanelaInicial, WrongStartWordsEndTheProgramWithError3)
{
    for (const char* linha : {"", "CallDazadizeT", "XCallDazadizeTQ"}) {
        SCOPED_TRACE(linha);
        caixas.shown.clear();
        Modulo::DefineLinhaComando(QString::fromLatin1(linha));
        frmInicial f;
        EXPECT_FALSE(f.Form_Load());
        EXPECT_NE(f.CodigoSaida(), 0);
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(21) + QStringLiteral(": -3\r\n") + Modulo::ObtemTexto(97));
    }
}

TEST_F(JanelaInicial, CaminhoTxtNamingAMissingFolderIsAClearError)
{
    TempDir programa;
    tqtest::writeFile(programa.file(QStringLiteral("Caminho.txt")), "/nao/existe/dados\r\n");
    frmInicial* f = Abre(programa.pathSlash());
    EXPECT_FALSE(f->Form_Load());
    EXPECT_NE(f->CodigoSaida(), 0);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.contains(QStringLiteral(": 76\r\n"))) << qPrintable(caixas.last().text);
    EXPECT_TRUE(caixas.last().text.contains(QStringLiteral("/nao/existe/dados/")));
}

TEST_F(JanelaInicial, SizeOnEachScreenAndTheHandOver)
{
    const demo::Summary& s = CatalogoDemo(QStringLiteral("V"));
    const struct {
        QSize tela;
        QSize normal;
        bool semBorda;
    } casos[] = {
        {{1024, 768}, {820, 620}, false},
        {{1000, 800}, {800, 600}, true},
        {{1000, 700}, {800, 600}, true},
        {{1280, 700}, {800, 600}, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(c.tela.width()).arg(c.tela.height()).toStdString());
        Modulo::DefineTamanhoTela(c.tela);
        frmInicial f;
        frmInicial::setPastaPrograma(s.dataFolder);
        ASSERT_TRUE(f.Form_Load());
        EXPECT_EQ(f.size(), c.normal);
        EXPECT_EQ(f.pos(), QPoint(0, 0));
        EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
        // Maximised, the start window hands over nothing.
        EXPECT_EQ(f.PosicaoJanelaInicial(), QString());
        f.Form_Activate();
        EXPECT_EQ(bool(f.windowFlags() & Qt::FramelessWindowHint), c.semBorda);
        EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    }
    // Restored by the user on a 1024 x 768 screen: its rectangle.
    Modulo::DefineTamanhoTela(QSize(1024, 768));
    frmInicial f;
    frmInicial::setPastaPrograma(s.dataFolder);
    ASSERT_TRUE(f.Form_Load());
    f.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(f.PosicaoJanelaInicial(), QStringLiteral("0;0;12300;9570"));
}

TEST_F(JanelaInicial, HoverMovesBetweenTheLanguages)
{
    frmInicial f;
    f.DestacaControle(QStringLiteral("PORTUGUES"));
    EXPECT_FALSE(f.imgPortuguesSelecionada->isHidden());
    f.DestacaControle(QStringLiteral("ESPANHOL"));
    EXPECT_TRUE(f.imgPortuguesSelecionada->isHidden());
    EXPECT_FALSE(f.imgEspanholSelecionada->isHidden());
    f.DestacaControle(QStringLiteral("FORM"));
    EXPECT_TRUE(f.imgEspanholSelecionada->isHidden());
    EXPECT_EQ(f.ObtemControleDestaque(QStringLiteral("portugues")), nullptr);
}

TEST_F(JanelaInicial, PartTypeTableIsMadePerEditionInOneTransaction)
{
    const struct {
        const char* edicao;
        QStringList linhas;
    } casos[] = {
        {"V", {"T|Transmissão|Transmisión|Transmission"}},
        {"A", {"E|Eixo|Eje|Axle", "T|Transmissão|Transmisión|Transmission"}},
        {"D",
         {"B|Bomba de Óleo|Bomba de Aceite|Oil Pump", "C|Caixa Angular|Caja Angular|Bevel Box",
          "D|Direção|Dirección|Power Steering Gear", "R|Reservatório de Óleo|Depósito de Aceite|Oil Reservoir"}},
        {"M", {"R|Reversor Marítmo|Reversor Marina|Marine Gearbox"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.edicao);
        const QString edicao = QString::fromLatin1(c.edicao);
        TempDir dir;
        demo::Options o = demo::Options::Fixture(edicao, dir.file(QStringLiteral("d")));
        o.noTipoPeca = true;
        const demo::Summary s = demo::GenerateDataFolder(o);
        QFile::rename(s.catalogueFile, s.dataFolder + Modulo::NomeArquivoCatalogo());
        Modulo::gCaminhoDados = s.dataFolder;
        Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
        ASSERT_FALSE(Modulo::TabelaExiste(Modulo::gDbDazadize, QStringLiteral("TIPOPECA")));
        Inicio::CriaTabelaTipoPeca(edicao);
        // The read-only connection sees it at once.
        EXPECT_EQ(Modulo::ObtemListaSQL(QStringLiteral("SELECT CodigoTipoPeca & '|' & DescricaoTipoPecaP & '|' & "
                                                       "DescricaoTipoPecaE & '|' & DescricaoTipoPecaI FROM TIPOPECA "
                                                       "ORDER BY CodigoTipoPeca"),
                                        nullptr, QStringLiteral(";")),
                  c.linhas.join(QLatin1Char(';')));
        Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    }
}

TEST_F(JanelaInicial, AnExistingPartTypeTableIsLeftAloneEvenEmpty)
{
    const QString pasta = CopiaCatalogo(QStringLiteral("A"));
    Modulo::gCaminhoDados = pasta;
    {
        Modulo::WorkspacePtr ws;
        Modulo::DatabasePtr db;
        Modulo::AbreBancoDazadize(ws, QStringLiteral("w"), db, false);
        db->Execute(QStringLiteral("DELETE FROM TIPOPECA"));
        Modulo::FechaBanco(ws, db);
    }
    Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
    Inicio::CriaTabelaTipoPeca(QStringLiteral("A"));
    EXPECT_EQ(Modulo::ObtemValorSQL(QStringLiteral("SELECT COUNT(*) FROM TIPOPECA"), nullptr, -1).toInt(), 0);
}

TEST_F(JanelaInicial, AFailingRowLeavesNoPartTypeTable)
{
    const QString pasta = CopiaCatalogo();
    Modulo::gCaminhoDados = pasta;
    Modulo::WorkspacePtr ws;
    Modulo::DatabasePtr db;
    Modulo::AbreBancoDazadize(ws, QStringLiteral("w"), db, false);
    db->Execute(QStringLiteral("DROP TABLE TIPOPECA"));
    // The table and the rows go in one batch: a duplicate row undoes the table too.
    QStringList comandos{Inicio::ComandoCriaTipoPeca()};
    comandos << Inicio::ComandosTipoPeca(QStringLiteral("V")) << Inicio::ComandosTipoPeca(QStringLiteral("V"));
    EXPECT_EQ(tqtest::errorNumberOf([&] { Modulo::ExecutaComandosSQL(comandos, QString(), &db, &ws); }), 3022);
    EXPECT_FALSE(Modulo::TabelaExiste(db, QStringLiteral("TIPOPECA")));
    Modulo::FechaBanco(ws, db);
}

TEST_F(JanelaInicial, ClickStartsTheRunAndHandsOverToTheMainWindow)
{
    const QString pasta = CopiaCatalogo(QStringLiteral("A"));
    Modulo::WorkspacePtr ws;
    Modulo::DatabasePtr db;
    Modulo::gCaminhoDados = pasta;
    Modulo::AbreBancoDazadize(ws, QStringLiteral("w"), db, false);
    db->Execute(QStringLiteral("DROP TABLE TIPOPECA"));
    Modulo::FechaBanco(ws, db);

    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    f->show();
    QTest::mouseClick(f->imgEspanhol, Qt::LeftButton);
    frmTQ1* principal = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<frmTQ1*>(w))
            principal = p;
    ASSERT_NE(principal, nullptr);
    EXPECT_TRUE(caixas.shown.empty());
    EXPECT_EQ(Modulo::gIdioma, QStringLiteral("E"));
    EXPECT_EQ(principal->windowTitle(), Modulo::ObtemTexto(19, QStringLiteral("E")));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), Modulo::ObtemTexto(19, QStringLiteral("E")));
    EXPECT_TRUE(Modulo::TabelaExiste(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho));
    EXPECT_TRUE(Modulo::TabelaExiste(Modulo::gDbDazadize, QStringLiteral("TIPOPECA")));
    // Maximised start window: the main window opens maximised.
    EXPECT_TRUE(principal->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(inicial.isNull());
    EXPECT_TRUE(saidas.isEmpty());
}

TEST_F(JanelaInicial, MissingCatalogue)
{
    const QString pasta = CopiaCatalogo();
    QFile::remove(pasta + Modulo::NomeArquivoCatalogo());
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
    EsperaFalhaLimpa(pasta);
}

TEST_F(JanelaInicial, CatalogueThatIsNoDatabase)
{
    const QString pasta = CopiaCatalogo();
    tqtest::writeFile(pasta + Modulo::NomeArquivoCatalogo(), QByteArray(8192, 'x'));
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
    EsperaFalhaLimpa(pasta);
}

TEST_F(JanelaInicial, TruncatedCatalogue)
{
    const QString pasta = CopiaCatalogo();
    QFile arquivo(pasta + Modulo::NomeArquivoCatalogo());
    ASSERT_TRUE(arquivo.resize(arquivo.size() / 3));
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
    EsperaFalhaLimpa(pasta);
}

TEST_F(JanelaInicial, AFileThatIsNoCatalogueIsRefusedAndLeftAsItWas)
{
    // SQL run on a fresh file, or on a copy of the catalogue.
    const auto sqlite = [](const QString& arquivo, const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(arquivo.toUtf8().constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    };
    const struct {
        const char* nome;
        std::function<void(const QString&)> prepara;
    } casos[] = {
        {"an empty file", [](const QString& a) { tqtest::writeFile(a, QByteArray()); }},
        {"an empty database",
         [&](const QString& a) {
             QFile::remove(a);
             sqlite(a, "PRAGMA user_version = 1");
         }},
        {"a database of something else",
         [&](const QString& a) {
             QFile::remove(a);
             sqlite(a, "CREATE TABLE notas(texto TEXT); INSERT INTO notas VALUES('x')");
         }},
        {"a catalogue without its item tables",
         [&](const QString& a) { sqlite(a, "DROP TABLE TIPOPECA; DROP TABLE PECA_COMPONENTE; DROP TABLE PECA"); }},
        {"a truncated catalogue",
         [](const QString& a) {
             QFile f(a);
             ASSERT_TRUE(f.resize(f.size() / 3));
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.shown.clear();
        saidas.clear();
        const QString pasta = CopiaCatalogo();
        const QString arquivo = pasta + Modulo::NomeArquivoCatalogo();
        c.prepara(arquivo);
        const QByteArray antes = tqtest::readFile(arquivo);
        frmInicial* f = Abre(pasta);
        ASSERT_TRUE(f->Form_Load());
        EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
        EsperaFalhaLimpa(pasta);
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": 3049\r\n")))
            << qPrintable(caixas.last().text);
        EXPECT_EQ(QCryptographicHash::hash(tqtest::readFile(arquivo), QCryptographicHash::Sha256).toHex(),
                  QCryptographicHash::hash(antes, QCryptographicHash::Sha256).toHex());
        EXPECT_FALSE(QFileInfo::exists(arquivo + QStringLiteral("-journal")));
        delete inicial.data();
    }
}

TEST_F(JanelaInicial, TheDamagedCatalogueBoxSpeaksTheLanguageChosen)
{
    // The configuration holds another language than the one clicked: the
    // box speaks the one clicked, whether the catalogue check or the engine
    // finds the damage.
    const struct {
        const char* idioma;
        const char* configuracao;
        const char* texto;
    } idiomas[] = {
        {"P", "I|1||",
         "Não foi possível abrir o banco de dados '%1'. O arquivo pode estar danificado ou não ser um banco de "
         "dados do catálogo."},
        {"E", "P|1||",
         "No se puede abrir la base de datos '%1'. El archivo puede estar dañado o no ser una base de datos del "
         "catálogo."},
        {"I", "E|1||", "Cannot open database '%1'. The file may be damaged or not a catalogue database."},
    };
    const struct {
        const char* nome;
        std::function<void(const QString&)> prepara;
    } danos[] = {
        {"a database of something else",
         [](const QString& a) {
             QFile::remove(a);
             sqlite3* db = nullptr;
             ASSERT_EQ(sqlite3_open(a.toUtf8().constData(), &db), SQLITE_OK);
             EXPECT_EQ(sqlite3_exec(db, "CREATE TABLE notas(texto TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
             sqlite3_close(db);
         }},
        {"a truncated catalogue",
         [](const QString& a) {
             QFile f(a);
             ASSERT_TRUE(f.resize(f.size() / 3));
         }},
    };
    for (const auto& l : idiomas) {
        for (const auto& d : danos) {
            const QString idioma = QString::fromLatin1(l.idioma);
            SCOPED_TRACE(std::string(l.idioma) + ", " + d.nome);
            caixas.shown.clear();
            saidas.clear();
            QDir(Modulo::ObtemPastaUsuario(true)).remove(Modulo::NomeArquivoConfiguracao());
            tqtest::writeFile(Modulo::ObtemPastaUsuario(true) + Modulo::NomeArquivoConfiguracao(), l.configuracao);
            const QString pasta = CopiaCatalogo();
            const QString arquivo = pasta + Modulo::NomeArquivoCatalogo();
            d.prepara(arquivo);
            frmInicial* f = Abre(pasta);
            ASSERT_TRUE(f->Form_Load());
            EXPECT_EQ(f->IniciaDazadize(idioma), nullptr);
            ASSERT_EQ(caixas.shown.size(), 1u);
            EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(21, idioma) + QStringLiteral(": 3049\r\n") +
                                              QString::fromUtf8(l.texto).arg(arquivo));
            EXPECT_EQ(caixas.last().title, Modulo::ObtemTexto(19, idioma));
            EXPECT_EQ(saidas, QList<int>{1});
            delete inicial.data();
        }
    }
}

TEST_F(JanelaInicial, EveryStartUpFailureOfTheCatalogueFileSpeaksTheLanguageChosen)
{
    // The file's other faults after each language is clicked: the whole box
    // is in that language, with the number the engine gives.
    const struct {
        const char* nome;
        long numero;
        std::function<void(const QString&)> prepara;
        const char* p;
        const char* e;
        const char* i;
    } falhas[] = {
        {"random bytes (an interrupted copy)", platform::dao::JetError::NotADatabase,
         [](const QString& a) {
             QByteArray lixo(64 * 1024, Qt::Uninitialized);
             quint32 x = 2463534242u;
             for (char& c : lixo) {
                 x ^= x << 13, x ^= x >> 17, x ^= x << 5;
                 c = char(x);
             }
             tqtest::writeFile(a, lixo);
         },
         "Formato de banco de dados não reconhecido '%1'.", "Formato de base de datos no reconocido '%1'.",
         "Unrecognized database format '%1'."},
        {"no catalogue file", platform::dao::JetError::FileNotFound, [](const QString& a) { QFile::remove(a); },
         "Não foi possível encontrar o arquivo '%1'.", "No se encuentra el archivo '%1'.", "Could not find file '%1'."},
        {"a folder in its place", platform::dao::JetError::CannotOpen,
         [](const QString& a) {
             QFile::remove(a);
             QDir().mkdir(a);
         },
         "'%1' é uma pasta, não um arquivo de banco de dados.", "'%1' es una carpeta, no un archivo de base de datos.",
         "'%1' is a folder, not a database file."},
    };
    for (const char* idioma : {"P", "E", "I"}) {
        for (const auto& f : falhas) {
            SCOPED_TRACE(std::string(idioma) + ", " + f.nome);
            caixas.shown.clear();
            saidas.clear();
            const QString pasta = CopiaCatalogo();
            const QString arquivo = pasta + Modulo::NomeArquivoCatalogo();
            QDir(arquivo).removeRecursively();
            f.prepara(arquivo);
            frmInicial* janela = Abre(pasta);
            ASSERT_TRUE(janela->Form_Load());
            EXPECT_EQ(janela->IniciaDazadize(QString::fromLatin1(idioma)), nullptr);
            ASSERT_EQ(caixas.shown.size(), 1u);
            const char* texto = *idioma == 'P' ? f.p : *idioma == 'E' ? f.e : f.i;
            EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(21, QString::fromLatin1(idioma)) +
                                              QStringLiteral(": %1\r\n").arg(f.numero) +
                                              QString::fromUtf8(texto).arg(arquivo));
            EXPECT_EQ(saidas, QList<int>{1});
            delete inicial.data();
            QDir(arquivo).removeRecursively();
        }
    }
}

TEST_F(JanelaInicial, CatalogueLockedByAnotherProgram)
{
    const QString pasta = CopiaCatalogo();
    sqlite3* outro = nullptr;
    ASSERT_EQ(sqlite3_open(QString(pasta + Modulo::NomeArquivoCatalogo()).toUtf8().constData(), &outro), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(outro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
    sqlite3_exec(outro, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(outro);
    EsperaFalhaLimpa(pasta);
}

TEST_F(JanelaInicial, NoCartTableInADamagedAuxiliaryDatabaseAndNothingWrittenToTheCatalogue)
{
    const QString pasta = CopiaCatalogo();
    Modulo::gCaminhoDados = pasta;
    {
        Modulo::WorkspacePtr ws;
        Modulo::DatabasePtr db;
        Modulo::AbreBancoDazadize(ws, QStringLiteral("w"), db, false);
        db->Execute(QStringLiteral("DROP TABLE TIPOPECA"));
        Modulo::FechaBanco(ws, db);
    }
    tqtest::writeFile(pasta + QStringLiteral("DAZADIZEAUX.MDB"), QByteArray(4096, 'y'));
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
    EsperaFalhaLimpa(pasta);
    Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
    EXPECT_FALSE(Modulo::TabelaExiste(Modulo::gDbDazadize, QStringLiteral("TIPOPECA")));
}

TEST_F(JanelaInicial, MainWindowFailingToLoadDropsTheCartTableItMade)
{
    // A version record without its issue date: the main window cannot show
    // it and the run ends before anything is left open.
    const QString pasta = CopiaCatalogo();
    Modulo::gCaminhoDados = pasta;
    Modulo::WorkspacePtr ws;
    Modulo::DatabasePtr db;
    Modulo::AbreBancoDazadize(ws, QStringLiteral("w"), db, false);
    db->Execute(QStringLiteral("ALTER TABLE UMREGISTRO DROP COLUMN DataEmissao"));
    Modulo::FechaBanco(ws, db);
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
    EsperaFalhaLimpa(pasta);
}

TEST_F(JanelaInicial, ReadOnlyDataFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    const QString pasta = CopiaCatalogo();
    QFile::setPermissions(pasta, QFile::ReadOwner | QFile::ExeOwner);
    for (const QString& nome : QDir(pasta).entryList(QDir::Files))
        QFile::setPermissions(pasta + nome, QFile::ReadOwner);
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->IniciaDazadize(QStringLiteral("P")), nullptr);
    QFile::setPermissions(pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EsperaFalhaLimpa(pasta);
}

TEST_F(JanelaInicial, EndToEndWithTheMouse)
{
    const QString pasta = CopiaCatalogo();
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    f->show();
    QTest::mouseMove(f->imgPortugues, QPoint(3, 3));
    EXPECT_FALSE(f->imgPortuguesSelecionada->isHidden());
    QTest::mouseClick(f->imgPortugues, Qt::LeftButton);
    QPointer<frmTQ1> p;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* j = qobject_cast<frmTQ1*>(w))
            p = j;
    ASSERT_TRUE(p);
    const QString carrinho = Modulo::gTabelaCarrinho;
    ASSERT_FALSE(carrinho.isEmpty());
    // Qt's own dialogs speak the language chosen.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Salvar como"));
    platform::installQtTranslations(QStringLiteral("I"));

    // The start screen.
    EXPECT_EQ(p->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_TRUE(p->pctTela[0]->isVisible());
    EXPECT_FALSE(p->imgPesquisa0->Picture().isNull());
    // The presentation from the toolbar: Forward, Forward, Back, Home.
    QTest::mouseClick(p->imgApresentacao, Qt::LeftButton);
    EXPECT_TRUE(p->pctTela[6]->isVisible());
    QTest::mouseClick(p->imgAvancar, Qt::LeftButton);
    QTest::mouseClick(p->imgAvancar, Qt::LeftButton);
    EXPECT_EQ(p->mHistoricoTelas, QStringLiteral("0666"));
    EXPECT_FALSE(p->imgAvancar->isVisible());
    QTest::mouseClick(p->imgVoltar, Qt::LeftButton);
    EXPECT_EQ(p->pctTela[6]->Tag(), QStringLiteral("2"));
    QTest::mouseClick(p->imgInicio, Qt::LeftButton);
    EXPECT_EQ(p->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_FALSE(p->pctTela[6]->isVisible());
    EXPECT_TRUE(p->pctTela[0]->isVisible());
    // The pump tables and back.
    QTest::mouseClick(p->imgBombas, Qt::LeftButton);
    EXPECT_TRUE(p->pctTela[7]->isVisible());
    EXPECT_FALSE(p->pctTela[7]->Picture().isNull());
    QTest::mouseClick(p->imgVoltar, Qt::LeftButton);
    EXPECT_EQ(p->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_FALSE(p->pctTela[7]->isVisible());
    EXPECT_EQ(Modulo::PonteiroTela(), Modulo::vbDefault);

    // Exit: the cart table goes, the closing window comes.
    QTest::mouseClick(p->imgSair, Qt::LeftButton);
    EXPECT_EQ(creditos, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(p.isNull());
    Modulo::WorkspacePtr ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("t"));
    Modulo::DatabasePtr db = ws->OpenDatabase(pasta + Modulo::NomeArquivoAuxiliar());
    EXPECT_FALSE(Modulo::TabelaExiste(db, carrinho));
    Modulo::FechaBanco(ws, db);
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(JanelaInicial, ClicksWhileTheStartUpRunsAreIgnored)
{
    // Two more clicks on a language reach the start window while the first
    // start-up lets events run (the detail window's activation): one main
    // window, one cart table, and none left after Exit.
    const QString pasta = CopiaCatalogo();
    frmInicial* f = Abre(pasta);
    ASSERT_TRUE(f->Form_Load());
    f->show();
    QPointer<frmInicial> janelaInicial = f;
    int pedidosDetalhe = 0;
    GravaPedidosDetalhe(true);
    aoPedir = [&] {
        if (pedidosDetalhe++ > 0 || !janelaInicial)
            return;
        QTest::mouseClick(janelaInicial->imgPortugues, Qt::LeftButton);
        QTest::mouseClick(janelaInicial->imgIngles, Qt::LeftButton);
    };
    QTest::mouseClick(f->imgPortugues, Qt::LeftButton);

    QList<QPointer<frmTQ1>> principais;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<frmTQ1*>(w))
            principais << p;
    ASSERT_EQ(principais.size(), 1);
    EXPECT_EQ(pedidosDetalhe, 1);
    EXPECT_EQ(Modulo::gIdioma, QStringLiteral("P"));
    EXPECT_EQ(TabelasCarrinho(pasta), m_listasAntes + 1);
    EXPECT_TRUE(saidas.isEmpty());

    QTest::mouseClick(principais[0]->imgSair, Qt::LeftButton);
    EXPECT_EQ(creditos, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(principais[0].isNull());
    EXPECT_EQ(TabelasCarrinho(pasta), m_listasAntes);
    EXPECT_TRUE(caixas.shown.empty());
}
