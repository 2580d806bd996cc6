// The Jet SQL translator and the database layer: any text as one statement
// (what an update script's "E:" line may hold), translated, then run on a
// small catalogue inside a transaction that is rolled back; a query's rows
// are read to the last value.
#include "fuzzsupport.h"

#include "platform/dao/jetsql.h"

using namespace platform::dao;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString sql = tqfuzz::Utf8(data, size);
    jet::Translation t;
    try {
        t = jet::TranslateStatement(sql);
    } catch (const platform::Error&) {
        return 0;
    }
    tqfuzz::RolledBack([&](const DatabasePtr& db) {
        if (t.kind != jet::StatementKind::Select) {
            db->Execute(sql, dbFailOnError);
            return;
        }
        const RecordsetPtr rs = db->OpenRecordset(sql, dbOpenSnapshot);
        for (; !rs->EOF_(); rs->MoveNext())
            for (int k = 0; k < rs->FieldCount(); ++k)
                (void)rs->Fields(k).Text();
        rs->Close();
    });
    return 0;
}
