#include "db/Recordset.h"
#include "db/Connection.h"
#include "db/Currency.h"
#include "db/DbError.h"
#include "support/TestDatabase.h"
#include "support/UnknownRowCounts.h"

#include <gtest/gtest.h>
#include <optional>

using lostrand::Connection;
using lostrand::Currency;
using lostrand::DbError;
using lostrand::Recordset;
using lostrand::test::TestDatabase;
using lostrand::test::UnknownRowCounts;

namespace {

// Each case runs on both roads: the embedded engine and the ODBC driver.
class RecordsetTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        file =
            db.create(QStringLiteral("t.mdb"),
                      {QStringLiteral("Create Table T (ID Long, Name Text(60), Price Currency)")});
        cn.setConnectionString(GetParam() ? TestDatabase::sqlServerString(file)
                                          : TestDatabase::accessTargetString(file));
        cn.open();
    }

    TestDatabase db;
    QString file;
    Connection cn;
};

std::string roadName(const ::testing::TestParamInfo<bool>& info)
{
    return info.param ? "Odbc" : "Embedded";
}

} // namespace

TEST_P(RecordsetTest, TextsComeBackExactly)
{
    const QStringList texts{QStringLiteral("DRIVER'S SEAT, L/H '"),
                            QStringLiteral("ไก่ย่าง เเก "),
                            QStringLiteral("ends in a blank "),
                            QStringLiteral("a,b,,c"),
                            QStringLiteral(" lead"),
                            QString()};
    int id = 0;
    for (const QString& text : texts)
        cn.execute(
            QStringLiteral("Insert Into T Values( %1, %2, 0 )").arg(++id).arg(cn.quote(text)));
    Recordset rs;
    rs.open(QStringLiteral("Select ID, Name From T Order By ID"), cn);
    for (const QString& text : texts) {
        ASSERT_FALSE(rs.eof());
        EXPECT_EQ(rs.text(QStringLiteral("Name")), text);
        EXPECT_FALSE(rs.isNull(QStringLiteral("Name")));
        rs.moveNext();
    }
    EXPECT_TRUE(rs.eof());
    // A read-back by the same quoted value finds the row.
    Recordset check;
    check.open(QStringLiteral("Select ID From T Where Name = %1").arg(cn.quote(texts.at(0))), cn);
    EXPECT_FALSE(check.eof());
    EXPECT_EQ(check.value(QStringLiteral("ID")).toInt(), 1);
}

TEST_P(RecordsetTest, NullIsToldApartFromAnEmptyText)
{
    cn.execute(QStringLiteral("Insert Into T Values( 1, Null, Null )"));
    cn.execute(QStringLiteral("Insert Into T Values( 2, '', 0 )"));
    Recordset rs;
    rs.open(QStringLiteral("Select ID, Name, Price From T Order By ID"), cn);
    EXPECT_TRUE(rs.isNull(QStringLiteral("Name")));
    EXPECT_TRUE(rs.isNull(QStringLiteral("price")));
    EXPECT_THROW(rs.text(QStringLiteral("Name")), DbError);
    EXPECT_FALSE(Currency::fromVariant(rs.value(QStringLiteral("Price"))).has_value());
    rs.moveNext();
    EXPECT_FALSE(rs.isNull(QStringLiteral("NAME")));
    EXPECT_EQ(rs.text(QStringLiteral("Name")), QString());
    EXPECT_EQ(Currency::fromVariant(rs.value(QStringLiteral("Price"))), Currency());
}

TEST_P(RecordsetTest, RecordCountIsExactWhereverTheCursorStands)
{
    Recordset rs;
    rs.open(QStringLiteral("Select ID From T"), cn);
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    rs.close();
    for (int i = 1; i <= 5; ++i)
        cn.execute(QStringLiteral("Insert Into T Values( %1, 'n', %1.25 )").arg(i));
    rs.open(QStringLiteral("Select ID, Price From T Order By ID"), cn);
    rs.moveNext();
    EXPECT_EQ(rs.recordCount(), 5);
    // Counting read ahead; the rows still come in order afterwards.
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(rs.value(QStringLiteral("id")).toInt(), i);
        EXPECT_EQ(Currency::fromVariant(rs.value(QStringLiteral("Price")))->toString(),
                  QStringLiteral("%1.25").arg(i));
        rs.moveNext();
    }
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 5);
    EXPECT_THROW(rs.moveNext(), DbError);
    EXPECT_THROW(rs.value(QStringLiteral("ID")), DbError);
}

