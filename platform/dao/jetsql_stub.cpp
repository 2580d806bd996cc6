// Temporary stand-in for the translator: passes SQLite-compatible text
// through.  Removed when the translator lands.
#include "platform/dao/jetsql.h"

#include "platform/dao/dao.h"

#include <QRegularExpression>

namespace platform::dao::jet {

Translation TranslateStatement(const QString& jetSql)
{
    Translation t;
    t.sql = jetSql.toUtf8();
    const QString head = jetSql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    if (head == QLatin1String("SELECT"))
        t.kind = StatementKind::Select;
    else if (head == QLatin1String("INSERT"))
        t.kind = StatementKind::Insert;
    else if (head == QLatin1String("UPDATE"))
        t.kind = StatementKind::Update;
    else if (head == QLatin1String("DELETE"))
        t.kind = StatementKind::Delete;
    else if (head == QLatin1String("CREATE"))
        t.kind = StatementKind::CreateTable;
    else if (head == QLatin1String("DROP"))
        t.kind = StatementKind::DropTable;
    return t;
}

QByteArray TranslateCriteria(const QString& criteria, const QStringList& fieldNames)
{
    QString out = criteria;
    for (int i = 0; i < fieldNames.size(); ++i)
        out.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(fieldNames[i])),
                                       QRegularExpression::CaseInsensitiveOption),
                    QStringLiteral("?%1").arg(i + 1));
    return ("SELECT " + out).toUtf8();
}

int JetTypeFromDeclType(const QString& decl, int* size)
{
    const QString d = decl.toUpper();
    int s = 0;
    int type = dbText;
    if (d.startsWith(QLatin1String("TEXT"))) {
        type = dbText;
        static const QRegularExpression n(QStringLiteral("\\((\\d+)\\)"));
        const auto m = n.match(d);
        s = m.hasMatch() ? m.captured(1).toInt() : 255;
    } else if (d == QLatin1String("LONGTEXT")) {
        type = dbMemo;
    } else if (d == QLatin1String("INTEGER")) {
        type = dbLong, s = 4;
    } else if (d == QLatin1String("SMALLINT")) {
        type = dbInteger, s = 2;
    } else if (d == QLatin1String("TINYINT")) {
        type = dbByte, s = 1;
    } else if (d == QLatin1String("BOOLEAN")) {
        type = dbBoolean, s = 1;
    } else if (d == QLatin1String("REAL")) {
        type = dbSingle, s = 4;
    } else if (d == QLatin1String("DOUBLE")) {
        type = dbDouble, s = 8;
    } else if (d == QLatin1String("CURRENCY")) {
        type = dbCurrency, s = 8;
    } else if (d == QLatin1String("DATETIME")) {
        type = dbDate, s = 8;
    } else if (d == QLatin1String("BLOB")) {
        type = dbLongBinary;
    }
    if (size)
        *size = s;
    return type;
}

void RegisterFunctions(sqlite3*) {}

}  // namespace platform::dao::jet
