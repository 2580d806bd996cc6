#include "mainwindow/frmInicial.h"

#include "core/config.h"
#include "core/database.h"
#include "core/datapath.h"
#include "core/errorbox.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/runtables.h"
#include "core/texts.h"
#include "mainwindow/frmTQ1.h"
#include "mainwindow/inicio.h"
#include "platform/base/doevents.h"
#include "platform/base/error.h"
#include "platform/base/language.h"
#include "platform/desktop/color.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/qttranslations.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QScreen>
#include <QTimer>

namespace {

QString& pastaPrograma()
{
    static QString pasta;
    return pasta;
}

std::function<void(int)>& encerraPrograma()
{
    static std::function<void(int)> f;
    return f;
}

QPixmap desenhoInicial(const QString& nome) { return QPixmap(QStringLiteral(":/tq/G/") + nome); }

}  // namespace

void frmInicial::setPastaPrograma(const QString& pasta) { pastaPrograma() = pasta; }
void frmInicial::setEncerraPrograma(std::function<void(int)> encerra) { encerraPrograma() = std::move(encerra); }

frmInicial::frmInicial(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmInicial"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::colorFromBgr(0xFFFFFF));
    setPalette(pal);

    pctTela = new CaixaImagem(this, QStringLiteral("pctTela"));
    pctTela->SetBackColor(0xFFFFFF);
    connect(pctTela, &CaixaImagem::MouseMove, this, [this] { DestacaControle(QStringLiteral("FORM")); });

    // The lit choices show only; the hot spots above them take the mouse.
    const struct {
        Imagem** destaque;
        const char* nome;
        const char* desenho;
    } destaques[] = {
        {&imgPortuguesSelecionada, "imgPortuguesSelecionada", "IDIOMAPORTUGUES_S"},
        {&imgEspanholSelecionada, "imgEspanholSelecionada", "IDIOMAESPANHOL_S"},
        {&imgInglesSelecionada, "imgInglesSelecionada", "IDIOMAINGLES_S"},
    };
    for (const auto& d : destaques) {
        *d.destaque = new Imagem(pctTela, QString::fromLatin1(d.nome));
        (*d.destaque)->SetPicture(desenhoInicial(QString::fromLatin1(d.desenho)));
        (*d.destaque)->setAttribute(Qt::WA_TransparentForMouseEvents);
        (*d.destaque)->hide();
    }
    const struct {
        Imagem** ponto;
        const char* nome;
        const char* chave;
        const char* idioma;
    } pontos[] = {
        {&imgPortugues, "imgPortugues", "PORTUGUES", "P"},
        {&imgEspanhol, "imgEspanhol", "ESPANHOL", "E"},
        {&imgIngles, "imgIngles", "INGLES", "I"},
    };
    for (const auto& p : pontos) {
        *p.ponto = new Imagem(pctTela, QString::fromLatin1(p.nome));
        (*p.ponto)->SetMousePointer(99);
        const QString chave = QString::fromLatin1(p.chave);
        const QString idioma = QString::fromLatin1(p.idioma);
        connect(*p.ponto, &Imagem::MouseMove, this, [this, chave] { DestacaControle(chave); });
        connect(*p.ponto, &Imagem::Click, this, [this, idioma] { IniciaDazadize(idioma); });
    }
}

frmInicial::~frmInicial() = default;

QString frmInicial::DefineEdicao()
{
    Modulo::gEdicao = Modulo::LetraEdicaoDoArquivo(Modulo::NomeArquivoCatalogo());
    return Modulo::gEdicao;
}

void frmInicial::PosObjetosForm()
{
    pctTela->setGeometry(0, 0, 800, 600);
    imgIngles->setGeometry(443, 98, 65, 20);
    imgEspanhol->setGeometry(356, 98, 68, 20);
    imgPortugues->setGeometry(259, 98, 77, 20);
    imgInglesSelecionada->setGeometry(438, 97, 77, 21);
    imgEspanholSelecionada->setGeometry(351, 97, 79, 21);
    imgPortuguesSelecionada->setGeometry(254, 97, 89, 21);
}

bool frmInicial::Form_Load()
{
    using namespace Modulo;
    // 1, 2.
    gTwipsX = 15;
    gTwipsY = 15;
    gReiniciarPeloLancador = false;

    // 3 to 5: the normal-state size and place; errors skipped.
    try {
        const int m = Inicio::Margem(TamanhoTela());
        resize(800 + m, 600 + m);
        move(0, 0);
    } catch (...) {
    }
    setWindowState(Qt::WindowMaximized);

    // 6 to 14: any error ends the program after its box.
    try {
        DefineEdicao();
        mChaveDestaque = QStringLiteral("FORM");
        mPrimeiraAtivacao = true;
        QString usuario, senha;
        LeConfiguracao(QStringLiteral("IDIOMA_VERIFICACAOAUTOMATICA"), usuario, senha);

        if (!Inicio::PalavraInicioValida(LinhaComando())) {
            MostraErro(-3, ObtemTexto(97));
            m_codigoSaida = 3;
            return false;
        }

        const QString programa = pastaPrograma().isEmpty() ? ObtemCaminhoApp(true) : pastaPrograma();
        gCaminhoDados = ObtemCaminhoDados(programa);
        if (!QFileInfo(gCaminhoDados).isDir())
            throw platform::Error(platform::errors::PathNotFound,
                                  platform::runTimeErrorText(platform::errors::PathNotFound,
                                                             QDir::toNativeSeparators(gCaminhoDados)),
                                  QStringLiteral("frmInicial"));

        setWindowTitle(ObtemTexto(19, QStringLiteral("P")));
        PosObjetosForm();
        pctTela->SetPicture(CarregaImagemRecurso(
            gEdicao == QLatin1String("D") ? QStringLiteral("TELAIDIOMAS_D") : QStringLiteral("TELAIDIOMAS"),
            QStringLiteral("G")));
    } catch (const platform::Error& e) {
        DefinePonteiroTela(vbDefault);
        platform::MsgBox(ObtemTexto(21) + QStringLiteral(": ") + QString::number(e.number()) + QStringLiteral("\r\n") +
                             e.description(),
                         platform::vbCritical, ObtemTexto(19));
        m_codigoSaida = 1;
        return false;
    } catch (const std::exception& e) {
        platform::MsgBox(ObtemTexto(21) + QStringLiteral(": 51\r\n") + QString::fromLocal8Bit(e.what()),
                         platform::vbCritical, ObtemTexto(19));
        m_codigoSaida = 1;
        return false;
    }
    return true;
}

