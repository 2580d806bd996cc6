// The object model of the database layer: opening, errors, recordset
// navigation, bookmarks, Find, transactions, the data control.

#include "platform/base/vbruntime.h"
#include "platform/dao/dao.h"

#include "support/testutil.h"

#include <QSignalSpy>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace platform::dao;

namespace {

class DaoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file(QStringLiteral("t.mdb"));
        db = DBEngine::CreateDatabase(path);
        db->Execute(QStringLiteral("CREATE TABLE T (Codigo INTEGER PRIMARY KEY, Nome TEXT(20))"));
        for (int i = 1; i <= 5; ++i)
            db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (%1, 'n%1')").arg(i));
    }
    tqtest::TempDir dir;
    QString path;
    DatabasePtr db;
};

TEST_F(DaoTest, OpeningBadFilesGivesJetErrors)
{
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("w"));
    EXPECT_EQ(tqtest::errorNumberOf([&] { ws->OpenDatabase(dir.file(QStringLiteral("missing.mdb"))); }), JetError::FileNotFound);
    tqtest::writeFile(dir.file(QStringLiteral("text.mdb")), QByteArray("this is not a database, only some text that is long enough to matter.").repeated(100));
    EXPECT_EQ(tqtest::errorNumberOf([&] { ws->OpenDatabase(dir.file(QStringLiteral("text.mdb"))); }), JetError::NotADatabase);
    EXPECT_EQ(tqtest::errorNumberOf([&] { ws->OpenDatabase(dir.path()); }), JetError::CannotOpen);

    // A truncated database: the header survives, the pages do not.
    const QByteArray whole = tqtest::readFile(path);
    tqtest::writeFile(dir.file(QStringLiteral("cut.mdb")), whole.left(1000));
    const long cut = tqtest::errorNumberOf([&] {
        auto d = ws->OpenDatabase(dir.file(QStringLiteral("cut.mdb")), false, true);
        d->OpenRecordset(QStringLiteral("SELECT * FROM T"));
    });
    EXPECT_TRUE(cut == JetError::NotADatabase || cut == JetError::Corrupt) << cut;
}

TEST_F(DaoTest, WritableOpenOfAReadOnlyFileFails)
{
    db->Close();
    QFile::setPermissions(path, QFile::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "running with privileges that ignore file modes";
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("w"));
    EXPECT_EQ(tqtest::errorNumberOf([&] { ws->OpenDatabase(path, false, false); }), JetError::CannotOpen);
    auto ro = ws->OpenDatabase(path, false, true);
    EXPECT_EQ(ro->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 5);
}

TEST_F(DaoTest, ReadOnlyDatabaseRefusesWrites)
{
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    auto ro = ws->OpenDatabase(path, false, true);
    EXPECT_EQ(tqtest::errorNumberOf([&] { ro->Execute(QStringLiteral("DELETE FROM T")); }), JetError::ReadOnly);
}

TEST_F(DaoTest, StatementErrorsHaveJetNumbersAndChangeNothing)
{
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'x')")); }),
              JetError::DuplicateKey);
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->OpenRecordset(QStringLiteral("SELECT * FROM Nada")); }), JetError::NoSuchTable);
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->OpenRecordset(QStringLiteral("SELECT Nada FROM T")); }), JetError::TooFewParameters);
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("DROP TABLE Nada")); }), JetError::TableNotFound);
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("SELECT * FROM T")); }), 3065);
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 5);
}

