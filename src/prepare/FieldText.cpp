#include "prepare/FieldText.h"

#include "common/BlankText.h"

namespace lostrand {

namespace {

bool isControl(QChar ch)
{
    return ch.unicode() <= 20 || ch.unicode() == 127;
}

bool isDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

void chopOne(QString& text, QChar last)
{
    if (text.endsWith(last))
        text.chop(1);
}

} // namespace

QString FieldText::valueText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    return value.toString();
}

QString FieldText::CleanTextField(const QVariant& value)
{
    QString text = valueText(value);
    if (BlankText::isBlank(text))
        return {};
    if (text.endsWith(QLatin1Char('*'))) {
        text.chop(1);
        text = BlankText::trim(text);
    }
    if (!BlankText::isBlank(text)) {
        QString kept;
        kept.reserve(text.size());
        for (const QChar ch : text) {
            if (isControl(ch) || ch == QLatin1Char('*'))
                continue;
            kept.append(ch == QLatin1Char('\'') || ch == QLatin1Char(',') ? QLatin1Char(' ') : ch);
        }
        text = kept;
    }
    text = BlankText::trim(text);
    chopOne(text, QLatin1Char('-'));
    chopOne(text, QLatin1Char('*'));
    chopOne(text, QLatin1Char('.'));
    return BlankText::trim(text);
}

QString FieldText::RemoveSpaces(const QVariant& value)
{
    QString text = BlankText::trim(valueText(value));
    text.remove(QLatin1Char(' '));
    return text;
}

QString FieldText::TrimToFirstDigit(const QString& text)
{
    // Leading non-digits go one at a time; a character that is no digit never starts the
    // result, whatever it is (a surrogate half included), so counting code units is enough.
    qsizetype first = 0;
    while (first < text.size() && !isDigit(text.at(first)))
        ++first;
    QString result = text.mid(first);
    while (result.contains(QStringLiteral("  ")))
        result.replace(QStringLiteral("  "), QStringLiteral(" "));
    return BlankText::trim(result);
}

} // namespace lostrand