void frmInicial::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (mPrimeiraAtivacao)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmInicial::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && mPrimeiraAtivacao)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmInicial::Form_Activate()
{
    if (!mPrimeiraAtivacao)
        return;
    mPrimeiraAtivacao = false;
    if (Inicio::TelaPequena(Modulo::TamanhoTela())) {
        try {
            Modulo::AlteraBordaForm(this, 0, true, true, true, true, true, false);
            if (const QScreen* tela = screen())
                setGeometry(tela->geometry());
            if (!(windowState() & Qt::WindowMaximized))
                setWindowState(windowState() | Qt::WindowMaximized);
        } catch (...) {
        }
    }
    update();
    platform::DoEvents();
}

QString frmInicial::PosicaoJanelaInicial() const
{
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    return Inicio::PosicaoJanelaInicial(normal, pos(), size(), Modulo::AlturaLegenda(), Modulo::gTwipsX,
                                        Modulo::gTwipsY);
}

frmTQ1* frmInicial::IniciaDazadize(const QString& Idioma)
{
    using namespace Modulo;
    // One start-up per window: the sequence lets pending events run (the
    // detail window's activation, the part-type table), and a further click
    // on a language delivered there must not start the catalogue again.
    if (m_iniciando)
        return nullptr;
    m_iniciando = true;
    // The language chosen holds from the click on: a start-up that fails
    // says why in it.
    gIdioma = Idioma.left(1);
    DefinePonteiroTela(vbHourglass);
    QPointer<frmTQ1> principal;
    try {
        Inicio::AbreCatalogo();
        AbreBancoAuxiliar(gWsAuxiliar, gDbAuxiliar);
        gTabelaCarrinho = CriaTabelaLista(gDbAuxiliar);
        // The part-type table once the run's own databases stand, so that a
        // start-up that fails writes nothing into the catalogue.
        Inicio::CriaTabelaTipoPeca(gEdicao);
        platform::installQtTranslations(gIdioma);
        QGuiApplication::setApplicationDisplayName(ObtemTituloPrograma());

        // The detail window once, with the empty request.
        gParametro.clear();
        ExibeJanelaDetalhe();

        gParametro = PosicaoJanelaInicial();
        principal = new frmTQ1;
        principal->setAttribute(Qt::WA_DeleteOnClose);
        principal->Form_Load();
        principal->show();
    } catch (const std::exception& ex) {
        const platform::Error* e = dynamic_cast<const platform::Error*>(&ex);
        const long numero = e ? e->number() : kErroInterno;
        const QString texto = e ? e->description() : QString::fromLocal8Bit(ex.what());
        // Nothing stays half-open: the window, the cart table, both databases.
        delete principal.data();
        if (gDbAuxiliar && !gTabelaCarrinho.isEmpty())
            ExcluiTabela(gDbAuxiliar, gTabelaCarrinho);
        gTabelaCarrinho.clear();
        FechaBanco(gWsAuxiliar, gDbAuxiliar);
        FechaBanco(gWsDazadize, gDbDazadize);
        gParametro.clear();
        MostraErro(numero, texto);
        Falha(1);
        return nullptr;
    }
    m_iniciado = true;
    close();
    deleteLater();
    DefinePonteiroTela(vbDefault);
    return principal;
}

void frmInicial::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    // Closed without a language chosen: the run ends here.
    if (!m_iniciado && m_codigoSaida == 0) {
        if (encerraPrograma())
            encerraPrograma()(0);
        else
            QCoreApplication::exit(0);
    }
}

void frmInicial::Falha(int codigo)
{
    m_codigoSaida = codigo;
    hide();
    if (encerraPrograma())
        encerraPrograma()(codigo);
    else
        QCoreApplication::exit(codigo);
}

void frmInicial::DestacaControle(const QString& Nome)
{
    if (Nome == mChaveDestaque)
        return;
    if (mChaveDestaque != QLatin1String("FORM"))
        if (QWidget* w = ObtemControleDestaque(mChaveDestaque))
            w->hide();
    if (Nome != QLatin1String("FORM"))
        if (QWidget* w = ObtemControleDestaque(Nome))
            w->show();
    mChaveDestaque = Nome;
}

QWidget* frmInicial::ObtemControleDestaque(const QString& Nome) const
{
    if (Nome == QLatin1String("PORTUGUES"))
        return imgPortuguesSelecionada;
    if (Nome == QLatin1String("ESPANHOL"))
        return imgEspanholSelecionada;
    if (Nome == QLatin1String("INGLES"))
        return imgInglesSelecionada;
    return nullptr;
}

void frmInicial::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    DestacaControle(QStringLiteral("FORM"));
}
