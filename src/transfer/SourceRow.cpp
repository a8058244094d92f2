#include "transfer/SourceRow.h"

#include "common/BlankText.h"
#include "db/DbError.h"
#include "db/Recordset.h"

#include <array>
#include <limits>

namespace lostrand {

namespace {

[[noreturn]] void conversionError(const QString& field, const QVariant& value)
{
    throw DbError({}, QStringLiteral("Type mismatch: %1 holds %2").arg(field, value.toString()));
}

qint64 wholeNumber(const Recordset& rs, const QString& field, qint64 low, qint64 high)
{
    const QVariant value = rs.value(field);
    if (!value.isValid() || value.isNull())
        throw DbError({}, QStringLiteral("Invalid use of Null: %1").arg(field));
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (!ok || number < low || number > high)
        conversionError(field, value);
    return number;
}

// The numbered column names, made once: every row of a run reads them.
template <size_t N> std::array<QString, N> numberedNames(const char* prefix)
{
    std::array<QString, N> names;
    for (size_t i = 0; i < N; ++i)
        names[i] = QLatin1String(prefix) + QString::number(i + 1);
    return names;
}

const std::array<QString, 5>& akindNames()
{
    static const auto names = numberedNames<5>("AKind_");
    return names;
}

const std::array<QString, 5>& altNoNames()
{
    static const auto names = numberedNames<5>("AltNO_");
    return names;
}

const std::array<QString, 12>& modelNames()
{
    static const auto names = numberedNames<12>("Model_");
    return names;
}

} // namespace

QString SourceRow::text(const Recordset& rs, const QString& field)
{
    return BlankText::trim(rs.text(field));
}

Currency SourceRow::currency(const Recordset& rs, const QString& field)
{
    const QVariant value = rs.value(field);
    if (!value.isValid() || value.isNull())
        throw DbError({}, QStringLiteral("Invalid use of Null: %1").arg(field));
    const auto amount = Currency::fromVariant(value);
    if (!amount)
        conversionError(field, value);
    return *amount;
}

qint16 SourceRow::int16(const Recordset& rs, const QString& field)
{
    return static_cast<qint16>(wholeNumber(rs, field, std::numeric_limits<qint16>::min(),
                                           std::numeric_limits<qint16>::max()));
}

qint32 SourceRow::int32(const Recordset& rs, const QString& field)
{
    return static_cast<qint32>(wholeNumber(rs, field, std::numeric_limits<qint32>::min(),
                                           std::numeric_limits<qint32>::max()));
}

void SourceRow::readAlternates(const Recordset& rs, PriceItem& item)
{
    for (size_t i = 0; i < item.AltNO.size(); ++i) {
        item.AKind[i] = text(rs, akindNames()[i]);
        item.AltNO[i] = text(rs, altNoNames()[i]);
    }
}

void SourceRow::readDetails(const Recordset& rs, PriceItem& item)
{
    item.EName = text(rs, QStringLiteral("EName"));
    item.TName = text(rs, QStringLiteral("TName"));
    for (size_t i = 0; i < item.Model.size(); ++i)
        item.Model[i] = text(rs, modelNames()[i]);
    item.Description = text(rs, QStringLiteral("Description"));
    item.Import = text(rs, QStringLiteral("Import"));
    item.Price = currency(rs, QStringLiteral("Price"));
    item.DisPrice = text(rs, QStringLiteral("DisPrice"));
    item.Sale = currency(rs, QStringLiteral("Sale"));
    item.DisSale = text(rs, QStringLiteral("DisSale"));
}

void SourceRow::readCommon(const Recordset& rs, PriceItem& item)
{
    readAlternates(rs, item);
    readDetails(rs, item);
}

void SourceRow::applySaleRule(PriceItem& item)
{
    if (item.Sale.isZero())
        item.Sale = item.Price;
}

} // namespace lostrand
