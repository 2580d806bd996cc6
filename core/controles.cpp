#include "core/controles.h"

#include "platform/desktop/color.h"

#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Modulo {

QCursor CursorMao()
{
    static const QCursor mao = [] {
        // A design picture of the language-free set; its transparent
        // surroundings come with the GIF.
        QPixmap p(QStringLiteral(":/tq/G/CURSORMAO"));
        if (p.isNull())
            return QCursor(Qt::PointingHandCursor);
        return QCursor(p, 5, 0);
    }();
    return mao;
}

QCursor CursorDoPonteiro(int ponteiro)
{
    switch (ponteiro) {
    case 99: return CursorMao();
    case 1: return QCursor(Qt::ArrowCursor);
    case 2: return QCursor(Qt::CrossCursor);
    case 3: return QCursor(Qt::IBeamCursor);
    case 7: return QCursor(Qt::SizeVerCursor);
    case 9: return QCursor(Qt::SizeHorCursor);
    case 11: return QCursor(Qt::WaitCursor);
    case 12: return QCursor(Qt::ForbiddenCursor);
    case 15: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

int BotaoVB(Qt::MouseButtons botoes)
{
    int b = 0;
    if (botoes & Qt::LeftButton)
        b |= 1;
    if (botoes & Qt::RightButton)
        b |= 2;
    if (botoes & Qt::MiddleButton)
        b |= 4;
    return b;
}

int ShiftVB(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier)
        s |= 1;
    if (m & Qt::ControlModifier)
        s |= 2;
    if (m & Qt::AltModifier)
        s |= 4;
    return s;
}

QFont FonteJanela(int pixels, bool negrito)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

BotaoImagem CriaBotaoImagem(QWidget* pai, const QString& nome, const QString& nomeDestaque)
{
    BotaoImagem b;
    b.botao = new Imagem(pai, nome);
    b.botao->SetMousePointer(99);
    b.destaque = new Imagem(pai, nomeDestaque.isEmpty() ? nome + QStringLiteral("Selecionada") : nomeDestaque);
    b.destaque->SetMousePointer(99);
    b.destaque->setAttribute(Qt::WA_TransparentForMouseEvents);
    b.destaque->hide();
    b.destaque->raise();
    return b;
}

void MoveBotaoImagem(const BotaoImagem& b, int left, int top, int width, int height)
{
    for (Imagem* i : {b.botao, b.destaque}) {
        if (!i)
            continue;
        i->move(left, top);
        if (width > 0 && height > 0)
            i->resize(width, height);
    }
}

}  // namespace Modulo

namespace {

void nomeia(QWidget* w, const QString& nome)
{
    if (!nome.isEmpty())
        w->setObjectName(nome);
}

QColor corPadraoLinha() { return platform::colorFromBgr(0xC0C0C0); }

// The design's MousePointer on a control: 0 the default, else its cursor.
void aplicaPonteiro(QWidget* w, int ponteiro)
{
    if (ponteiro == 0)
        w->unsetCursor();
    else
        w->setCursor(Modulo::CursorDoPonteiro(ponteiro));
}

// The design's mouse events of a control (Imagem, CaixaImagem, Rotulo) from
// Qt's: MouseDown, MouseUp and MouseMove with the button and shift values;
// Click for a left press released over the control, unless a double click
// came between; DblClick for the left button's.
template <typename C>
void emitePressao(C* c, bool& pressionado, bool& duplo, QMouseEvent* e)
{
    pressionado = e->button() == Qt::LeftButton;
    duplo = false;
    Q_EMIT c->MouseDown(Modulo::BotaoVB(e->button()), Modulo::ShiftVB(e->modifiers()), e->position().x(), e->position().y());
}

template <typename C>
void emiteSoltura(C* c, bool& pressionado, bool& duplo, QMouseEvent* e)
{
    const bool clique = pressionado && !duplo && e->button() == Qt::LeftButton && c->rect().contains(e->position().toPoint());
    pressionado = false;
    duplo = false;
    // The handlers may hide or unload the control; nothing of it is used
    // after the signals.
    Q_EMIT c->MouseUp(Modulo::BotaoVB(e->button()), Modulo::ShiftVB(e->modifiers()), e->position().x(), e->position().y());
    if (clique)
        Q_EMIT c->Click();
    e->accept();
}

template <typename C>
void emiteDuplo(C* c, bool& pressionado, bool& duplo, QMouseEvent* e)
{
    duplo = true;
    pressionado = false;
    if (e->button() == Qt::LeftButton)
        Q_EMIT c->DblClick();
    e->accept();
}

template <typename C>
void emiteMovimento(C* c, QMouseEvent* e)
{
    Q_EMIT c->MouseMove(Modulo::BotaoVB(e->buttons()), Modulo::ShiftVB(e->modifiers()), e->position().x(), e->position().y());
    e->accept();
}

}  // namespace

