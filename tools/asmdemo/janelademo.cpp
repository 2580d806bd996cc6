#include "janelademo.h"

#include "assembly/janela/registra.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/janelas.h"
#include "core/runtables.h"
#include "core/texts.h"

#include <QDir>
#include <QLabel>

namespace asmdemo {

void AbreDados(const QString& pasta, const QString& edicao, const QString& idioma, const QString& pastaAuxiliar)
{
    QDir dir(pasta);
    const QStringList arquivos = dir.entryList({QStringLiteral("DAZADIZETQ_?.MDB")}, QDir::Files);
    if (arquivos.isEmpty())
        throw platform::Error(platform::errors::FileNotFound,
                              QStringLiteral("No catalogue (DAZADIZETQ_?.MDB) in \"%1\".").arg(pasta), QStringLiteral("asmdemo"));
    Modulo::gCaminhoDados = QDir::cleanPath(dir.absolutePath()) + QLatin1Char('/');
    Modulo::gEdicao = edicao.isEmpty() ? Modulo::LetraEdicaoDoArquivo(arquivos.front()) : edicao;
    Modulo::gIdioma = idioma.isEmpty() ? QStringLiteral("P") : idioma;
    Modulo::gParametro.clear();
    Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(Modulo::gCaminhoDados + arquivos.front(), false, true);
    if (pastaAuxiliar.isEmpty()) {
        Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    } else {
        const QString aux = QDir(pastaAuxiliar).filePath(QStringLiteral("DAZADIZEAUX.MDB"));
        if (!QFileInfo::exists(aux))
            platform::dao::DBEngine::CreateDatabase(aux)->Close();
        Modulo::gWsAuxiliar = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("DbTqAux"));
        Modulo::gDbAuxiliar = Modulo::gWsAuxiliar->OpenDatabase(aux);
    }
    Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
}

void FechaDados()
{
    if (Modulo::gDbAuxiliar && !Modulo::gTabelaCarrinho.isEmpty())
        Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
    Modulo::gTabelaCarrinho.clear();
    Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    Modulo::gParametro.clear();
}

namespace {

QLabel* Marcador(QWidget* tela, const QString& texto)
{
    auto* l = new QLabel(texto, tela);
    l->setGeometry(30, 120, 600, 20);
    l->setFont(Modulo::FonteJanela(13));
    return l;
}

}  // namespace

JanelaDemo::JanelaDemo(const std::function<void(RegistroTQ1&)>& antes)
    : m_registro(std::make_unique<RegistroTQ1::Temporario>())
{
    if (antes)
        antes(RegistroTQ1::Global());
    Conjunto::Registra();
    RegistroTQ1& r = RegistroTQ1::Global();
    // The parts list: Back to it leaves the assembly, as the parts list's
    // own screen does.
    r.MostraListaPecas = [this](frmTQ1& f, quint8 origem, const QString&, long) {
        chamadas << QStringLiteral("MostraListaPecas(%1)").arg(origem);
        if (origem == 4 || origem == 5 || origem == 8)
            f.FechaConjunto();
        f.pctTela[3]->show();
        f.AjustaBotoesNavegacao(3);
    };
    r.EscondeListaPecas = [this](frmTQ1& f) {
        chamadas << QStringLiteral("EscondeListaPecas");
        f.AjustaBotoesNavegacao(200);
        f.pctTela[3]->hide();
    };
    // The comparison list: its panel, entered from the figure.
    r.MostraComparacao = [this](frmTQ1& f, quint8 origem) {
        chamadas << QStringLiteral("MostraComparacao(%1)").arg(origem);
        if (origem == 4) {
            f.mHistoricoTelas.back() = QLatin1Char('8');
            f.EscondeFigura();
        }
        f.pctTela[8]->show();
        f.AjustaBotoesNavegacao(8);
    };
    r.EscondeComparacao = [this](frmTQ1& f) {
        chamadas << QStringLiteral("EscondeComparacao");
        f.AjustaBotoesNavegacao(200);
        f.pctTela[8]->hide();
    };
    r.MostraSugestaoFigura = [this](frmTQ1&, int indice, int left) { sugestoes << QStringLiteral("figura %1 %2").arg(indice).arg(left); };
    r.MostraSugestaoMenu = [this](frmTQ1&) { sugestoes << QStringLiteral("menu"); };
    r.MostraSugestaoGrid = [this](frmTQ1&) { sugestoes << QStringLiteral("tabela"); };
    r.EfeitoCarrinho = [this](frmTQ1&, bool so) { chamadas << QStringLiteral("EfeitoCarrinho(%1)").arg(so); };
    Modulo::RegistraJanelaDetalhe([this] {
        requisicoes << Modulo::gParametro;
        Modulo::gParametro.clear();
        Modulo::DefinePonteiroTela(Modulo::vbDefault);
    });

    // Loaded as the start window loads it, handed the start window's
    // rectangle of an 800 x 600 client area (twips).
    Modulo::gParametro = QStringLiteral("0;0;%1;%2").arg(800 * 15).arg((600 + Modulo::AlturaLegenda()) * 15);
    m_janela = new frmTQ1;
    m_janela->Form_Load();
    for (platform::dao::DataControl* d : {m_janela->dtcTHGrid1, m_janela->dtcTHCombo1, m_janela->dtcTHCombo2})
        d->SetDatabase(Modulo::gDbDazadize);
    Marcador(m_janela->pctTela[3], QStringLiteral("(parts list: not part of this viewer)"));
    Marcador(m_janela->pctTela[8], QStringLiteral("(comparison list: not part of this viewer)"));
    m_janela->show();
}

JanelaDemo::~JanelaDemo()
{
    delete m_janela.data();
    Modulo::RegistraJanelaDetalhe({});
    m_registro.reset();
}

void JanelaDemo::AbreConjunto(long codigoPeca, const QString& solicitacao, long comparacao)
{
    frmTQ1& f = *m_janela;
    if (!f.mHistoricoTelas.endsWith(QLatin1Char('3'))) {
        f.EscondeInicio();
        f.mHistoricoTelas = QStringLiteral("013");
    }
    f.mCodigoPeca = codigoPeca;
    f.mCodigoPecaComparacao = comparacao;
    f.mFiguraCarregada = false;
    f.mTabelaCarregada = false;
    Modulo::gParametro = solicitacao;
    f.MostraFigura(3);
}

QStringList JanelaDemo::Carrinho() const
{
    QStringList linhas;
    auto rs = Modulo::gDbAuxiliar->OpenRecordset(QStringLiteral("SELECT Tipo, Codigo, Quantidade, Opcional FROM ") +
                                                     Modulo::gTabelaCarrinho + QStringLiteral(" ORDER BY Tipo, Codigo"),
                                                 platform::dao::dbOpenSnapshot);
    for (; !rs->EOF_(); rs->MoveNext())
        linhas << QStringLiteral("%1|%2|%3|%4")
                      .arg(rs->Fields(QStringLiteral("Tipo")).Text(), rs->Fields(QStringLiteral("Codigo")).Text(),
                           rs->Fields(QStringLiteral("Quantidade")).Text(),
                           rs->Fields(QStringLiteral("Opcional")).Text() == QLatin1String(" ") ? QStringLiteral("op") : QString());
    rs->Close();
    return linhas;
}

}  // namespace asmdemo
