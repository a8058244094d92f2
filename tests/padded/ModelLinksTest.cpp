#include "PaddedFixture.h"

#include "padded/ModelLinks.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::PaddedTarget;

namespace {

class ModelLinksTest : public ::testing::Test
{
protected:
    ModelLinksTest() : t(QStringLiteral("P.68 (Bar)"))
    {
        t.setCounter(QStringLiteral("ModelID"), 20);
    }

    void link(int part, std::array<QString, 12> models)
    {
        EXPECT_EQ(ModelLinks::LinkPartToModels(t.state, part, models), 0);
        EXPECT_FALSE(t.state.rsLookup.isOpen());
    }
    QStringList models() const
    {
        return t.joined(QStringLiteral("Select * From Pta_ModelID Order By rowid"));
    }
    QStringList links() const
    {
        return t.joined(QStringLiteral("Select * From Pta_BrandCar Order By rowid"));
    }
    QStringList withoutModels() const
    {
        return t.joined(QStringLiteral("Select * From Pta_Model Order By rowid"));
    }

    PaddedTarget t;
};

std::array<QString, 12> only(std::initializer_list<std::pair<int, const char*>> filled)
{
    std::array<QString, 12> models;
    for (const auto& [at, text] : filled)
        models[static_cast<size_t>(at - 1)] = QString::fromUtf8(text);
    return models;
}

} // namespace

TEST_F(ModelLinksTest, APartWithoutModelsIsMarkedOnce)
{
    std::array<QString, 12> blank;
    blank[4] = QStringLiteral("   ");
    link(5, blank);
    EXPECT_EQ(links(), QStringList({"5|7|0|ZARAV|"}));
    EXPECT_EQ(withoutModels(), QStringList({"5|0"}));
    EXPECT_TRUE(models().isEmpty());
    EXPECT_EQ(t.counter(QStringLiteral("ModelID")), 20);

    // Again: nothing new. A part with a link of any brand and model gets no mark link, but its
    // Pta_Model row all the same.
    link(5, blank);
    t.execute({QStringLiteral("Insert Into Pta_BrandCar Values (6, 99, 3, 'OTHER', 'X')")});
    link(6, blank);
    EXPECT_EQ(links(), QStringList({"5|7|0|ZARAV|", "6|99|3|OTHER|X"}));
    EXPECT_EQ(withoutModels(), QStringList({"5|0", "6|0"}));
}

TEST_F(ModelLinksTest, NewModelsAreRecordedOnceAndKnownOnesLinked)
{
    t.execute({QStringLiteral("Insert Into Pta_ModelID Values (0, 7, 4, 'ZARAVVIOS', 'VIOS', "
                              "'VIOS', 0)")});
    link(5, only({{3, "VIOS"}, {7, "YARIS"}, {9, "YARIS"}}));
    link(6, only({{1, "YARIS"}}));
    // One counter step, for the one new model; each part linked once to each of its models.
    EXPECT_EQ(t.counter(QStringLiteral("ModelID")), 21);
    EXPECT_EQ(models(),
              QStringList({"0|7|4|ZARAVVIOS|VIOS|VIOS|0", "0|7|21|ZARAVYARIS|YARIS|YARIS|0"}));
    EXPECT_EQ(links(),
              QStringList({"5|7|4|ZARAV|VIOS", "5|7|21|ZARAV|YARIS", "6|7|21|ZARAV|YARIS"}));
    EXPECT_TRUE(withoutModels().isEmpty());
}

// The key is stored in its look-up form, so a model whose text holds separators, blanks at its
// ends or an apostrophe is found again and never recorded twice.
TEST_F(ModelLinksTest, EveryModelIsFoundAgain)
{
    struct Case
    {
        const char* model;
        const char* stored; // the key as stored, the find form of the text, the text
    };
    const Case cases[] = {
        {"BT-50 PRO", "ZARAVBT50PRO|BT50PRO|BT-50 PRO"},
        {" D'MAX 4/4 ", "ZARAVDMAX44|DMAX44| D'MAX 4/4 "},
        {"HILUX", "ZARAVHILUX|HILUX|HILUX"},
    };
    int part = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        ++part;
        t.execute({QStringLiteral("Delete From Pta_ModelID"),
                   QStringLiteral("Delete From Pta_BrandCar")});
        link(part, only({{1, c.model}}));
        link(part, only({{1, c.model}}));
        link(part + 100, only({{2, c.model}}));
        const QString id = QString::number(20 + part);
        EXPECT_EQ(models(), QStringList({"0|7|" + id + "|" + QString::fromUtf8(c.stored) + "|0"}));
        const QString text = QString::fromUtf8(c.model);
        EXPECT_EQ(links(),
                  QStringList({QString::number(part) + "|7|" + id + "|ZARAV|" + text,
                               QString::number(part + 100) + "|7|" + id + "|ZARAV|" + text}));
    }
}

TEST_F(ModelLinksTest, ACounterThatGivesNoModelIdStopsBeforeAnyRow)
{
    for (const char* stored : {"Null", "-5"}) {
        SCOPED_TRACE(stored);
        t.execute({QStringLiteral("Update LastID Set LastID = %1 Where NameID = 'ModelID'")
                       .arg(QLatin1String(stored))});
        EXPECT_THROW(ModelLinks::LinkPartToModels(t.state, 5, only({{1, "VIOS"}})), RunStop);
        EXPECT_TRUE(models().isEmpty());
        EXPECT_TRUE(links().isEmpty());
    }
}