// ---- RotuloEventos, Imagem -----------------------------------------------

RotuloEventos::RotuloEventos(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void RotuloEventos::mousePressEvent(QMouseEvent* e)
{
    emitePressao(this, m_pressionado, m_duplo, e);
    e->accept();
}

void RotuloEventos::mouseReleaseEvent(QMouseEvent* e) { emiteSoltura(this, m_pressionado, m_duplo, e); }

void RotuloEventos::mouseDoubleClickEvent(QMouseEvent* e) { emiteDuplo(this, m_pressionado, m_duplo, e); }

void RotuloEventos::mouseMoveEvent(QMouseEvent* e) { emiteMovimento(this, e); }

Imagem::Imagem(QWidget* parent, const QString& nome) : RotuloEventos(parent)
{
    nomeia(this, nome);
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
}

void Imagem::SetPicture(const QPixmap& picture)
{
    if (picture.isNull()) {
        clear();
        return;
    }
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void Imagem::SetMousePointer(int ponteiro)
{
    m_ponteiro = ponteiro;
    aplicaPonteiro(this, ponteiro);
}

// ---- CaixaImagem --------------------------------------------------------

CaixaImagem::CaixaImagem(QWidget* parent, const QString& nome) : QFrame(parent)
{
    nomeia(this, nome);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setFrameShape(QFrame::NoFrame);
    setProperty("BorderStyle", 0);
}

void CaixaImagem::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void CaixaImagem::SetBackColor(long bgr)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::colorFromBgr(bgr));
    setPalette(pal);
    setAutoFillBackground(true);
}

void CaixaImagem::SetBorderStyle(int estilo)
{
    m_borda = estilo;
    setProperty("BorderStyle", estilo);
    if (estilo == 1) {
        setFrameShape(QFrame::Box);
        setLineWidth(1);
    } else {
        setFrameShape(QFrame::NoFrame);
    }
}

void CaixaImagem::SetMousePointer(int ponteiro) { aplicaPonteiro(this, ponteiro); }

void CaixaImagem::paintEvent(QPaintEvent* e)
{
    if (!m_picture.isNull()) {
        QPainter p(this);
        p.drawPixmap(m_borda == 1 ? 1 : 0, m_borda == 1 ? 1 : 0, m_picture);
    }
    QFrame::paintEvent(e);
}

void CaixaImagem::mousePressEvent(QMouseEvent* e)
{
    emitePressao(this, m_pressionado, m_duplo, e);
    QFrame::mousePressEvent(e);
    e->accept();
}

void CaixaImagem::mouseReleaseEvent(QMouseEvent* e) { emiteSoltura(this, m_pressionado, m_duplo, e); }

void CaixaImagem::mouseDoubleClickEvent(QMouseEvent* e) { emiteDuplo(this, m_pressionado, m_duplo, e); }

void CaixaImagem::mouseMoveEvent(QMouseEvent* e) { emiteMovimento(this, e); }

void CaixaImagem::focusInEvent(QFocusEvent* e)
{
    QFrame::focusInEvent(e);
    Q_EMIT GotFocus();
}

void CaixaImagem::focusOutEvent(QFocusEvent* e)
{
    QFrame::focusOutEvent(e);
    Q_EMIT LostFocus();
}