TEST_F(DaoTest, SnapshotNavigation)
{
    auto rs = db->OpenRecordset(QStringLiteral("SELECT Codigo, Nome FROM T ORDER BY Codigo"));
    EXPECT_FALSE(rs->BOF());
    EXPECT_FALSE(rs->EOF_());
    EXPECT_EQ(rs->RecordCount(), 5);
    EXPECT_EQ(rs->AbsolutePosition(), 0);
    EXPECT_EQ(rs->Fields(QStringLiteral("nome")).Value().toString(), QStringLiteral("n1"));
    EXPECT_EQ(rs->Fields(0).Type(), dbLong);
    rs->Move(3);
    EXPECT_EQ(rs->Value(0).toInt(), 4);
    rs->Move(5);
    EXPECT_TRUE(rs->EOF_());
    EXPECT_EQ(rs->AbsolutePosition(), -1);
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->MoveNext(); }), JetError::NoCurrentRecord);
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->Value(0); }), JetError::NoCurrentRecord);
    rs->MoveLast();
    EXPECT_EQ(rs->Value(0).toInt(), 5);
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->BOF());
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->MovePrevious(); }), JetError::NoCurrentRecord);
    rs->SetAbsolutePosition(2);
    EXPECT_EQ(rs->Value(QStringLiteral("Codigo")).toInt(), 3);
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->SetAbsolutePosition(5); }), JetError::InvalidArgument);
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->Fields(QStringLiteral("Nada")); }), JetError::ItemNotFound);

    auto empty = db->OpenRecordset(QStringLiteral("SELECT * FROM T WHERE Codigo > 99"));
    EXPECT_TRUE(empty->BOF());
    EXPECT_TRUE(empty->EOF_());
    EXPECT_EQ(empty->RecordCount(), 0);
    EXPECT_EQ(tqtest::errorNumberOf([&] { empty->MoveFirst(); }), JetError::NoCurrentRecord);
    EXPECT_EQ(tqtest::errorNumberOf([&] { empty->GetBookmark(); }), JetError::NoCurrentRecord);
}

TEST_F(DaoTest, NullValuesAndTypes)
{
    db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (9, NULL)"));
    auto rs = db->OpenRecordset(QStringLiteral("SELECT Nome, Codigo * 2 AS Dobro, 'x' AS Letra FROM T WHERE Codigo = 9"));
    EXPECT_TRUE(IsNull(rs->Value(0)));
    EXPECT_TRUE(rs->Fields(0).IsNull());
    EXPECT_EQ(rs->Fields(0).Text(), QString());
    EXPECT_EQ(rs->Value(1).toInt(), 18);
    EXPECT_EQ(rs->Fields(1).Type(), dbLong);
    EXPECT_EQ(rs->Fields(2).Type(), dbText);
}

TEST_F(DaoTest, BookmarksCloneAndRequery)
{
    auto rs = db->OpenRecordset(QStringLiteral("SELECT Codigo FROM T ORDER BY Codigo"));
    rs->Move(2);
    const Bookmark b = rs->GetBookmark();
    auto clone = rs->Clone();
    clone->SetBookmark(b);
    EXPECT_EQ(clone->Value(0).toInt(), 3);
    EXPECT_EQ(rs->BookmarkOfRow(2), b);
    EXPECT_EQ(rs->RowOfBookmark(b), 2);

    db->Execute(QStringLiteral("DELETE FROM T WHERE Codigo = 1"));
    rs->Requery();
    EXPECT_EQ(rs->RecordCount(), 4);
    // A bookmark from before the requery names a row of other data: refused.
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->SetBookmark(b); }), JetError::InvalidBookmark);
    EXPECT_EQ(rs->RowOfBookmark(b), -1);
    // The clone still holds the old rows.
    EXPECT_EQ(clone->RecordCount(), 5);
}

TEST_F(DaoTest, CloneStartsBeforeTheFirstRowAndAnEmptyCloneAtBothEnds)
{
    auto rs = db->OpenRecordset(QStringLiteral("SELECT Codigo FROM T ORDER BY Codigo"));
    auto clone = rs->Clone();
    EXPECT_TRUE(clone->BOF());
    EXPECT_FALSE(clone->EOF_());

    auto empty = db->OpenRecordset(QStringLiteral("SELECT Codigo FROM T WHERE Codigo < 0"));
    auto emptyClone = empty->Clone();
    EXPECT_TRUE(emptyClone->BOF());
    EXPECT_TRUE(emptyClone->EOF_());
    int rows = 0;
    for (; !emptyClone->EOF_(); emptyClone->MoveNext())
        ++rows;
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(tqtest::errorNumberOf([&] { emptyClone->Value(0); }), JetError::NoCurrentRecord);
}

