// detaildemo - the detail window on the demo catalogue.
//
//   detaildemo [--edition E] [--language L] [--data DIR] [--screenshot FILE]
//              [--dump] [--do STEP]... [REQUEST]
//
// Opens frmTQ2 on REQUEST (a request text such as "2|1") over the demo
// catalogue of edition E in language L (V and P by default); without a
// request, a picker of example requests.  DIR defaults to the build's
// demo-E folder, written by the demo generator when it holds no catalogue.
// The steps (passos.h) run after the window's first activation; --dump
// records message boxes and the file opener instead of showing them and
// prints what the window shows; --screenshot saves the window as a PNG.
// Without --dump and --screenshot the window stays open for the user.
// The configuration screen reads and writes a configuration file in a
// temporary folder, never the user's own.

#include "demorotinas.h"
#include "passos.h"
#include "seletor.h"

#include "core/config.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/runtables.h"
#include "detailwindow/frmTQ2.h"
#include "platform/base/error.h"
#include "tools/demo/demo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <iostream>
#include <memory>

namespace {

struct Opcoes {
    QString edicao = QStringLiteral("V");
    QString idioma = QStringLiteral("P");
    QString pasta;
    QString imagem;
    bool despejo = false;
    QStringList passos;
    QString pedido;
};

[[noreturn]] void Uso(const QString& erro)
{
    std::cerr << erro.toStdString() << "\n"
              << "usage: detaildemo [--edition E] [--language L] [--data DIR] [--screenshot FILE] [--dump] "
                 "[--do STEP]... [REQUEST]\n";
    std::exit(2);
}

Opcoes LeOpcoes(const QStringList& args)
{
    Opcoes o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto valor = [&]() -> QString {
            if (i + 1 >= args.size())
                Uso(QStringLiteral("missing value after ") + a);
            return args[++i];
        };
        if (a == QLatin1String("--edition"))
            o.edicao = valor().toUpper();
        else if (a == QLatin1String("--language"))
            o.idioma = valor().toUpper();
        else if (a == QLatin1String("--data"))
            o.pasta = valor();
        else if (a == QLatin1String("--screenshot"))
            o.imagem = valor();
        else if (a == QLatin1String("--dump"))
            o.despejo = true;
        else if (a == QLatin1String("--do"))
            o.passos << valor();
        else if (a.startsWith(QLatin1String("--")))
            Uso(QStringLiteral("unknown option ") + a);
        else
            o.pedido = a;
    }
    if (!QStringLiteral("VADM").contains(o.edicao) || o.edicao.size() != 1)
        Uso(QStringLiteral("edition must be V, A, D or M"));
    if (!QStringLiteral("PEI").contains(o.idioma) || o.idioma.size() != 1)
        Uso(QStringLiteral("language must be P, E or I"));
    return o;
}

// The summary of a generator-made folder: the generator writes the same rows
// again, without files, into a temporary folder.
demo::Summary Resumo(const QString& pasta, const QString& edicao)
{
    QSettings marcador(pasta + QStringLiteral("/.tqdemo"), QSettings::IniFormat);
    QTemporaryDir tmp;
    demo::Options o = demo::Options::Fixture(edicao, tmp.path() + QStringLiteral("/d"));
    o.scale = marcador.value(QStringLiteral("scale"), 1.0).toDouble();
    o.seed = marcador.value(QStringLiteral("seed"), 1).toUInt();
    return demo::GenerateDataFolder(o);
}

int Executa(QApplication& app, const Opcoes& o)
{
    QString pasta = o.pasta;
    if (pasta.isEmpty())
        pasta = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../demo-") + o.edicao);
    pasta = QDir(pasta).absolutePath();
    const QString catalogo = pasta + QLatin1Char('/') + demo::CatalogueFileName(o.edicao);
    if (!QFileInfo::exists(catalogo)) {
        demo::Options g;
        g.edition = o.edicao;
        g.outDir = pasta;
        demo::GenerateDataFolder(g);
    }

    Modulo::gEdicao = o.edicao;
    Modulo::gIdioma = o.idioma;
    Modulo::gCaminhoDados = pasta + QLatin1Char('/');
    Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(catalogo, false, true);
    Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
    EncheCarrinhoDemo();
    QTemporaryDir configuracao;
    Modulo::DefinePastaUsuario(configuracao.path());

    frmTQ2::Registra();
    RegistraRotinasDemo();

    int resultado = 0;
    if (o.pedido.isEmpty() && o.passos.isEmpty() && !o.despejo && o.imagem.isEmpty()) {
        ExecutaSeletor(ExemplosSolicitacao(Resumo(pasta, o.edicao)));
    } else {
        std::unique_ptr<GravadorDemo> gravador;
        if (o.despejo)
            gravador = std::make_unique<GravadorDemo>();
        Modulo::gParametro = o.pedido;
        frmTQ2 janela;
        janela.Form_Load();
        if (janela.Exibivel()) {
            janela.show();
            janela.activateWindow();
            janela.raise();
        }
        janela.Form_Activate();
        QApplication::processEvents();
        for (const QString& passo : o.passos)
            if (!ExecutaPasso(janela, passo)) {
                std::cerr << "unknown step: " << passo.toStdString() << "\n";
                resultado = 2;
            }
        if (!o.imagem.isEmpty()) {
            QApplication::processEvents();
            if (janela.Descarregada() || !janela.grab().save(o.imagem)) {
                std::cerr << "no screenshot: the window is closed or the file cannot be written\n";
                resultado = 1;
            }
        }
        if (o.despejo) {
            QTextStream saida(stdout);
            Despeja(janela, gravador.get(), saida);
        }
        if (!o.despejo && o.imagem.isEmpty() && !janela.Descarregada()) {
            QObject::connect(&janela, &frmTQ2::descarregada, &app, &QApplication::quit);
            app.exec();
        }
    }

    Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
    Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    return resultado;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const Opcoes o = LeOpcoes(app.arguments());
    try {
        return Executa(app, o);
    } catch (const platform::Error& e) {
        std::cerr << "detaildemo: error " << e.number() << ": " << e.description().toStdString() << "\n";
        return 1;
    }
}
