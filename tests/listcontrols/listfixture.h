#pragma once
// A small table of items in a fresh database, a data control over it and a
// window to put lists in, for the list-control tests.

#include "listcontrols/thgrid.h"
#include "platform/dao/dao.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include <sqlite3.h>


namespace listtest {

using platform::dao::Bookmark;
using platform::dao::DatabasePtr;
using platform::dao::DataControl;
using platform::dao::RecordsetPtr;

// Row i (1-based) of ITENS: Codigo i, Numero "N000i", Descricao "Item i",
// ImagensGrid from the flags function (" " sets a flag).
class Fixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = platform::dao::DBEngine::CreateDatabase(dir.file(QStringLiteral("itens.mdb")));
        db->Execute(QStringLiteral(
            "CREATE TABLE ITENS (Codigo LONG NOT NULL CONSTRAINT PK_ITENS PRIMARY KEY, Numero TEXT(20), Descricao TEXT(60), "
            "ImagensGrid TEXT(10))"));
        janela.resize(700, 520);
    }

    void Preenche(int n, const std::function<QString(int)>& flags = {},
                  const std::function<QString(int)>& descricoes = {})
    {
        // One transaction through the connection itself: fast enough for
        // thousands of rows.
        sqlite3* h = db->nativeHandle();
        ASSERT_EQ(sqlite3_exec(h, "BEGIN; DELETE FROM ITENS;", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_stmt* st = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(h, "INSERT INTO ITENS VALUES (?1, ?2, ?3, ?4)", -1, &st, nullptr), SQLITE_OK);
        for (int i = 1; i <= n; ++i) {
            const QByteArray numero = QStringLiteral("N%1").arg(i, 4, 10, QLatin1Char('0')).toUtf8();
            const QByteArray descricao = (descricoes ? descricoes(i) : QStringLiteral("Item %1").arg(i)).toUtf8();
            const QByteArray f = (flags ? flags(i) : QStringLiteral("\r\r\r\r")).toUtf8();
            sqlite3_bind_int(st, 1, i);
            sqlite3_bind_text(st, 2, numero.constData(), int(numero.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 3, descricao.constData(), int(descricao.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 4, f.constData(), int(f.size()), SQLITE_TRANSIENT);
            ASSERT_EQ(sqlite3_step(st), SQLITE_DONE);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        ASSERT_EQ(sqlite3_exec(h, "COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);
    }

    // Binds a data control to ITENS (all rows or those up to `ate`).
    void Abre(DataControl& d, int ate = -1)
    {
        d.SetDatabase(db);
        d.SetRecordSource(ate < 0 ? QStringLiteral("SELECT * FROM ITENS ORDER BY Codigo")
                                  : QStringLiteral("SELECT * FROM ITENS WHERE Codigo <= %1 ORDER BY Codigo").arg(ate));
        d.Refresh();
    }

    // A picture of w x h pixels in one colour.
    static QPixmap Figura(int w, int h, QColor cor)
    {
        QPixmap p(w, h);
        p.fill(cor);
        return p;
    }

    static THPictures Figuras(int n)
    {
        THPictures p;
        for (int k = 0; k < n; ++k) {
            p[0].push_back(Figura(14, 14, QColor::fromHsv(k * 60, 200, 200)));
            p[1].push_back(Figura(14, 14, QColor::fromHsv(k * 60, 255, 120)));
        }
        return p;
    }

    // A grid of `linhas` rows, 400 pixels wide, in the window.
    THGrid* NovoGrid(int linhas, int borda = 0)
    {
        auto* g = new THGrid(&janela);
        g->ReadProperties({{QStringLiteral("BorderStyle"), borda}, {QStringLiteral("BackColor"), 0xFFFFFF},
                           {QStringLiteral("BarraColor"), 0xF4E4DC}});
        g->mUserControlPixelWidth = 400;
        g->mUserControlPixelHeight = linhas * 17;
        g->Move(10, 10, 400, linhas * 17);
        return g;
    }

    void MostraJanela()
    {
        janela.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    }

    tqtest::TempDir dir;
    DatabasePtr db;
    QWidget janela;
};

}  // namespace listtest
