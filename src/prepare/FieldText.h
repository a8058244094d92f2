#pragma once

#include <QString>
#include <QVariant>

namespace lostrand {

// The clean-ups of one raw field value of a delivered price list. A field value is what a
// recordset field yields: a text, a number (taken as its text) or Null (an invalid QVariant).
// Only U+0020 is a blank; positions and lengths count characters.
class FieldText
{
public:
    // The general clean-up of a text field: "" for Null or blank; otherwise one trailing "*"
    // off, control characters (0-20, 127) and stars removed, "'" and "," made blanks, trimmed,
    // then one trailing "-", one "*" and one "." taken off in that order, trimmed again. The
    // result never holds an apostrophe.
    static QString CleanTextField(const QVariant& value);
    // The value's text, trimmed, without any blank.
    static QString RemoveSpaces(const QVariant& value);
    // The text from its first digit on, runs of blanks made single, trimmed; "" without a digit.
    static QString TrimToFirstDigit(const QString& text);

    // The text of a field value; "" for Null.
    static QString valueText(const QVariant& value);
};

} // namespace lostrand
