// THGridModel over a bound recordset, checked by QAbstractItemModelTester.

#include "listcontrols/thgridmodel.h"

#include "listfixture.h"

#include <QAbstractItemModelTester>

using namespace listtest;

using GridModel = Fixture;

TEST_F(GridModel, FollowsRecordsetRequeryAndColumns)
{
    Preenche(30);
    DataControl dc;
    Abre(dc, 10);

    THGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.insertGridColumn(0, QStringLiteral("Numero"), 0);
    model.insertGridColumn(1, QStringLiteral("Descricao"), 1);
    model.insertGridColumn(2, QStringLiteral("NaoExiste"), 0);
    model.setRecordset(dc.Recordset());

    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.index(2, 0).data().toString(), "N0003");
    EXPECT_EQ(model.index(2, 1).data().toString(), "Item 3");
    EXPECT_EQ(model.index(2, 2).data().toString(), "");   // an unknown field shows nothing
    EXPECT_EQ(Qt::Alignment(model.index(0, 1).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    const auto b = model.index(4, 0).data(THGridModel::BookmarkRole).value<Bookmark>();
    EXPECT_EQ(dc.Recordset()->RowOfBookmark(b), 4);
    // Reading cells never moves the cursor.
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 0);

    // Same count, new generation: a requery resets the model.
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    dc.Recordset()->Requery();
    EXPECT_TRUE(model.syncWithRecordset());
    EXPECT_EQ(resets.count(), 1);
    EXPECT_FALSE(model.syncWithRecordset());

    // A new record source with another row count.
    dc.SetRecordSource(QStringLiteral("SELECT * FROM ITENS WHERE Codigo > 25"));
    dc.Refresh();
    model.setRecordset(dc.Recordset());
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.index(0, 0).data().toString(), "N0026");

    model.setDataField(2, QStringLiteral("Codigo"));
    EXPECT_EQ(model.index(0, 2).data().toString(), "26");
    model.removeGridColumn(0);
    EXPECT_EQ(model.columnCount(), 2);

    // Without a recordset the model is empty.
    model.setRecordset(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(GridModelText, ValuesAsTheGridWritesThem)
{
    using platform::dao::dbBoolean;
    using platform::dao::dbDate;
    using platform::dao::dbDouble;
    using platform::dao::dbText;
    EXPECT_EQ(THGridModel::textOf(QVariant(), dbText), "");
    EXPECT_EQ(THGridModel::textOf(QVariant(2.0), dbDouble), "2");
    EXPECT_EQ(THGridModel::textOf(QVariant(0.1 + 0.2), dbDouble), "0.3");
    EXPECT_EQ(THGridModel::textOf(QVariant(-1), dbBoolean), "True");
    EXPECT_EQ(THGridModel::textOf(QVariant(45000.0), dbDate), "15/03/2023");
    EXPECT_EQ(THGridModel::textOf(QVariant(QStringLiteral("VEDAÇÃO")), dbText), "VEDAÇÃO");
}
