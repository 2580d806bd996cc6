#include "resources/generator/contactsheet.h"

#include "resources/generator/recipes.h"
#include "resources/generator/typesetting.h"
#include "resources/palette.h"

#include <QPainter>

#include <algorithm>

namespace resources {
namespace {

enum class Group { Composed, Screens, Titles, Buttons, Headers, Small };

Group groupOf(const PictureSpec& s)
{
    if (s.width * s.height >= 60000)
        return Group::Screens;
    if (s.recipe == QLatin1String("title") || s.recipe == QLatin1String("rule") || s.recipe == QLatin1String("apptitle")
        || s.recipe == QLatin1String("logo") || s.recipe == QLatin1String("progressframe")
        || s.recipe == QLatin1String("progressbar"))
        return Group::Titles;
    if (s.recipe == QLatin1String("colhead") || s.recipe == QLatin1String("check") || s.recipe == QLatin1String("paneltitle")
        || s.recipe == QLatin1String("panellink") || s.recipe == QLatin1String("link")
        || s.recipe == QLatin1String("updatedon"))
        return Group::Headers;
    if (s.recipe == QLatin1String("tool") || s.recipe == QLatin1String("toolicon") || s.recipe == QLatin1String("toollink")
        || s.recipe == QLatin1String("startbtn") || s.recipe == QLatin1String("langlit"))
        return Group::Buttons;
    return Group::Small;
}

const char* groupTitle(Group g)
{
    switch (g) {
    case Group::Composed: return "Composed: pictures at their places in the windows (one button lit)";
    case Group::Screens: return "Screens, pages and backgrounds";
    case Group::Titles: return "Titles, rules and bars";
    case Group::Buttons: return "Buttons and links (normal, then lit)";
    case Group::Headers: return "Column headers, labels and panel captions";
    case Group::Small: return "Icons, frames and small pictures (real size, then x3)";
    }
    return "";
}

// Places pictures on a canvas the way the windows do, so that the set can be
// judged in context.
class Composer {
public:
    Composer(const Manifest& manifest, QChar language, const std::function<QImage(const Picture&)>& load, QSize size)
        : m_manifest(manifest), m_language(language), m_load(load), m_image(size, QImage::Format_RGB32)
    {
        m_image.fill(palette::paper());
    }
    // Draws NAME (or NAME_S) at (x, y); the type is the language's when the
    // manifest holds the picture per language, else "G".
    void put(const QString& name, int x, int y)
    {
        const PictureSpec* spec = m_manifest.find(name);
        if (!spec)
            return;
        const QString type = spec->sets == QLatin1String("G") ? QStringLiteral("G")
                             : spec->sets.contains(m_language) ? QString(m_language)
                                                                : spec->sets.left(1);
        const QImage img = m_load(Picture{type, name, name != spec->name, spec});
        QPainter p(&m_image);
        p.drawImage(x, y, img);
    }
    void fill(const QRect& r, const QColor& c)
    {
        QPainter p(&m_image);
        p.fillRect(r, c);
    }
    QImage image() const { return m_image; }

private:
    const Manifest& m_manifest;
    QChar m_language;
    std::function<QImage(const Picture&)> m_load;
    QImage m_image;
};

// Edition D's logo panel lies above the toolbar, the title bar and the
// screens.
void putLogo(Composer& c, QChar edition)
{
    if (edition == QLatin1Char('D'))
        c.put(QStringLiteral("LOGO_D"), 10, 10);
}

void putToolbar(Composer& c, QChar edition, int focus)
{
    const bool d = edition == QLatin1Char('D');
    c.put(d ? QStringLiteral("BARRAMENU_D") : QStringLiteral("FUNDOMENU"), 0, 0);
    c.put(QStringLiteral("CARRO"), 32, 457);
    c.put(focus == 1 ? QStringLiteral("INICIO_S") : QStringLiteral("INICIO"), 20, 505);
    c.put(QStringLiteral("ATUALIZACAO"), 11, 523);
    c.put(d ? QStringLiteral("AEMPRESA") : QStringLiteral("TQDOBRASIL"), d ? 12 : 13, 542);
    c.put(QStringLiteral("AJUDA"), 18, 559);
    c.put(QStringLiteral("SAIR"), 23, 577);
}

std::vector<std::pair<QString, QImage>> compositions(const Manifest& m, QChar edition, QChar language,
                                                    const std::function<QImage(const Picture&)>& load)
{
    std::vector<std::pair<QString, QImage>> out;
    const bool d = edition == QLatin1Char('D');
    const QString tq = d ? QStringLiteral("GRIDNROTQSD") : QStringLiteral("GRIDNROTQ");
    {
        Composer c(m, language, load, QSize(800, 600));
        c.put(d ? QStringLiteral("TELAIDIOMAS_D") : QStringLiteral("TELAIDIOMAS"), 0, 0);
        c.put(QStringLiteral("IDIOMAPORTUGUES_S"), 254, 97);
        out.emplace_back(QStringLiteral("start window, Portuguese lit"), c.image());
    }
    {
        Composer c(m, language, load, QSize(800, 600));
        putToolbar(c, edition, 1);
        c.put(QStringLiteral("TELAINICIAL") + edition, 89, 0);
        bool first = true;
        for (const StartPlace& place : startScreenPlaces(edition)) {
            const bool button = !place.picture.startsWith(QLatin1String("ICO")) && !place.picture.startsWith(QLatin1String("ATUALIZADOEM"))
                                && !place.picture.startsWith(QLatin1String("DAZADIZE"));
            c.put(place.picture + (button && first ? QStringLiteral("_S") : QString()), 89 + place.at.x(), place.at.y());
            first = first && !button;
        }
        putLogo(c, edition);
        out.emplace_back(QStringLiteral("main window, start screen"), c.image());
    }
    {
        Composer c(m, language, load, QSize(800, 600));
        putToolbar(c, edition, 0);
        c.put(QStringLiteral("AVANCAR_S"), 18, 100);
        c.put(QStringLiteral("VOLTAR"), 24, 153);
        c.put(QStringLiteral("TITULOPESQUISA"), 89, 0);
        c.put(QStringLiteral("TITULOLINHA"), 89, 57);
        c.put(tq, 89 + 35, 107);
        c.put(QStringLiteral("GRIDDESCRICAO"), 89 + 124, 107);
        if (edition != QLatin1Char('V'))
            c.put(QStringLiteral("GRIDTIPO"), 89 + 262, 107);
        c.put(QStringLiteral("GRIDNROMONTADORA"), 89 + 578, 107);
        const QStringList checks = {QStringLiteral("CHKEIXOS"), QStringLiteral("CHKTRANSMISSOES"),
                                    QStringLiteral("CHKJOGOSREPARO"), QStringLiteral("CHKCOMPONENTES")};
        for (int i = 0; i < checks.size(); ++i) {
            c.put(i == 1 ? QStringLiteral("QUADRADOVAZIO") : QStringLiteral("QUADRADOMARCADO"), 89 + 404, 99 + 16 * i);
            c.put(checks[i] + (i == 2 ? QStringLiteral("_S") : QString()), 89 + 416, 97 + 16 * i);
        }
        c.fill(QRect(89 + 35, 137, 81, 21), Qt::white);
        c.fill(QRect(89 + 124, 137, 262, 21), Qt::white);
        c.put(QStringLiteral("SETACOMBO"), 89 + 262 + 50, 136);
        putLogo(c, edition);
        out.emplace_back(QStringLiteral("main window, part search"), c.image());
    }
    {
        Composer c(m, language, load, QSize(800, 600));
        putToolbar(c, edition, 0);
        c.put(QStringLiteral("TABELA"), 23, 100);
        c.put(QStringLiteral("VOLTAR_S"), 24, 153);
        c.put(QStringLiteral("IMPRIMIR"), 17, 205);
        c.put(QStringLiteral("ANIMACAOCARRO8"), 21, 446);
        c.put(QStringLiteral("TITULOFIGURA"), 89, 0);
        c.put(QStringLiteral("TITULOLINHA"), 89, 57);
        c.put(tq, 89 + 24, 101);
        c.put(QStringLiteral("GRIDQUANTIDADE"), 89 + 113, 100);
        c.put(QStringLiteral("GRIDCOMPONENTE"), 89 + 172, 101);
        for (int i = 0; i < 8; ++i) {
            const int x = 89 + 16 + 23 * i;
            if (i == 0)
                c.put(QStringLiteral("QUADRADOPARTEATUAL"), x - 4, 560 - 4);
            if (i == 3)
                c.put(QStringLiteral("QUADRADOPARTESELECIONADA"), x - 4, 560 - 4);
            c.put(QStringLiteral("PARTEFIGURA%1").arg(i + 1), x, 560);
        }
        // Repair-kit panel and buying-suggestion panel.
        c.fill(QRect(108, 184, 176, 59), palette::paper());
        c.put(QStringLiteral("TITJOGOREPAROCAIXA"), 108 + 7, 184 + 6);
        c.put(QStringLiteral("JOGOREPARORODAPE"), 108, 184 + 53);
        c.put(QStringLiteral("FUNDOSUGESTAO"), 455, 140);
        c.put(QStringLiteral("TITSUGESTAOCAIXA"), 455 + 7, 140 + 7);
        c.put(QStringLiteral("FECHARSUG"), 455 + 156, 140 + 6);
        c.put(QStringLiteral("INCLUIRSELECIONADOSSUG"), 455 + 13, 140 + 22);
        c.put(QStringLiteral("SELECIONARTODOSSUG"), 455 + 13, 140 + 38);
        c.put(QStringLiteral("SUGPAGINAANTERIOR"), 455 + 141, 140 + 34);
        c.put(QStringLiteral("SUGPROXIMAPAGINA"), 455 + 155, 140 + 34);
        c.put(QStringLiteral("ICOOPCIONAIS"), 455 + 103, 140 + 51);
        c.put(QStringLiteral("ICOOPCIONAIS_S"), 455 + 103, 140 + 96);
        putLogo(c, edition);
        out.emplace_back(QStringLiteral("main window, figure"), c.image());
    }
    {
        Composer c(m, language, load, QSize(700, 450));
        c.put(d ? QStringLiteral("FUNDOTELINHA_D") : QStringLiteral("FUNDOTELINHA"), 0, 0);
        c.put(QStringLiteral("VOLTAR"), 37, 33);
        c.put(QStringLiteral("IMPRIMIR_S"), 30, 84);
        c.put(QStringLiteral("GERARARQUIVO"), 37, 135);
        c.put(QStringLiteral("ENVIAREMAIL"), 36, 194);
        c.put(QStringLiteral("LIMPAR"), 34, 254);
        c.fill(QRect(98, 11, 592, 65), palette::paper());
        c.put(QStringLiteral("TITULOLISTA"), 98, 11);
        c.fill(QRect(98, 76, 592, 364), palette::paper());
        c.put(tq, 98 + 22, 76 + 21);
        c.put(QStringLiteral("GRIDDESCRICAO"), 98 + 110, 76 + 21);
        c.put(QStringLiteral("GRIDQUANTIDADE"), 98 + 296, 76 + 20);
        c.put(QStringLiteral("ICOAUMENTAR"), 98 + 420, 76 + 60);
        c.put(QStringLiteral("ICODIMINUIR_S"), 98 + 448, 76 + 60);
        c.put(QStringLiteral("ICOEXCLUIR"), 98 + 476, 76 + 60);
        out.emplace_back(QStringLiteral("detail window, cart list"), c.image());
    }
    return out;
}

}  // namespace

std::vector<Picture> picturesFor(const Manifest& manifest, QChar edition, QChar language)
{
    std::vector<Picture> out;
    for (const Picture& p : manifest.pictures()) {
        if (!p.spec->shownIn(edition))
            continue;
        if (p.type != QLatin1String("G") && p.type != QString(language))
            continue;
        out.push_back(p);
    }
    return out;
}

QImage buildContactSheet(const Manifest& manifest, QChar edition, QChar language,
                         const std::function<QImage(const Picture&)>& load)
{
    constexpr int kWidth = 1600;
    constexpr int kMargin = 24;
    constexpr int kGap = 18;
    constexpr int kLabel = 28;

    struct Cell {
        Picture picture;
        QImage image;
        Group group;
        QString label;  // compositions only
    };
    std::vector<Cell> cells;
    for (auto& [label, image] : compositions(manifest, edition, language, load))
        cells.push_back({Picture{}, image, Group::Composed, label});
    const int composedCount = static_cast<int>(cells.size());
    for (const Picture& p : picturesFor(manifest, edition, language))
        cells.push_back({p, load(p), groupOf(*p.spec), {}});
    std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) { return a.group < b.group; });

    // Lay out first, then paint onto an image of the height found.
    struct Placed {
        const Cell* cell;
        QRect box;  // the picture
        bool zoom;
    };
    std::vector<Placed> placed;
    std::vector<std::pair<int, Group>> headings;
    int x = kMargin;
    int y = 96;
    int rowHeight = 0;
    Group current = Group::Screens;
    bool first = true;
    for (const Cell& c : cells) {
        if (first || c.group != current) {
            if (!first)
                y += rowHeight + kLabel + kGap + 12;
            headings.emplace_back(y, c.group);
            y += 34;
            x = kMargin;
            rowHeight = 0;
            current = c.group;
            first = false;
        }
        const QSize size = c.picture.spec ? QSize(c.picture.spec->width, c.picture.spec->height) : c.image.size();
        const bool zoom = c.group == Group::Small && size.width() <= 32 && size.height() <= 32;
        const int cellWidth = std::max(size.width() + (zoom ? size.width() * 3 + 12 : 0), 150);
        const int cellHeight = zoom ? size.height() * 3 : size.height();
        if (x + cellWidth > kWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kLabel + kGap;
            rowHeight = 0;
        }
        placed.push_back({&c, QRect(QPoint(x, y), size), zoom});
        x += cellWidth + kGap;
        rowHeight = std::max(rowHeight, cellHeight);
    }
    y += rowHeight + kLabel + kMargin;

    QImage sheet(kWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(0xEE, 0xEF, 0xF2));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(palette::ink());
    drawLines(p, QRect(kMargin, 20, kWidth, 34),
              {QStringLiteral("Picture set - edition %1, language %2 - %3 pictures")
                   .arg(edition)
                   .arg(language)
                   .arg(cells.size() - static_cast<size_t>(composedCount))},
              uiFont(24, true), Qt::AlignLeft);
    p.setPen(palette::grey());
    drawLines(p, QRect(kMargin, 56, kWidth, 20),
              {QStringLiteral("Every picture at its real size; type/NAME and width x height under each.")},
              uiFont(14, false), Qt::AlignLeft);
    for (const auto& [hy, g] : headings) {
        p.setPen(palette::brand());
        drawLines(p, QRect(kMargin, hy, kWidth, 26), {QString::fromLatin1(groupTitle(g))}, uiFont(18, true), Qt::AlignLeft);
        p.fillRect(QRect(kMargin, hy + 27, kWidth - 2 * kMargin, 1), palette::mist());
    }
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(11);
    for (const Placed& pl : placed) {
        const Cell& c = *pl.cell;
        QImage img = c.image;
        p.setPen(QColor(0xC0, 0xC4, 0xCC));
        p.setBrush(Qt::NoBrush);
        p.drawRect(pl.box.adjusted(-1, -1, 0, 0));
        if (img.isNull()) {
            p.fillRect(pl.box, QColor(0xE0, 0x40, 0x40));
        } else {
            if (img.hasAlphaChannel()) {
                QImage ground(img.size(), QImage::Format_RGB32);
                ground.fill(palette::paper());
                QPainter gp(&ground);
                gp.drawImage(0, 0, img);
                gp.end();
                img = ground;
            }
            p.drawImage(pl.box.topLeft(), img);
            if (pl.zoom) {
                const QRect big(pl.box.right() + 13, pl.box.top(), pl.box.width() * 3, pl.box.height() * 3);
                p.drawImage(big, img.scaled(big.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
            }
        }
        const bool sizeOk = !img.isNull() && img.size() == pl.box.size();
        p.setFont(mono);
        p.setPen(sizeOk ? palette::ink() : QColor(0xC0, 0x20, 0x20));
        p.setFont(mono);
        const int labelTop = pl.box.top() + (pl.zoom ? pl.box.height() * 3 : pl.box.height()) + 4;
        if (!c.picture.spec) {
            p.drawText(QPoint(pl.box.left(), labelTop + 10), c.label);
            continue;
        }
        p.drawText(QPoint(pl.box.left(), labelTop + 10), c.picture.type + QLatin1Char('/') + c.picture.name);
        p.drawText(QPoint(pl.box.left(), labelTop + 22),
                   QStringLiteral("%1 x %2%3").arg(pl.box.width()).arg(pl.box.height()).arg(sizeOk ? QString() : QStringLiteral("  SIZE!")));
    }
    p.end();
    return sheet;
}

}  // namespace resources
