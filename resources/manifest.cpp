#include "resources/manifest.h"

#include <QFile>
#include <QRegularExpression>

#include <set>

namespace resources {
namespace {

constexpr int kColumns = 13;

[[noreturn]] void fail(const QString& origin, int line, const QString& what)
{
    throw ManifestError(QStringLiteral("%1:%2: %3").arg(origin).arg(line).arg(what).toStdString());
}

QString unescape(const QString& field)
{
    if (field == QLatin1String("-"))
        return {};
    QString out = field;
    out.replace(QLatin1String("\\n"), QLatin1String("\n"));
    return out;
}

bool onlyLetters(const QString& s, const QString& allowed)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!allowed.contains(c))
            return false;
    return true;
}

}  // namespace

QString PictureSpec::caption(QChar language) const
{
    switch (language.unicode()) {
    case 'E': return captions[1];
    case 'I': return captions[2];
    default: return captions[0];
    }
}

QStringList PictureSpec::types() const
{
    QStringList out;
    for (QChar c : sets)
        out << QString(c);
    return out;
}

QString Picture::resourcePath() const
{
    return resourcePrefix() + type + QLatin1Char('/') + name;
}

Manifest Manifest::load(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ManifestError(QStringLiteral("cannot read %1").arg(path).toStdString());
    return parse(QString::fromUtf8(f.readAll()), path);
}

Manifest Manifest::parse(const QString& text, const QString& origin)
{
    static const QRegularExpression nameRe(QStringLiteral("^[A-Z0-9_]+$"));
    static const QRegularExpression rangeRe(QStringLiteral("^([A-Z0-9_]+)\\{(\\d+)\\.\\.(\\d+)\\}$"));

    Manifest m;
    std::set<QString> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() != kColumns)
            fail(origin, lineNo, QStringLiteral("expected %1 tab-separated columns, found %2").arg(kColumns).arg(f.size()));

        PictureSpec spec;
        spec.line = lineNo;
        if (f[0] != QLatin1String("R") && f[0] != QLatin1String("D"))
            fail(origin, lineNo, QStringLiteral("kind must be R or D"));
        spec.kind = f[0].at(0);
        spec.sets = f[1];
        if (spec.sets != QLatin1String("G") && !onlyLetters(spec.sets, QStringLiteral("PEI")))
            fail(origin, lineNo, QStringLiteral("sets must be G or letters of PEI"));
        bool okW = false, okH = false;
        spec.width = f[3].toInt(&okW);
        spec.height = f[4].toInt(&okH);
        if (!okW || !okH || spec.width <= 0 || spec.height <= 0)
            fail(origin, lineNo, QStringLiteral("width and height must be positive numbers"));
        spec.editions = f[5];
        if (!onlyLetters(spec.editions, QStringLiteral("VADM")))
            fail(origin, lineNo, QStringLiteral("editions must be letters of VADM"));
        if (f[6] != QLatin1String("S") && f[6] != QLatin1String("-"))
            fail(origin, lineNo, QStringLiteral("twin must be S or -"));
        spec.twin = f[6] == QLatin1String("S");
        spec.format = f[7];
        if (spec.format != QLatin1String("jpg") && spec.format != QLatin1String("gif"))
            fail(origin, lineNo, QStringLiteral("format must be jpg or gif"));
        const int colon = f[8].indexOf(QLatin1Char(':'));
        spec.recipe = colon < 0 ? f[8] : f[8].left(colon);
        spec.argument = colon < 0 ? QString() : f[8].mid(colon + 1);
        if (spec.recipe.isEmpty())
            fail(origin, lineNo, QStringLiteral("missing drawing recipe"));
        spec.text = unescape(f[9]);
        for (int k = 0; k < 3; ++k)
            spec.captions[k] = unescape(f[10 + k]);

        QStringList names;
        std::vector<int> numbers;
        const auto range = rangeRe.match(f[2]);
        if (range.hasMatch()) {
            const int from = range.captured(2).toInt();
            const int to = range.captured(3).toInt();
            if (from > to)
                fail(origin, lineNo, QStringLiteral("empty range"));
            for (int n = from; n <= to; ++n) {
                names << range.captured(1) + QString::number(n);
                numbers.push_back(n);
            }
        } else {
            if (!nameRe.match(f[2]).hasMatch())
                fail(origin, lineNo, QStringLiteral("a name is upper-case letters, digits and _"));
            names << f[2];
            numbers.push_back(0);
        }
        for (int k = 0; k < names.size(); ++k) {
            PictureSpec e = spec;
            e.name = names[k];
            e.number = numbers[static_cast<size_t>(k)];
            QStringList produced{e.name};
            if (e.twin)
                produced << e.name + QLatin1String("_S");
            for (const QString& n : produced)
                if (!seen.insert(n).second)
                    fail(origin, lineNo, QStringLiteral("%1 is listed twice").arg(n));
            m.m_specs.push_back(std::move(e));
        }
    }
    return m;
}

std::vector<Picture> Manifest::pictures() const
{
    std::vector<Picture> out;
    for (const PictureSpec& s : m_specs) {
        for (const QString& type : s.types()) {
            out.push_back(Picture{type, s.name, false, &s});
            if (s.twin)
                out.push_back(Picture{type, s.name + QLatin1String("_S"), true, &s});
        }
    }
    return out;
}

const PictureSpec* Manifest::find(const QString& name) const
{
    for (const PictureSpec& s : m_specs) {
        if (s.name == name)
            return &s;
        if (s.twin && name == s.name + QLatin1String("_S"))
            return &s;
    }
    return nullptr;
}

}  // namespace resources