TEST_F(DaoTest, FindFirstNextPreviousLast)
{
    db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (6, 'n2')"));
    auto rs = db->OpenRecordset(QStringLiteral("SELECT Codigo, Nome FROM T ORDER BY Codigo"));
    rs->FindFirst(QStringLiteral("Nome = 'n2'"));
    ASSERT_FALSE(rs->NoMatch());
    EXPECT_EQ(rs->Value(0).toInt(), 2);
    rs->FindNext(QStringLiteral("Nome = 'n2'"));
    EXPECT_EQ(rs->Value(0).toInt(), 6);
    rs->FindNext(QStringLiteral("Nome = 'n2'"));
    EXPECT_TRUE(rs->NoMatch());
    EXPECT_EQ(rs->Value(0).toInt(), 6);  // the current record stays
    rs->FindPrevious(QStringLiteral("Codigo < 4"));
    EXPECT_EQ(rs->Value(0).toInt(), 3);
    rs->FindLast(QStringLiteral("Codigo > 0"));
    EXPECT_EQ(rs->Value(0).toInt(), 6);
    rs->FindFirst(QStringLiteral("Codigo = 99"));
    EXPECT_TRUE(rs->NoMatch());
}

TEST_F(DaoTest, ForwardOnlyReadsOnDemand)
{
    auto rs = db->OpenRecordset(QStringLiteral("SELECT Codigo FROM T ORDER BY Codigo"), dbOpenForwardOnly);
    EXPECT_EQ(rs->Value(0).toInt(), 1);
    EXPECT_EQ(rs->RecordCount(), 1);
    int n = 0;
    while (!rs->EOF_()) {
        ++n;
        rs->MoveNext();
    }
    EXPECT_EQ(n, 5);
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->MovePrevious(); }), JetError::OperationNotSupported);
    rs->Close();
    rs->Close();
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->EOF_(); }), JetError::ObjectClosed);
}

TEST_F(DaoTest, TransactionsRollBackAndNest)
{
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("w"));
    auto d = ws->OpenDatabase(path);
    ws->BeginTrans();
    d->Execute(QStringLiteral("DELETE FROM T WHERE Codigo = 1"));
    ws->BeginTrans();
    d->Execute(QStringLiteral("DELETE FROM T WHERE Codigo = 2"));
    ws->Rollback();
    ws->CommitTrans(dbForceOSFlush);
    EXPECT_EQ(d->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 4);
    ws->BeginTrans();
    d->Execute(QStringLiteral("DELETE FROM T"));
    ws->Rollback();
    EXPECT_EQ(d->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 4);
    EXPECT_EQ(tqtest::errorNumberOf([&] { ws->CommitTrans(); }), JetError::NoTransaction);
    ws->Close();
    ws->Close();
    EXPECT_FALSE(d->IsOpen());
}

TEST_F(DaoTest, AnOpenWriteTransactionMakesOtherWritersFailQuickly)
{
    auto ws1 = DBEngine::CreateWorkspace(QStringLiteral("a"));
    auto ws2 = DBEngine::CreateWorkspace(QStringLiteral("b"));
    auto d1 = ws1->OpenDatabase(path);
    auto d2 = ws2->OpenDatabase(path);
    ws1->BeginTrans();
    d1->Execute(QStringLiteral("UPDATE T SET Nome = Nome"));
    EXPECT_EQ(tqtest::errorNumberOf([&] { d2->Execute(QStringLiteral("UPDATE T SET Nome = Nome")); }), JetError::Locked);
    // Readers are not blocked by the open transaction.
    EXPECT_EQ(d2->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 5);
    ws1->CommitTrans();
    d2->Execute(QStringLiteral("UPDATE T SET Nome = Nome"));
}

TEST_F(DaoTest, AReadOnlyOpenRollsBackTheHotJournalOfAKilledWriter)
{
    // A writer whose transaction outgrew its cache has written into the file
    // and synced its journal: a copy of both, taken then, is what a kill leaves.
    db->Close();
    sqlite3* w = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &w), SQLITE_OK);
    sqlite3_exec(w, "PRAGMA cache_size = 2; PRAGMA synchronous = FULL; BEGIN; DELETE FROM T", nullptr, nullptr, nullptr);
    for (int i = 0; i < 200; ++i)
        sqlite3_exec(w, QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (%1, '%2')")
                            .arg(100 + i)
                            .arg(QString(300, QLatin1Char('x')))
                            .toUtf8()
                            .constData(),
                     nullptr, nullptr, nullptr);
    const QString copia = dir.file(QStringLiteral("morto.mdb"));
    ASSERT_TRUE(QFile::copy(path, copia));
    ASSERT_TRUE(QFile::copy(path + QStringLiteral("-journal"), copia + QStringLiteral("-journal")));
    sqlite3_exec(w, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(w);
    ASSERT_NE(tqtest::readFile(copia), tqtest::readFile(path)) << "the copy holds the writer's pages";

    auto ws = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    auto ro = ws->OpenDatabase(copia, false, true);
    EXPECT_EQ(ro->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 5);
    EXPECT_FALSE(QFile::exists(copia + QStringLiteral("-journal")));
}

