#include "output/report/superficiegravacao.h"

#include <QPainter>

#include <cmath>

namespace saida {

SuperficieGravacao::SuperficieGravacao(int dpi) : m_dpi(dpi), m_device(1, 1, QImage::Format_Grayscale8)
{
    const int dpm = int(std::lround(dpi / 0.0254));
    m_device.setDotsPerMeterX(dpm);
    m_device.setDotsPerMeterY(dpm);
}

SuperficieGravacao::~SuperficieGravacao() = default;

void SuperficieGravacao::DrawText(double x, double y, const QString& text, const QFont& font, const QColor& color)
{
    Operacao op;
    op.tipo = Operacao::Texto;
    op.pagina = m_page;
    op.x = x;
    op.y = y;
    op.texto = text;
    op.largura = Metrics().horizontalAdvance(text);
    op.tamanho = font.pointSizeF();
    op.negrito = font.bold();
    op.italico = font.italic();
    op.cor = color;
    op.fonte = font.family();
    m_ops.push_back(std::move(op));
}

void SuperficieGravacao::PaintPicture(const QImage& picture, double x, double y, double width, double height)
{
    Operacao op;
    op.tipo = Operacao::Figura;
    op.pagina = m_page;
    op.x = x;
    op.y = y;
    op.largura = width;
    op.altura = height;
    op.figura = picture;
    m_ops.push_back(std::move(op));
}

void SuperficieGravacao::NewPage()
{
    Operacao op;
    op.tipo = Operacao::NovaPagina;
    op.pagina = m_page;
    m_ops.push_back(op);
    ++m_page;
    Home();
}

void SuperficieGravacao::EndDoc()
{
    Operacao op;
    op.tipo = Operacao::FimDocumento;
    op.pagina = m_page;
    m_ops.push_back(op);
}

void SuperficieGravacao::KillDoc()
{
    Operacao op;
    op.tipo = Operacao::Cancelamento;
    op.pagina = m_page;
    m_ops.push_back(op);
}

std::vector<const Operacao*> SuperficieGravacao::Textos(int pagina) const
{
    std::vector<const Operacao*> out;
    for (const Operacao& op : m_ops)
        if (op.tipo == Operacao::Texto && (pagina == 0 || op.pagina == pagina))
            out.push_back(&op);
    return out;
}

const Operacao* SuperficieGravacao::Procura(const QString& texto) const
{
    for (const Operacao& op : m_ops)
        if (op.tipo == Operacao::Texto && op.texto == texto)
            return &op;
    return nullptr;
}

void SuperficieGravacao::Reproduz(QPainter& painter, int pagina) const
{
    for (const Operacao& op : m_ops) {
        if (op.pagina != pagina)
            continue;
        if (op.tipo == Operacao::Texto) {
            QFont font(op.fonte);
            font.setPointSizeF(op.tamanho);
            font.setBold(op.negrito);
            font.setItalic(op.italico);
            font.setHintingPreference(QFont::PreferNoHinting);
            painter.setFont(font);
            painter.setPen(op.cor);
            painter.drawText(QPointF(op.x, op.y + QFontMetricsF(font, painter.device()).ascent()), op.texto);
        } else if (op.tipo == Operacao::Figura) {
            painter.drawImage(QRectF(op.x, op.y, op.largura, op.altura), op.figura);
        }
    }
}

}  // namespace saida
