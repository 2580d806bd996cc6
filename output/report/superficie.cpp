#include "output/report/superficie.h"

#include <QPainter>
#include <QTextBoundaryFinder>

namespace saida {

// --- the members every surface shares -------------------------------------

void Superficie::SetFontName(const QString& name)
{
    if (name.isEmpty() || name == m_fontName)
        return;
    m_fontName = name;
    FontChanged();
}

void Superficie::SetFontSize(double points)
{
    if (points <= 0 || points == m_fontSize)
        return;
    m_fontSize = points;
    FontChanged();
}

void Superficie::SetFontBold(bool on)
{
    if (on != m_bold) {
        m_bold = on;
        FontChanged();
    }
}

void Superficie::SetFontItalic(bool on)
{
    if (on != m_italic) {
        m_italic = on;
        FontChanged();
    }
}

QFont Superficie::Font() const
{
    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    // The same glyph widths at every resolution, so a line measured on the
    // recording surface at 600 dpi is the line the printer draws.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

const QFontMetricsF& Superficie::Metrics()
{
    if (!m_metrics)
        m_metrics.emplace(Font(), MeasureDevice());
    return *m_metrics;
}

void Superficie::Print(const QString& text, bool endLine)
{
    const QFontMetricsF& metrics = Metrics();
    if (!text.isEmpty()) {
        DrawText(m_x, m_y, text, Font(), m_color);
        m_x += metrics.horizontalAdvance(text);
    }
    if (endLine) {
        m_x = 0;
        m_y += metrics.lineSpacing();
    }
}

QString Superficie::FitText(const QString& text, double width)
{
    const QFontMetricsF& metrics = Metrics();
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, text);
    qsizetype cabe = 0;
    for (qsizetype p = limites.toNextBoundary(); p > 0; p = limites.toNextBoundary()) {
        if (metrics.horizontalAdvance(text.left(p)) > width)
            break;
        cabe = p;
    }
    return text.left(cabe);
}

// --- the page canvas ---------------------------------------------------------

namespace {
constexpr int kDotsPerMeter96 = 3780;  // 96 dpi
}

SuperficieTela::SuperficieTela() : m_image(kLargura, kAltura, QImage::Format_Grayscale8)
{
    m_image.setDotsPerMeterX(kDotsPerMeter96);
    m_image.setDotsPerMeterY(kDotsPerMeter96);
    m_image.fill(Qt::white);
}

SuperficieTela::~SuperficieTela() = default;

QPainter& SuperficieTela::Pintor()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }
    return *m_painter;
}

void SuperficieTela::DrawText(double x, double y, const QString& text, const QFont& font, const QColor& color)
{
    QPainter& p = Pintor();
    p.setFont(font);
    p.setPen(color);
    p.drawText(QPointF(x, y + Metrics().ascent()), text);
}

void SuperficieTela::PaintPicture(const QImage& picture, double x, double y, double width, double height)
{
    if (picture.isNull() || width <= 0 || height <= 0)
        return;
    Pintor().drawImage(QRectF(x, y, width, height), picture);
}

QPaintDevice* SuperficieTela::MeasureDevice() { return &m_image; }

void SuperficieTela::Limpa()
{
    m_painter.reset();
    m_image.fill(Qt::white);
    Home();
}

const QImage& SuperficieTela::Imagem()
{
    m_painter.reset();  // ends the painter, so every stroke is in the picture
    return m_image;
}

}  // namespace saida
