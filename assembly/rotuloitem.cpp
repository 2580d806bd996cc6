#include "assembly/rotuloitem.h"

#include "assembly/estilos.h"
#include "platform/desktop/color.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

#include <array>
#include <cmath>

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

// Item texts are short runs of digits, letters and punctuation: their width
// is the sum of the glyph advances, kept per font for the printable ASCII
// characters (any other text is measured by the font).
int Largura(const QString& texto, bool negrito, bool italico)
{
    struct Avancos {
        std::array<double, 128> a{};
        explicit Avancos(const QFont& f)
        {
            const QFontMetricsF fm(f);
            for (int c = 32; c < 127; ++c)
                a[std::size_t(c)] = fm.horizontalAdvance(QChar(c));
        }
    };
    static const std::array<Avancos, 4> avancos{Avancos(FonteRotulo(false, false)), Avancos(FonteRotulo(false, true)),
                                                Avancos(FonteRotulo(true, false)), Avancos(FonteRotulo(true, true))};
    const Avancos& v = avancos[std::size_t((negrito ? 2 : 0) + (italico ? 1 : 0))];
    double soma = 0;
    for (const QChar c : texto) {
        if (c.unicode() < 32 || c.unicode() >= 127)
            return Metricas(negrito, italico).horizontalAdvance(texto);
        soma += v.a[c.unicode()];
    }
    return int(std::lround(soma));
}

}  // namespace

RotuloItem::RotuloItem(int indice, const QString& caption, QWidget* parent, OuvinteRotulo* ouvinte)
    : QWidget(parent), m_indice(indice), m_ouvinte(ouvinte), m_caption(caption)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    m_texto.setTextFormat(Qt::PlainText);
    m_texto.setPerformanceHint(QStaticText::AggressiveCaching);
    AjustaTamanho();
}

void RotuloItem::Reinicia(int indice, const QString& caption)
{
    m_indice = indice;
    m_caption = caption;
    m_foreColor = 0;
    m_bold = false;
    m_italic = false;
    m_backStyle = 0;
    EstiloItem = 0;
    AjustaTamanho();
}

QFont RotuloItem::Fonte() const { return FonteRotulo(m_bold, m_italic); }

int RotuloItem::LarguraTexto(const QString& texto, bool negrito, bool italico) { return Largura(texto, negrito, italico); }

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
    // The text is laid out when it is first drawn (most labels of a figure
    // stand on pages not shown); the size comes from the glyph advances.
    m_texto.setText(m_caption);
    resize(std::max(1, Largura(m_caption, m_bold, m_italic)), Metricas(m_bold, m_italic).height());
}

void RotuloItem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_backStyle == 1)
        p.fillRect(rect(), platform::colorFromBgr(kCorFundoJogo));
    p.setFont(Fonte());
    p.setPen(platform::colorFromBgr(m_foreColor));
    p.drawStaticText(0, 0, m_texto);
}

void RotuloItem::mouseMoveEvent(QMouseEvent* e)
{
    if (m_ouvinte)
        m_ouvinte->RotuloMouseMove(m_indice);
    e->accept();
}

void RotuloItem::mouseReleaseEvent(QMouseEvent* e)
{
    const int botao = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : e->button() == Qt::MiddleButton ? 4 : 0;
    if (m_ouvinte)
        m_ouvinte->RotuloMouseUp(m_indice, botao);
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