TEST_F(DaoTest, TableDefsListUserTables)
{
    db->Execute(QStringLiteral("CREATE TABLE Outra (a INTEGER)"));
    QStringList names;
    for (const TableDef& t : db->TableDefs())
        names << t.Name();
    EXPECT_EQ(names, (QStringList{QStringLiteral("T"), QStringLiteral("Outra")}));
    const auto fields = db->GetTableDef(QStringLiteral("t")).Fields();
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[1].name, QStringLiteral("Nome"));
    EXPECT_EQ(fields[1].type, dbText);
    EXPECT_EQ(fields[1].size, 20);
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->GetTableDef(QStringLiteral("Nada")); }), JetError::ItemNotFound);
}

TEST_F(DaoTest, DataControlBindsARecordset)
{
    DataControl dc;
    QSignalSpy bound(&dc, &DataControl::recordsetChanged);
    QSignalSpy moved(&dc, &DataControl::currentChanged);
    dc.SetDatabaseName(path);
    dc.SetRecordSource(QStringLiteral("SELECT * FROM T ORDER BY Codigo"));
    dc.Refresh();
    ASSERT_TRUE(dc.Recordset());
    EXPECT_EQ(dc.Recordset()->RecordCount(), 5);
    EXPECT_EQ(bound.count(), 1);
    dc.Recordset()->MoveNext();
    EXPECT_EQ(moved.count(), 1);
    dc.SetRecordSource(QStringLiteral("SELECT * FROM Nada"));
    EXPECT_EQ(tqtest::errorNumberOf([&] { dc.Refresh(); }), JetError::NoSuchTable);
    EXPECT_EQ(dc.Recordset()->RecordCount(), 5);  // the old rows stay bound
}

TEST_F(DaoTest, DataControlFollowsANewDatabaseNameAfterAHandedOverDatabase)
{
    // A list bound to an open database (the auxiliary one) and then pointed
    // back at a file by name reads that file.
    const QString other = dir.file(QStringLiteral("outro.mdb"));
    {
        auto d = DBEngine::CreateDatabase(other);
        d->Execute(QStringLiteral("CREATE TABLE T (Codigo LONG, Nome TEXT(20))"));
        d->Execute(QStringLiteral("INSERT INTO T VALUES (1, 'x')"));
        d->Close();
    }
    DataControl dc;
    dc.SetDatabase(db);
    dc.SetRecordSource(QStringLiteral("SELECT * FROM T"));
    dc.Refresh();
    EXPECT_EQ(dc.Recordset()->RecordCount(), 5);
    dc.SetDatabaseName(other);
    dc.Refresh();
    EXPECT_EQ(dc.Recordset()->RecordCount(), 1);
    EXPECT_TRUE(db->IsOpen()) << "a handed-over database is not closed";
}

TEST(DaoDates, DayNumbersCountFrom1899)
{
    EXPECT_DOUBLE_EQ(DateToDayNumber(QDateTime(QDate(1899, 12, 31), QTime(0, 0))), 1.0);
    EXPECT_DOUBLE_EQ(DateToDayNumber(QDateTime(QDate(2000, 1, 1), QTime(12, 0))), 36526.5);
    EXPECT_EQ(DayNumberToDate(36526.5), QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
}

TEST(DaoDates, ADayBeforeDayZeroCarriesItsTimeAsAPositiveFraction)
{
    // -1.25 is 29 December 1899, 06:00, for a recordset as for the SQL
    // functions and Format.
    const QDateTime early(QDate(1899, 12, 29), QTime(6, 0));
    EXPECT_DOUBLE_EQ(DateToDayNumber(early), -1.25);
    EXPECT_EQ(DayNumberToDate(-1.25), early);
    EXPECT_EQ(platform::vb::FormatText(-1.25, QStringLiteral("dd/mm/yyyy hh:nn")), QStringLiteral("29/12/1899 06:00"));
}

}  // namespace
