// The full pages of the picture set: the presentation and the pump tables
// are placeholders that say what they stand for.
#include "resources/generator/recipeparts.h"

#include "resources/generator/glyphs.h"
#include "resources/generator/typesetting.h"
#include "resources/palette.h"

#include <QLinearGradient>
#include <QPen>

#include <cmath>

namespace resources::recipe {

using namespace palette;

namespace {

QString placeholderNote(QChar language, bool pumps)
{
    if (pumps)
        return QStringLiteral("Página de demonstração: a tabela de bombas é fornecida com os dados do catálogo.");
    switch (language.unicode()) {
    case 'E': return QStringLiteral("Página de demostración: el contenido de la presentación se entrega con el catálogo.");
    case 'I': return QStringLiteral("Demonstration page: the presentation's content is supplied with the catalogue.");
    default: return QStringLiteral("Página de demonstração: o conteúdo da apresentação é fornecido com o catálogo.");
    }
}

void pageFrame(QPainter& p, const QRectF& r, const QString& heading, QChar edition)
{
    p.fillRect(r, paper());
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, brand());
    g.setColorAt(1, steel());
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 84), g);
    p.fillRect(QRectF(r.left(), r.top() + 84, r.width(), 3), amber());
    drawBrandMark(p, QRectF(r.left() + 22, r.top() + 14, 56, 56), edition, white(), brand());
    p.setPen(white());
    drawCaption(p, QRectF(r.left() + 94, r.top() + 16, r.width() - 120, 52), heading, 26, 14, true, Qt::AlignLeft,
                heading);
}

}  // namespace

void presentationPage(QPainter& p, const QRectF& r, const Job& j)
{
    const QChar e = j.spec.editions == QLatin1String("D") ? QLatin1Char('D') : QLatin1Char('V');
    pageFrame(p, r, j.caption(), e);
    p.setRenderHint(QPainter::Antialiasing);
    // Placeholder copy: grey lines where the text would be.
    const QColor bar(0xD3, 0xDC, 0xEC);
    const qreal x0 = r.left() + 40;
    qreal y = r.top() + 130;
    roundedFill(p, QRectF(x0, y, 260, 16), 4, QColor(0xB8, 0xC7, 0xE6));
    y += 36;
    const int widths[] = {300, 280, 310, 240, 0, 300, 290, 220, 0, 305, 260};
    for (int w : widths) {
        if (w > 0)
            roundedFill(p, QRectF(x0, y, w, 9), 4, bar);
        y += w > 0 ? 20 : 14;
    }
    // The page's picture: gears and the edition's vehicle.
    drawGearArt(p, QPointF(r.left() + 520, r.top() + 300), 1.05, e == QLatin1Char('D') ? e : QLatin1Char('V'), paper());
    // The note that says what the page stands for.
    const QRectF note(r.left() + 40, r.bottom() - 92, r.width() - 80, 52);
    roundedFill(p, note, 8, white());
    p.setPen(QPen(QColor(0xB8, 0xC7, 0xE6), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(note, 8, 8);
    p.setPen(steel());
    drawCaption(p, note.adjusted(16, 0, -16, 0), placeholderNote(j.language(), false), 14, 10, false,
                Qt::AlignLeft, j.where());
    // Page number, large and light.
    p.setPen(QColor(0xB8, 0xC7, 0xE6));
    drawLines(p, QRectF(r.right() - 120, r.top() + 96, 100, 60), {QString::number(j.spec.name.right(1).toInt())},
              uiFont(56, true), Qt::AlignRight);
}

void pumpTablePage(QPainter& p, const QRectF& r, const Job& j)
{
    // The main window shows its title strip (title, subtitle and rule, 63
    // pixels) over the top of this page, so the page draws no heading of its own.
    p.fillRect(r, paper());
    const QStringList columns = {QStringLiteral("Bomba"), QStringLiteral("Nº TQ"), QStringLiteral("Aplicação"),
                                 QStringLiteral("Vazão"), QStringLiteral("Pressão")};
    const qreal widths[] = {150, 110, 220, 80, 73};
    const qreal x0 = r.left() + 40;
    qreal y = r.top() + 116;
    qreal x = x0;
    for (int c = 0; c < columns.size(); ++c) {
        p.fillRect(QRectF(x, y, widths[c] - 2, 24), brand());
        p.setPen(white());
        drawCaption(p, QRectF(x + 6, y, widths[c] - 12, 24), columns[c], 13, 9, true, Qt::AlignLeft, j.where());
        x += widths[c];
    }
    y += 26;
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 14; ++row) {
        p.fillRect(QRectF(x0, y, 633 - 2, 22), row % 2 ? white() : QColor(0xE9, 0xF0, 0xFA));
        qreal cx = x0;
        for (int c = 0; c < columns.size(); ++c) {
            const qreal len = (widths[c] - 24) * (0.45 + 0.5 * std::fmod(std::sin(row * 7.3 + c * 3.1) * 0.5 + 0.5, 1.0));
            roundedFill(p, QRectF(cx + 6, y + 8, len, 6), 3, QColor(0xC6, 0xD2, 0xE8));
            cx += widths[c];
        }
        y += 22;
    }
    const QRectF note(r.left() + 40, r.bottom() - 74, r.width() - 80, 46);
    roundedFill(p, note, 8, white());
    p.setPen(steel());
    drawCaption(p, note.adjusted(16, 0, -16, 0), placeholderNote(QLatin1Char('P'), true), 14, 10, false,
                Qt::AlignLeft, j.where());
}

}  // namespace resources::recipe
