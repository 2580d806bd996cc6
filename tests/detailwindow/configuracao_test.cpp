// The configuration screen: what OK writes to the per-user file (in a
// temporary folder), what Esc and Back leave alone, and the failures.

#include "detalhefixture.h"

#include "core/config.h"
#include "core/texts.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <sys/stat.h>

using tqtest::DetalheFixture;

class ConfiguracaoTest : public DetalheFixture {
protected:
    QString Arquivo() const { return Modulo::ObtemPastaUsuario(true) + Modulo::NomeArquivoConfiguracao(); }
    QStringList Campos() const
    {
        return QString::fromLatin1(tqtest::readFile(Arquivo())).split(QLatin1Char('|'));
    }
    std::pair<QString, QString> Credenciais() const
    {
        QString u, s;
        Modulo::LeConfiguracao(QStringLiteral("USUARIO_SENHA"), u, s);
        return {u, s};
    }
};

TEST_F(ConfiguracaoTest, OkSavesTheTrimmedUserTheRawPasswordAndTheFlag)
{
    ASSERT_TRUE(Modulo::GravaConfiguracao(QStringLiteral("E"), QStringLiteral("1"), QStringLiteral("antigo"),
                                          QStringLiteral("velha"), true));
    Modulo::gIdioma = QStringLiteral("I");  // the run's language is not the file's
    Modulo::gVerificacaoAutomatica = true;
    frmTQ2& j = Abre(QStringLiteral("8"));
    ASSERT_EQ(j.mHistoricoTelas, QStringLiteral("8"));
    EXPECT_TRUE(j.chkVerificarAtualizacoesAuto->isChecked());
    EXPECT_EQ(j.txtUsuario->text(), QStringLiteral("antigo"));
    EXPECT_EQ(j.txtSenha->text(), QStringLiteral("velha"));
    EXPECT_EQ(j.txtSenha->echoMode(), QLineEdit::Password);
    EXPECT_EQ(j.txtUsuario->maxLength(), 50);
    EXPECT_EQ(j.chkVerificarAtualizacoesAuto->text(), Modulo::ObtemTexto(81).toUpper());
    EXPECT_EQ(j.lblAutenticacaoProxy->text(), QStringLiteral("  ") + Modulo::ObtemTexto(104).toUpper() + QStringLiteral("  "));
    EXPECT_EQ(j.lblUsuario->text(), Modulo::ObtemTexto(82).toUpper());

    j.chkVerificarAtualizacoesAuto->setChecked(false);
    j.txtUsuario->setText(QStringLiteral("  maria  "));
    j.txtSenha->setText(QStringLiteral(" s3 cr3t "));
    Q_EMIT j.imgAvancar->clicado(1);
    EXPECT_TRUE(j.Descarregada());
    EXPECT_FALSE(Modulo::gVerificacaoAutomatica);
    const QStringList campos = Campos();
    ASSERT_EQ(campos.size(), 4);
    EXPECT_EQ(campos[0], QStringLiteral("E"));
    EXPECT_EQ(campos[1], QStringLiteral("0"));
    EXPECT_EQ(Credenciais(), std::make_pair(QStringLiteral("maria"), QStringLiteral(" s3 cr3t ")));
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(Arquivo()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ConfiguracaoTest, EmptyCredentialsAreSavedAndShownEmpty)
{
    ASSERT_TRUE(Modulo::GravaConfiguracao(QString(), QString(), QStringLiteral("u"), QStringLiteral("p"), true));
    frmTQ2& j = Abre(QStringLiteral("8"));
    j.txtUsuario->clear();
    j.txtSenha->clear();
    j.chkVerificarAtualizacoesAuto->setChecked(true);
    Q_EMIT j.imgAvancar->clicado(1);
    EXPECT_EQ(Credenciais(), std::make_pair(QString(), QString()));
    EXPECT_EQ(Campos().value(1), QStringLiteral("1"));
    EXPECT_TRUE(Modulo::gVerificacaoAutomatica);
    frmTQ2& de_novo = Abre(QStringLiteral("8"));
    EXPECT_TRUE(de_novo.txtUsuario->text().isEmpty());
    EXPECT_TRUE(de_novo.txtSenha->text().isEmpty());
}

TEST_F(ConfiguracaoTest, EscAndBackWriteNothing)
{
    ASSERT_TRUE(Modulo::GravaConfiguracao(QStringLiteral("P"), QStringLiteral("1"), QStringLiteral("u"),
                                          QStringLiteral("p"), true));
    const QByteArray antes = tqtest::readFile(Arquivo());
    Modulo::gVerificacaoAutomatica = true;
    {
        frmTQ2& j = AbreVisivel(QStringLiteral("8"));
        j.chkVerificarAtualizacoesAuto->setChecked(false);
        j.txtUsuario->setText(QStringLiteral("outro"));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(j.Descarregada());
    }
    {
        frmTQ2& j = Abre(QStringLiteral("8"));
        j.txtSenha->setText(QStringLiteral("outra"));
        Q_EMIT j.imgVoltar->clicado(1);
        EXPECT_TRUE(j.Descarregada());
    }
    EXPECT_EQ(tqtest::readFile(Arquivo()), antes);
    EXPECT_TRUE(Modulo::gVerificacaoAutomatica);
}

TEST_F(ConfiguracaoTest, AFailedWriteKeepsTheWindowAndTheFlag)
{
    ASSERT_TRUE(Modulo::GravaConfiguracao(QStringLiteral("P"), QStringLiteral("1"), QString(), QString(), true));
    const QByteArray antes = tqtest::readFile(Arquivo());
    Modulo::gVerificacaoAutomatica = true;

    // A user name the file's code page cannot hold.
    frmTQ2& j = Abre(QStringLiteral("8"));
    j.chkVerificarAtualizacoesAuto->setChecked(false);
    j.txtUsuario->setText(QStringLiteral("用户"));
    Q_EMIT j.imgAvancar->clicado(1);
    ASSERT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_FALSE(j.Descarregada());
    EXPECT_TRUE(Modulo::gVerificacaoAutomatica);
    EXPECT_EQ(tqtest::readFile(Arquivo()), antes);

    // A file that can no longer be read or replaced.
    j.txtUsuario->setText(QStringLiteral("ana"));
    QFile::remove(Arquivo());
    ASSERT_TRUE(QDir().mkdir(Arquivo()));
    Q_EMIT j.imgAvancar->clicado(1);
    ASSERT_EQ(m_caixas.shown.size(), 2u);
    EXPECT_TRUE(m_caixas.last().text.contains(QStringLiteral("75")));
    EXPECT_FALSE(j.Descarregada());
    EXPECT_TRUE(Modulo::gVerificacaoAutomatica);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ConfiguracaoTest, AnUnreadableFileShowsTheErrorAndWritesNothing)
{
    ASSERT_TRUE(QDir().mkpath(Arquivo()));  // a folder where the file should be
    frmTQ2& j = Abre(QStringLiteral("8"));
    EXPECT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_TRUE(j.Descarregada());  // the screen never came up
    EXPECT_TRUE(QFileInfo(Arquivo()).isDir());
}

TEST_F(ConfiguracaoTest, ItsFailureBoxesAreInTheRunsLanguage)
{
    struct Case {
        const char* idioma;
        const char* caracteres;  // a user name the file's code page cannot hold
        const char* gravacao;    // a file that cannot be written
    };
    const Case cases[] = {
        {"P", "O texto tem caracteres que não podem ser gravados", "Não foi possível gravar o arquivo de configuração"},
        {"E", "El texto tiene caracteres que no se pueden guardar", "No se pudo guardar el archivo de configuración"},
        {"I", "The text holds characters that cannot be stored", "The configuration file \""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        QFile::remove(Arquivo());
        QDir().rmdir(Arquivo());
        ASSERT_TRUE(Modulo::GravaConfiguracao(QStringLiteral("P"), QStringLiteral("1"), QString(), QString(), true));
        Modulo::gIdioma = QString::fromLatin1(c.idioma);
        m_caixas.shown.clear();
        frmTQ2& j = Abre(QStringLiteral("8"));
        j.txtUsuario->setText(QStringLiteral("用户"));
        Q_EMIT j.imgAvancar->clicado(1);
        j.txtUsuario->setText(QStringLiteral("ana"));
        QFile::remove(Arquivo());
        ASSERT_TRUE(QDir().mkdir(Arquivo()));
        Q_EMIT j.imgAvancar->clicado(1);
        ASSERT_EQ(m_caixas.shown.size(), 2u);
        EXPECT_TRUE(m_caixas.shown[0].text.contains(QString::fromUtf8(c.caracteres))) << m_caixas.shown[0].text.toStdString();
        EXPECT_TRUE(m_caixas.shown[1].text.contains(QString::fromUtf8(c.gravacao))) << m_caixas.shown[1].text.toStdString();
    }
}