TEST_P(RecordsetTest, UnknownFieldsAndDoubleOpensFail)
{
    cn.execute(QStringLiteral("Insert Into T Values( 1, 'a', 1 )"));
    Recordset rs;
    rs.open(QStringLiteral("Select ID As Rec_Count From T"), cn);
    EXPECT_EQ(rs.value(QStringLiteral("REC_COUNT")).toInt(), 1);
    EXPECT_THROW(rs.value(QStringLiteral("ID")), DbError);
    EXPECT_THROW(rs.open(QStringLiteral("Select ID From T"), cn), DbError);
    rs.close();
    rs.close();
    EXPECT_FALSE(rs.isOpen());
}

// Through a driver that gives no row count (-1) the recordset reads the row back instead: the
// writes hold, and a row changed behind its back is still refused.
TEST_P(RecordsetTest, AddNewAndUpdateWriteTheRow)
{
    for (const bool counted : {true, false}) {
        SCOPED_TRACE(counted ? "counted" : "not counted");
        cn.execute(QStringLiteral("Delete From T"));
        std::optional<UnknownRowCounts> unknown;
        if (!counted)
            unknown.emplace();
        Recordset rs;
        rs.open(QStringLiteral("Select ID, Name From T Where Name = 'x''y'"), cn);
        ASSERT_TRUE(rs.eof());
        rs.addNew();
        rs.setValue(QStringLiteral("Name"), QStringLiteral("x'y"));
        rs.setValue(QStringLiteral("ID"), 41);
        rs.update();
        rs.close();

        rs.open(QStringLiteral("Select ID, Name From T Where Name = 'x''y'"), cn);
        ASSERT_FALSE(rs.eof());
        EXPECT_EQ(rs.value(QStringLiteral("ID")).toInt(), 41);
        rs.setValue(QStringLiteral("ID"), rs.value(QStringLiteral("ID")).toInt() + 1);
        rs.update();
        rs.close();
        EXPECT_EQ(TestDatabase::scalar(file, QStringLiteral("Select ID From T")).toInt(), 42);

        // Optimistic locking: a row changed behind the recordset's back is not overwritten.
        rs.open(QStringLiteral("Select ID, Name From T"), cn);
        cn.execute(QStringLiteral("Update T Set ID = 7"));
        rs.setValue(QStringLiteral("ID"), 43);
        EXPECT_THROW(rs.update(), DbError);
        EXPECT_EQ(TestDatabase::scalar(file, QStringLiteral("Select ID From T")).toInt(), 7);
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, RecordsetTest, ::testing::Bool(), roadName);

// The same select opened again on one recordset, as the new-part loop opens its queue, sees the
// rows as they are now, and the table as it is now when it was made anew in between.
TEST_P(RecordsetTest, TheSameSelectAgainSeesTheTableAsItIsNow)
{
    const QString select = QStringLiteral("Select * From T Order By ID");
    cn.execute(QStringLiteral("Insert Into T Values( 1, 'ONE', 10 )"));
    Recordset rs;
    rs.open(select, cn);
    EXPECT_EQ(rs.recordCount(), 1);
    rs.close();
    cn.execute(QStringLiteral("Insert Into T Values( 2, 'TWO', 20 )"));
    rs.open(select, cn);
    EXPECT_EQ(rs.recordCount(), 2);
    rs.close();

    cn.execute(QStringLiteral("Drop Table T"));
    cn.execute(QStringLiteral("Create Table T (ID Long, Code Text(10))"));
    cn.execute(QStringLiteral("Insert Into T Values( 3, 'C' )"));
    rs.open(select, cn);
    EXPECT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(rs.text(QStringLiteral("Code")), QStringLiteral("C"));
    rs.close();

    // A statement that fails leaves nothing behind for the next open of the same text.
    cn.execute(QStringLiteral("Drop Table T"));
    EXPECT_THROW(rs.open(select, cn), DbError);
    cn.execute(QStringLiteral("Create Table T (ID Long)"));
    rs.open(select, cn);
    EXPECT_TRUE(rs.eof());
}
