#include "common/PartKeys.h"

#include "common/BlankText.h"

namespace lostrand {

namespace {
constexpr qsizetype ModelListLength = 30;

bool isControl(QChar ch)
{
    return ch.unicode() <= 20 || ch.unicode() == 127;
}
} // namespace

QString PartKeys::StripSeparators(const QString& text)
{
    QString result = BlankText::trim(text);
    result.remove(QLatin1Char(' '));
    result.remove(QLatin1Char('/'));
    result.remove(QLatin1Char('-'));
    return result;
}

QString PartKeys::StripPartNoSeparators(const QString& text)
{
    return StripSeparators(text);
}

QString PartKeys::CleanText(const QString& text)
{
    if (BlankText::isBlank(text))
        return {};
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        if (isControl(ch) || ch == QLatin1Char('*'))
            continue;
        result.append(ch == QLatin1Char('\'') || ch == QLatin1Char(',') ? QLatin1Char(' ') : ch);
    }
    return BlankText::trim(result);
}

QString PartKeys::NormalizePartNo(const QString& text)
{
    if (BlankText::isBlank(text))
        return {};
    return StripSeparators(CleanText(text));
}

QString PartKeys::JoinModels(const std::array<QString, 12>& models)
{
    QString result = BlankText::trim(models[0]);
    for (size_t i = 1; i < models.size(); ++i) {
        const QString model = BlankText::trim(models[i]);
        if (!model.isEmpty())
            result += QStringLiteral(", ") + model;
    }
    return result.left(ModelListLength);
}

} // namespace lostrand
