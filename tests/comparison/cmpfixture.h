#pragma once
// The demo catalogue as the comparison tests see it: one generated fixture
// folder per edition (made once per test program), its catalogue opened
// read-only as gDbDazadize and its auxiliary database as gDbAuxiliar, the
// run's language and edition set, and the run's cart table created.

#include "core/globals.h"
#include "platform/dao/dao.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"
#include "tools/demo/demo.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <vector>

namespace cmptest {

// The fixture folder of an edition (generated at the first call).
const demo::Summary& Catalogue(const QString& edition);

class CatalogueTest : public ::testing::Test {
protected:
    // Opens the edition's folder with the language; creates the cart table.
    void Open(const QString& edition, const QString& language = QStringLiteral("P"));
    void TearDown() override;

    // Every row of a query on a database, values as the layer gives them.
    static std::vector<std::vector<QVariant>> Rows(const platform::dao::DatabasePtr& db, const QString& sql);

    const demo::Summary* m_summary = nullptr;

private:
    QString m_idioma, m_edicao, m_pasta, m_carrinho;
    bool m_open = false;
};

}  // namespace cmptest
