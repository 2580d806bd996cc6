#include "listcontrols/thwidgets.h"

#include "listcontrols/thpictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace THWidgets {

QCursor CursorDoPonteiro(int ponteiro)
{
    switch (ponteiro) {
    case 99: return THImagens::CursorMao();
    case 2: return QCursor(Qt::CrossCursor);
    case 3: return QCursor(Qt::IBeamCursor);
    case 5: case 15: return QCursor(Qt::SizeAllCursor);
    case 6: return QCursor(Qt::SizeBDiagCursor);
    case 7: return QCursor(Qt::SizeVerCursor);
    case 8: return QCursor(Qt::SizeFDiagCursor);
    case 9: return QCursor(Qt::SizeHorCursor);
    case 10: return QCursor(Qt::UpArrowCursor);
    case 11: return QCursor(Qt::WaitCursor);
    case 12: return QCursor(Qt::ForbiddenCursor);
    case 13: return QCursor(Qt::BusyCursor);
    case 14: return QCursor(Qt::WhatsThisCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

void AplicaPonteiro(QWidget* w, int ponteiro)
{
    if (ponteiro == 0)
        w->unsetCursor();
    else
        w->setCursor(CursorDoPonteiro(ponteiro));
}

}  // namespace THWidgets

void Descarta(QWidget* w)
{
    if (!w)
        return;
    w->hide();
    w->disconnect();
    w->deleteLater();
}

THPicture::THPicture(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

void THPicture::setPicture(const QPixmap& p)
{
    m_picture = p;
    if (!p.isNull())
        resize(p.deviceIndependentSize().toSize());
    update();
}

void THPicture::setPassaMouse(bool on)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, on);
}

void THPicture::setPonteiro(int ponteiro)
{
    m_ponteiro = ponteiro;
    THWidgets::AplicaPonteiro(this, ponteiro);
}

void THPicture::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void THPicture::mousePressEvent(QMouseEvent* e)
{
    m_pressionado = true;
    Q_EMIT pressionado(THWidgets::BotaoVB(e->button()));
    e->accept();
}

void THPicture::mouseReleaseEvent(QMouseEvent* e)
{
    // A click is a press and a release over the picture; the release that
    // ends a double click is no second click.
    const bool era = m_pressionado;
    m_pressionado = false;
    e->accept();
    if (era && rect().contains(e->position().toPoint()))
        Q_EMIT clicado(THWidgets::BotaoVB(e->button()));
}

void THPicture::mouseDoubleClickEvent(QMouseEvent* e)
{
    m_pressionado = false;
    e->accept();
    Q_EMIT clicadoDuplo();
}

void THPicture::mouseMoveEvent(QMouseEvent* e)
{
    Q_EMIT movido(THWidgets::BotaoVB(e->buttons()), THWidgets::ShiftVB(e->modifiers()),
                  static_cast<float>(e->position().x()), static_cast<float>(e->position().y()));
    e->accept();
}
