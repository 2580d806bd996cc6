#include "icons.h"

#include <QPainter>
#include <QPainterPath>

namespace listdemo {
namespace {

const QColor kAzulIcone(0x37, 0x45, 0x91);

QPixmap Tela(bool destacado)
{
    QPixmap p(16, 14);
    p.fill(Qt::transparent);
    if (destacado) {
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(0xFF, 0xD8, 0x6B));
        g.drawRoundedRect(QRectF(0, 0, 16, 14), 3, 3);
    }
    return p;
}

QPixmap Carrinho(bool destacado)
{
    QPixmap p = Tela(destacado);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(kAzulIcone, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath cesto;
    cesto.moveTo(1.5, 2.5);
    cesto.lineTo(3.5, 2.5);
    cesto.lineTo(5.0, 9.0);
    cesto.lineTo(12.5, 9.0);
    cesto.lineTo(14.0, 4.5);
    cesto.lineTo(4.2, 4.5);
    g.drawPath(cesto);
    g.setPen(Qt::NoPen);
    g.setBrush(kAzulIcone);
    g.drawEllipse(QPointF(6.0, 11.5), 1.3, 1.3);
    g.drawEllipse(QPointF(11.5, 11.5), 1.3, 1.3);
    g.setBrush(QColor(0x3A, 0xA8, 0x5C));
    g.drawRect(QRectF(6.5, 5.5, 5, 2.3));
    return p;
}

QPixmap Nota(bool destacado)
{
    QPixmap p = Tela(destacado);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath folha;
    folha.moveTo(4, 1.5);
    folha.lineTo(10, 1.5);
    folha.lineTo(12.5, 4);
    folha.lineTo(12.5, 12.5);
    folha.lineTo(4, 12.5);
    folha.closeSubpath();
    g.setPen(QPen(QColor(0x8A, 0x6D, 0x1E), 1));
    g.setBrush(QColor(0xFF, 0xF4, 0xB8));
    g.drawPath(folha);
    g.setPen(QPen(QColor(0x8A, 0x6D, 0x1E), 0.9));
    for (double y : {5.5, 7.5, 9.5})
        g.drawLine(QPointF(5.8, y), QPointF(10.8, y));
    return p;
}

}  // namespace

THPictures IconesLista()
{
    THPictures p;
    p[0] = {Carrinho(false), Nota(false)};
    p[1] = {Carrinho(true), Nota(true)};
    return p;
}

}  // namespace listdemo
