// jetsql DATABASE "SQL": runs one Jet SQL statement through the database
// layer exactly as the catalogue program would.  A query prints its rows as
// tab-separated text with a header line (Null as an empty field; tab, line
// breaks and backslash escaped as \t \n \r \\); another statement runs on a
// writable connection and reports the rows it touched on stderr.  Errors
// print their number and message on stderr and exit with 1.

#include "platform/dao/dao.h"
#include "platform/dao/jetsql.h"
#include "textolinhas.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace platform::dao;

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
        jetsql::EscreveLinhas(rs, out);
        return 0;
    } catch (const platform::Error& e) {
        out.flush();
        std::fprintf(stderr, "Error %ld: %s\n", e.number(), e.description().toLocal8Bit().constData());
        return 1;
    }
}
