#include "fixture.h"

namespace demotest {

namespace dao = platform::dao;

demo::Options Small(const QString& edition)
{
    return demo::Options::Fixture(edition, QString());
}

Folder Generate(demo::Options options)
{
    Folder f;
    f.dir = std::make_unique<tqtest::TempDir>();
    options.outDir = f.dir->file(QStringLiteral("dados"));
    f.summary = demo::GenerateDataFolder(options);
    f.ws = dao::DBEngine::CreateWorkspace(QStringLiteral("demotest"));
    f.db = f.ws->OpenDatabase(f.summary.catalogueFile, false, true);
    return f;
}

std::vector<std::vector<QVariant>> Folder::rows(const QString& sql) const
{
    std::vector<std::vector<QVariant>> out;
    auto rs = db->OpenRecordset(sql, dao::dbOpenSnapshot);
    for (long r = 0; r < rs->RecordCount(); ++r) {
        std::vector<QVariant> row;
        for (int c = 0; c < int(rs->FieldInfos().size()); ++c)
            row.push_back(rs->ValueAt(r, c));
        out.push_back(std::move(row));
    }
    rs->Close();
    return out;
}

QStringList Folder::column(const QString& sql) const
{
    QStringList out;
    for (const auto& r : rows(sql))
        out << r[0].toString();
    return out;
}

long long Folder::count(const QString& sql) const
{
    const auto r = rows(sql);
    return r.empty() ? 0 : r[0][0].toLongLong();
}

}  // namespace demotest
