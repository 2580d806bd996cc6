#include "resources/generator/captions.h"

#include <QRegularExpression>

#include "core/texts.h"

namespace resources {

QString expandTextTemplate(const QString& templ, QChar language, QChar defaultEdition, const TextLookup& lookup)
{
    static const QRegularExpression entry(QStringLiteral("\\{(\\d+)(?::(\\d+))?(?:@([VADM]))?\\}"));
    QString out;
    qsizetype at = 0;
    auto it = entry.globalMatch(templ);
    while (it.hasNext()) {
        const auto m = it.next();
        out += templ.mid(at, m.capturedStart() - at);
        const QChar edition = m.captured(3).isEmpty() ? defaultEdition : m.captured(3).at(0);
        QString text = lookup(m.captured(1).toLong(), language, edition);
        if (!m.captured(2).isEmpty())
            text.replace(QLatin1String("|1|"), lookup(m.captured(2).toLong(), language, edition));
        if (text.isEmpty())
            return {};
        out += text;
        at = m.capturedEnd();
    }
    out += templ.mid(at);
    return out;
}

TextLookup programTexts()
{
    return [](long n, QChar language, QChar edition) {
        return Modulo::ObtemTexto(n, QString(language), QString(edition));
    };
}

QString pictureCaption(const PictureSpec& spec, QChar language)
{
    const QChar lang = language == QLatin1Char('G') ? QLatin1Char('P') : language;
    static const TextLookup texts = programTexts();
    if (texts && !spec.text.isEmpty()) {
        const QChar edition = spec.editions.isEmpty() ? QLatin1Char('V') : spec.editions.at(0);
        const QString fromTable = expandTextTemplate(spec.text, lang, edition, texts);
        if (!fromTable.isEmpty())
            return fromTable;
    }
    return spec.caption(lang);
}

}  // namespace resources
