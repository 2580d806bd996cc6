#include "assembly/rotuloitem.h"

#include "assembly/estilos.h"
#include "platform/desktop/color.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

#include <array>

namespace Conjunto {

namespace {

QFont FonteRotulo(bool negrito, bool italico)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(negrito);
    f.setItalic(italico);
    return f;
}

// One metrics object per combination of bold and italic, made once.
const QFontMetrics& Metricas(bool negrito, bool italico)
{
    static const std::array<QFontMetrics, 4> m{QFontMetrics(FonteRotulo(false, false)), QFontMetrics(FonteRotulo(false, true)),
                                               QFontMetrics(FonteRotulo(true, false)), QFontMetrics(FonteRotulo(true, true))};
    return m[std::size_t((negrito ? 2 : 0) + (italico ? 1 : 0))];
}

}  // namespace

RotuloItem::RotuloItem(int indice, QWidget* parent) : QWidget(parent), m_indice(indice)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    AjustaTamanho();
}

QFont RotuloItem::Fonte() const { return FonteRotulo(m_bold, m_italic); }

int RotuloItem::LarguraTexto(const QString& texto, bool negrito, bool italico)
{
    return Metricas(negrito, italico).horizontalAdvance(texto);
}

void RotuloItem::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    AjustaTamanho();
    update();
}

void RotuloItem::SetForeColor(long bgr)
{
    if (bgr == m_foreColor)
        return;
    m_foreColor = bgr;
    update();
}

void RotuloItem::SetFontBold(bool b)
{
    if (b == m_bold)
        return;
    m_bold = b;
    AjustaTamanho();
    update();
}

void RotuloItem::SetFontItalic(bool i)
{
    if (i == m_italic)
        return;
    m_italic = i;
    AjustaTamanho();
    update();
}

void RotuloItem::SetBackStyle(int s)
{
    if (s == m_backStyle)
        return;
    m_backStyle = s;
    update();
}

void RotuloItem::AjustaTamanho()
{
    const QFontMetrics& fm = Metricas(m_bold, m_italic);
    resize(std::max(1, fm.horizontalAdvance(m_caption)), fm.height());
}

void RotuloItem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_backStyle == 1)
        p.fillRect(rect(), platform::colorFromBgr(kCorFundoJogo));
    p.setFont(Fonte());
    p.setPen(platform::colorFromBgr(m_foreColor));
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, m_caption);
}

void RotuloItem::mouseMoveEvent(QMouseEvent* e)
{
    Q_EMIT MouseMove(m_indice);
    e->accept();
}

void RotuloItem::mouseReleaseEvent(QMouseEvent* e)
{
    const int botao = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : e->button() == Qt::MiddleButton ? 4 : 0;
    Q_EMIT MouseUp(m_indice, botao);
    e->accept();
}

long CorTexto(const QWidget* w)
{
    if (!w)
        return 0;
    const QVariant v = w->property("ForeColor");
    return v.isValid() ? v.toLongLong() : 0;
}

void DefineCorTexto(QWidget* w, long bgr)
{
    if (!w)
        return;
    w->setProperty("ForeColor", qlonglong(bgr));
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, platform::colorFromBgr(bgr));
    w->setPalette(pal);
}

}  // namespace Conjunto
