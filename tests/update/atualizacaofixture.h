#pragma once
// What the update-run and update-check tests share: a small catalogue, an
// update tree on disk, the state of a folder and of a catalogue to compare
// before and after, and a recording progress view.

#include "update/progressoatualizacao.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

namespace tqupd {

// A small catalogue database in `pasta`: UMREGISTRO with one row (the update
// address, the version, an issue date), CONTROLETRAN with one row and NOTA
// (Codigo LONG, Texto MEMO) with the rows 1 "um" and 2 "dois".
void CriaCatalogo(const QString& pasta, const QString& url, int versao);

// Sets the shared module's globals for a data folder (edition V, language P),
// points the per-user folder at `pastaUsuario` and opens the catalogue
// read-only as the program does; FechaGlobais closes it again.
void AbreGlobais(const QString& pastaDados, const QString& pastaUsuario);
void FechaGlobais();

// Writes a file, creating its folders.
void Escreve(const QString& caminho, const QByteArray& conteudo);

// Every file and folder below `pasta`: relative path -> "d" for a folder,
// else the SHA-256 of the content and the mode bits.
QMap<QString, QString> EstadoPasta(const QString& pasta);

// The catalogue as SQLite's own shell dumps it (the oracle of "unchanged").
QString DumpBanco(const QString& arquivo);
// One value of a query through SQLite's shell ("" on failure).
QString ConsultaBanco(const QString& arquivo, const QString& sql);

// A program of this system (an ELF file) to stand for delivered programs.
QString ProgramaDoSistema();

// Whether the tests run as root (folder permissions do not hold then).
bool SouRoot();

// Records every call of the run, as text:
//   "prepara 4", "inicia 1", "barra 1 50.00 % 291", "conclui 1"
class VisaoGravada : public Atualizacao::VisaoProgresso {
public:
    void Prepara(const QStringList& titulos) override;
    void IniciaPasso(int passo) override;
    void AtualizarProgressBar(int passo, qint64 total, qint64 feito) override;
    void ConcluiPasso(int passo) override;
    // The redraws of one row, as percentage texts.
    QStringList Barras(int passo) const;

    QStringList chamadas;
    QStringList titulos;
};

}  // namespace tqupd

// ---------------------------------------------------------------------------
// A data folder, a program folder and an update tree for one test, with the
// shared module set up for them.

#include "rig.h"
#include "support/fakemessagebox.h"
#include "support/testutil.h"
#include "update/execucaoatualizacao.h"

#include "platform/desktop/proxycredentials.h"

#include <gtest/gtest.h>

namespace tqupd {

class DialogoProxy : public platform::ProxyCredentialsDialog {
public:
    bool Ask(const QString&, QString& user, QString& password) override
    {
        ++perguntas;
        user = usuario;
        password = senha;
        return repetir;
    }
    bool repetir = false;
    QString usuario, senha;
    int perguntas = 0;
};

class TesteAtualizacao : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The catalogue (version `versao`) with the update address of `servidor`
    // ("host:port") and the path "tq".
    void Catalogo(const QString& servidor, int versao = 37);
    // A file of the update tree, below "tq/V/" ("\" as "/").
    void NoServidor(const QString& nome, const QByteArray& conteudo);
    // Serves the update tree with nginx, or with the scripted server whose
    // routes are the tree's files with some replaced by `trocas` (path below
    // "tq/V/" -> reply); both set the catalogue's address.
    bool ServeNginx(int versao = 37);
    bool ServeRoteiro(const QMap<QString, QJsonObject>& trocas = {}, int versao = 37);
    // Runs the update from `atual` to `nova`; true after text 73.
    bool Roda(int atual = 37, int nova = 39);

    QString Catalogo() const;
    // The paths the scripted server was asked for, below "/tq/V/".
    QStringList Pedidos() const;
    // The number of the error box shown, 0 when none.
    long NumeroErro() const;

    tqtest::TempDir raiz;
    QString dados, programa, usuario, arvore;
    tqrig::Nginx web;
    tqrig::ScriptedServer roteiro;
    tqtest::FakeMessageBoxes caixas;
    DialogoProxy dialogo;
    VisaoGravada visao;
    Atualizacao::OpcoesAtualizacao opcoes;
    std::unique_ptr<Atualizacao::ExecucaoAtualizacao> execucao;
};

}  // namespace tqupd

#define TQ_SERVE(chamada)                                                                                   \
    do {                                                                                                    \
        if (!(chamada))                                                                                     \
            GTEST_SKIP() << (web.reason() + roteiro.reason()).toStdString();                                \
    } while (0)
