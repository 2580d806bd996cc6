#pragma once
// Small demo folders for the generator's own tests, read back through the
// database layer.

#include "tools/demo/demo.h"

#include "platform/dao/dao.h"
#include "support/testutil.h"

#include <QVariant>

#include <memory>
#include <vector>

namespace demotest {

struct Folder {
    std::unique_ptr<tqtest::TempDir> dir;
    demo::Summary summary;
    platform::dao::WorkspacePtr ws;
    platform::dao::DatabasePtr db;  // the catalogue, read-only

    // Every row of a query, values as the layer gives them.
    std::vector<std::vector<QVariant>> rows(const QString& sql) const;
    // The first column of every row as text.
    QStringList column(const QString& sql) const;
    long long count(const QString& sql) const;
};

// Generates a folder (small scale, no picture files unless asked) and opens
// its catalogue read-only.
Folder Generate(demo::Options options);
demo::Options Small(const QString& edition);

}  // namespace demotest
