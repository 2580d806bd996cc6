#include "textolinhas.h"

namespace jetsql {

using namespace platform::dao;

QString TextoCelula(const QVariant& v)
{
    if (IsNull(v))
        return {};
    QString s;
    switch (v.typeId()) {
    case QMetaType::QDateTime:
        s = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        break;
    case QMetaType::Double:
        s = QString::number(v.toDouble(), 'g', 15);
        break;
    case QMetaType::Bool:
        s = v.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
        break;
    case QMetaType::QByteArray:
        s = QString::fromLatin1(v.toByteArray().toHex());
        break;
    default:
        s = v.toString();
    }
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return s;
}

void EscreveLinhas(const RecordsetPtr& rs, QTextStream& out)
{
    QStringList header;
    for (const FieldInfo& f : rs->FieldInfos())
        header << TextoCelula(f.name);
    out << header.join(QLatin1Char('\t')) << '\n';
    while (!rs->EOF_()) {
        QStringList row;
        for (int i = 0; i < rs->FieldCount(); ++i)
            row << TextoCelula(rs->Value(i));
        out << row.join(QLatin1Char('\t')) << '\n';
        rs->MoveNext();
    }
}

}  // namespace jetsql
