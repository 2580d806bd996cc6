// The bulk writer keeps the database layer's own guards: the file ends with
// the same schema objects as tables created through the layer alone, and a
// zero-length text is refused as the layer refuses it.

#include "tools/demo/dbwriter.h"
#include "tools/demo/schema.h"

#include "fixture.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

QStringList SchemaObjects(const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QStringList out;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT type || ' ' || name || ' ' || sql FROM sqlite_master WHERE type IN ('table', 'trigger') AND name NOT LIKE 'sqlite_%' ORDER BY type, name", -1, &st,
                       nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW)
        out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

TEST(DemoDatabaseWriter, TheLayersSchemaObjectsAreKept)
{
    const demotest::Folder f = demotest::Generate(demotest::Small(QStringLiteral("V")));
    tqtest::TempDir dir;
    {
        auto plain = platform::dao::DBEngine::CreateDatabase(dir.file(QStringLiteral("plain.mdb")));
        for (const demo::TableSpec& t : demo::CatalogueSchema())
            plain->Execute(t.createStatement);
        plain->Close();
    }
    f.db->Close();
    const QStringList generated = SchemaObjects(f.summary.catalogueFile), plain = SchemaObjects(dir.file(QStringLiteral("plain.mdb")));
    EXPECT_EQ(generated.join(QLatin1Char('\n')).toStdString(), plain.join(QLatin1Char('\n')).toStdString());
    EXPECT_GE(generated.size(), 24);
}

TEST(DemoDatabaseWriter, AZeroLengthTextIsRefused)
{
    tqtest::TempDir dir;
    demo::DatabaseWriter writer(dir.file(QStringLiteral("z.mdb")), demo::CatalogueSchema());
    writer.Insert(QStringLiteral("COMPONENTE"), {1, QStringLiteral("501000001"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                                 QStringLiteral("\r")});
    try {
        writer.Insert(QStringLiteral("COMPONENTE"), {2, QStringLiteral("501000002"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                                     QString(QLatin1String(""))});
        FAIL() << "accepted";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), platform::dao::JetError::ZeroLength);
        EXPECT_TRUE(e.description().contains(QLatin1String("COMPONENTE.ImagensGrid")));
    }
    EXPECT_THROW(writer.Insert(QStringLiteral("NO_TABLE"), {1}), platform::Error);
    EXPECT_THROW(writer.Insert(QStringLiteral("COMPONENTE"), {1, 2}), platform::Error);
}

}  // namespace
