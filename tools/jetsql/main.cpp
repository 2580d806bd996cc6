// jetsql DATABASE "SQL": runs one Jet SQL statement through the database
// layer exactly as the catalogue program would.  A query prints its rows as
// tab-separated text with a header line (Null as an empty field; tab, line
// breaks and backslash escaped as \t \n \r \\); another statement runs on a
// writable connection and reports the rows it touched on stderr.  Errors
// print their number and message on stderr and exit with 1.

#include "platform/dao/dao.h"
#include "platform/dao/jetsql.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace platform::dao;

namespace {

QString cellText(const QVariant& v)
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

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: jetsql DATABASE \"SQL\"\n");
        return 2;
    }
    const QString path = args[1];
    const QString sql = args[2];
    QTextStream out(stdout);
    try {
        const bool query = jet::TranslateStatement(sql).kind == jet::StatementKind::Select;
        auto ws = DBEngine::CreateWorkspace(QStringLiteral("jetsql"));
        auto db = ws->OpenDatabase(path, false, query);
        if (!query) {
            db->Execute(sql, dbFailOnError);
            std::fprintf(stderr, "%ld row(s) affected\n", db->RecordsAffected());
            return 0;
        }
        auto rs = db->OpenRecordset(sql, dbOpenForwardOnly);
        QStringList header;
        for (const FieldInfo& f : rs->FieldInfos())
            header << cellText(f.name);
        out << header.join(QLatin1Char('\t')) << '\n';
        while (!rs->EOF_()) {
            QStringList row;
            for (int i = 0; i < rs->FieldCount(); ++i)
                row << cellText(rs->Value(i));
            out << row.join(QLatin1Char('\t')) << '\n';
            rs->MoveNext();
        }
        return 0;
    } catch (const platform::Error& e) {
        out.flush();
        std::fprintf(stderr, "Error %ld: %s\n", e.number(), e.description().toLocal8Bit().constData());
        return 1;
    }
}
