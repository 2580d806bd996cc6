#include "listcontrols/thpictures.h"

#include "core/pictures.h"
#include "listcontrols/thgeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace THImagens {

QPixmap Seta(bool destacada)
{
    const int w = THLayout::LarguraSetaPx;
    const int h = THLayout::AlturaSetaPx;
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // A rounded button with a chevron; the highlighted twin is filled with
    // the brand blue of the face text.
    const QColor azul(0x37, 0x45, 0x91);
    const QRectF caixa(1.5, 1.5, w - 3, h - 3);
    if (destacada) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, azul.lighter(135));
        g.setColorAt(1, azul);
        p.setBrush(g);
        p.setPen(QPen(azul.darker(130), 1));
    } else {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, QColor(0xFB, 0xFC, 0xFE));
        g.setColorAt(1, QColor(0xDD, 0xE3, 0xF0));
        p.setBrush(g);
        p.setPen(QPen(QColor(0x9A, 0xA6, 0xC4), 1));
    }
    p.drawRoundedRect(caixa, 4, 4);

    QPainterPath chevron;
    chevron.moveTo(6.5, 9);
    chevron.lineTo(11, 13.5);
    chevron.lineTo(15.5, 9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(destacada ? QColor(Qt::white) : azul, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chevron);
    return pm;
}

QCursor CursorMao()
{
    // The program's hand picture (hot spot at the finger's tip) when the
    // program carries its pictures; the system's pointing hand otherwise.
    static const QCursor cursor = [] {
        const QString nome = QStringLiteral("CURSORMAO"), tipo = QStringLiteral("G");
        if (Modulo::RecursoImagemExiste(nome, tipo)) {
            const QPixmap p = Modulo::CarregaImagemRecurso(nome, tipo);
            if (!p.isNull())
                return QCursor(p, 5, 0);
        }
        return QCursor(Qt::PointingHandCursor);
    }();
    return cursor;
}

}  // namespace THImagens
