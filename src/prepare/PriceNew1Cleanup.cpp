#include "prepare/PriceNew1Cleanup.h"

#include "prepare/IsuzuKindFlags.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "window/RunState.h"

namespace lostrand {

namespace {
const QString Table = QStringLiteral("PriceNew_1");
const QString Start = QStringLiteral("Update PriceNew_1");

// Where a Thai name was delivered as a year or in Latin letters.
const char* const NonThaiStarts[] = {"2018", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K",
                                     "L",    "M", "N", "O", "P", "R", "S", "T", "U", "V", "W", "Y"};
} // namespace

void PriceNew1Cleanup::ClearLostTName(RunState& state)
{
    // Four question marks, escaped so that they read as no trigraph.
    state.executeSource(Start + QStringLiteral(" Set TName = '' Where TName = '\?\?\?\?' "));
}

void PriceNew1Cleanup::ClearDotModels(RunState& state)
{
    PrepareSteps::runForColumns(state, Start, QStringLiteral(" Set %1 = '' Where %1 = '.' "),
                                PriceListColumns::models());
}

void PriceNew1Cleanup::NormalizeKindFlags(RunState& state)
{
    PrepareSteps::runForColumns(state, Start, QStringLiteral(" Set %1 = 0 Where %1 Is Null "),
                                PriceListColumns::kinds());
    IsuzuKindFlags::shortenFlags(state, Table);
}

void PriceNew1Cleanup::ClearNonThaiTName(RunState& state)
{
    for (const char* start : NonThaiStarts)
        state.executeSource(Start + QStringLiteral(" Set TName = '' Where TName Like ") +
                            state.qs(QLatin1String(start) + QLatin1Char('%')) +
                            QStringLiteral(" "));
}

void PriceNew1Cleanup::FinalizePriceNew1(RunState& state)
{
    for (const char* clause :
         {" Set EName = '' Where EName Is Null ", " Set TName = '' Where TName Is Null ",
          " Set TName = EName Where TName = '' ", " Set PartNO = '' Where PartNO Is Null "})
        state.executeSource(Start + QLatin1String(clause));
    state.executeSource(QStringLiteral("Delete From ") + Table +
                        QStringLiteral(" Where PartNO = '' And TName = '' "));
}

} // namespace lostrand
