#include "core/frmCreditos.h"

#include "core/pictures.h"
#include "core/texts.h"
#include "ui_frmCreditos.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <cmath>

namespace {

std::function<void()>& encerraPrograma()
{
    static std::function<void()> encerra;
    return encerra;
}

// Rounds a half to the even neighbour, as the window's placement does.
int arredondaPar(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

frmCreditos::frmCreditos(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ui(std::make_unique<Ui::frmCreditos>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    // The picture has no click of its own: clicks on it must not reach the
    // window, whose click ends the program.
    ui->imgCreditos->installEventFilter(this);
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &frmCreditos::Timer1_Timer);
    Form_Load();
}

frmCreditos::~frmCreditos() = default;

frmCreditos::Posicao frmCreditos::PosicaoImagem(int larguraTela, int alturaTela)
{
    if (larguraTela < 1024 || alturaTela < 768)
        return {QStringLiteral("FUNDOTELANORVALE800X600"), QPoint(0, 0)};
    return {QStringLiteral("FUNDOTELANORVALE1024X768"),
            QPoint(arredondaPar((larguraTela - 1024) / 2.0), arredondaPar((alturaTela - 768) / 2.0))};
}

void frmCreditos::setEncerraPrograma(std::function<void()> encerra)
{
    encerraPrograma() = std::move(encerra);
}

void frmCreditos::Form_Load()
{
    setWindowTitle(Modulo::ObtemTituloPrograma());
    m_contador = 0;

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xF9, 0xF1));  // &H00F1F9FF
    setPalette(pal);
    setAutoFillBackground(true);

    const QRect tela = screen() ? screen()->geometry() : QRect(0, 0, 800, 600);
    setGeometry(tela);
    setWindowState(Qt::WindowFullScreen);

    const Posicao posicao = PosicaoImagem(tela.width(), tela.height());
    const QPixmap imagem = Modulo::CarregaImagemRecurso(posicao.imagem, QStringLiteral("G"));
    ui->imgCreditos->setPixmap(imagem);
    ui->imgCreditos->resize(imagem.size());
    ui->imgCreditos->move(posicao.canto);
    Timer1.start();
}

void frmCreditos::Timer1_Timer()
{
    ++m_contador;
    if (m_contador == 5)
        close();
}

void frmCreditos::mousePressEvent(QMouseEvent* event)
{
    m_pressionado = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
}

void frmCreditos::mouseReleaseEvent(QMouseEvent* event)
{
    // Form_Click: a press and a release on the window itself.
    if (m_pressionado && rect().contains(event->position().toPoint()))
        close();
    m_pressionado = false;
}

void frmCreditos::keyPressEvent(QKeyEvent*)
{
    close();  // Form_KeyDown, whatever the key
}

void frmCreditos::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    activateWindow();
    setFocus();
}

bool frmCreditos::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->imgCreditos) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCreditos::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmCreditos::Form_Unload()
{
    // Unloading ends the program once, however the window was closed.
    Timer1.stop();
    if (m_descarregado)
        return;
    m_descarregado = true;
    if (encerraPrograma())
        encerraPrograma()();
    else
        QCoreApplication::exit(0);
}