// ---- Rotulo -------------------------------------------------------------

Rotulo::Rotulo(QWidget* parent, const QString& nome, bool autoSize) : RotuloEventos(parent), m_autoSize(autoSize)
{
    nomeia(this, nome);
    setMouseTracking(true);
    setWordWrap(!autoSize);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(Modulo::FonteJanela());
}

void Rotulo::setText(const QString& texto)
{
    QLabel::setText(texto);
    ajusta();
}

void Rotulo::SetAutoSize(bool on)
{
    m_autoSize = on;
    setWordWrap(!on);
    ajusta();
}

void Rotulo::ajusta()
{
    if (m_autoSize)
        resize(sizeHint());
}

void Rotulo::SetForeColor(long bgr)
{
    setProperty("ForeColor", qlonglong(bgr));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, platform::colorFromBgr(bgr));
    setPalette(pal);
}

long Rotulo::ForeColor() const { return platform::bgrFromColor(palette().color(QPalette::WindowText)); }

void Rotulo::SetBackStyle(int estilo) { setAutoFillBackground(estilo == 1); }

void Rotulo::SetBackColor(long bgr)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::colorFromBgr(bgr));
    setPalette(pal);
}

void Rotulo::SetMousePointer(int ponteiro) { aplicaPonteiro(this, ponteiro); }

// ---- CaixaTexto ---------------------------------------------------------

CaixaTexto::CaixaTexto(QWidget* parent, const QString& nome) : QLineEdit(parent)
{
    nomeia(this, nome);
    setMouseTracking(true);
    setFont(Modulo::FonteJanela());
}

void CaixaTexto::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    Q_EMIT GotFocus();
}

void CaixaTexto::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    Q_EMIT LostFocus();
}

void CaixaTexto::mouseMoveEvent(QMouseEvent* e)
{
    QLineEdit::mouseMoveEvent(e);
    Q_EMIT MouseMove(Modulo::BotaoVB(e->buttons()), Modulo::ShiftVB(e->modifiers()), e->position().x(),
                     e->position().y());
}

void CaixaTexto::keyPressEvent(QKeyEvent* e)
{
    int ascii = -1;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: ascii = 13; break;
    case Qt::Key_Escape: ascii = 27; break;
    case Qt::Key_Backspace: ascii = 8; break;
    default:
        if (!e->text().isEmpty() && e->text().at(0).isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            ascii = e->text().at(0).unicode();
    }
    if (ascii >= 0) {
        int k = ascii;
        Q_EMIT KeyPress(k);
        if (k == 0) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

// ---- Linha --------------------------------------------------------------

Linha::Linha(QWidget* parent, const QString& nome) : QWidget(parent), m_cor(corPadraoLinha())
{
    nomeia(this, nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linha::SetPontos(int X1, int Y1, int X2, int Y2)
{
    m_x1 = X1;
    m_y1 = Y1;
    m_x2 = X2;
    m_y2 = Y2;
    setGeometry(std::min(X1, X2), std::min(Y1, Y2), std::max(1, std::abs(X2 - X1)), std::max(1, std::abs(Y2 - Y1)));
}

void Linha::SetBorderColor(long bgr)
{
    m_cor = platform::colorFromBgr(bgr);
    update();
}

void Linha::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_cor);
}

// ---- Forma --------------------------------------------------------------

Forma::Forma(QWidget* parent, const QString& nome) : QWidget(parent), m_cor(platform::colorFromBgr(0x808080))
{
    nomeia(this, nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::SetBorderColor(long bgr)
{
    m_cor = platform::colorFromBgr(bgr);
    update();
}

void Forma::SetBorderWidth(int pixels)
{
    m_largura = std::max(1, pixels);
    update();
}

void Forma::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QPen pen(m_cor);
    pen.setWidth(m_largura);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    const int m = m_largura / 2;
    p.drawRect(rect().adjusted(m, m, -m - 1 + (m_largura % 2 == 0 ? 1 : 0), -m - 1 + (m_largura % 2 == 0 ? 1 : 0)));
}
