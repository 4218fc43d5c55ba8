#include "exercise/families/AnswerRules.h"

#include <charconv>
#include <limits>
#include <string>

namespace ortix {

namespace {

bool isSkippedInNumber(QChar ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\n';
}

int asciiDigitValue(QChar ch, int base)
{
    const char16_t c = ch.unicode();
    int value = base;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < base ? value : -1;
}

bool isDecimalDigit(QChar ch)
{
    return asciiDigitValue(ch, 10) >= 0;
}

// "&H1F", "&O17": a whole number in base 16 or 8; no digits reads as 0.
double readRadixNumber(const QString &text, qsizetype pos, int base)
{
    double value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = asciiDigitValue(text.at(pos), base);
        if (digit < 0) {
            break;
        }
        value = value * base + digit;
    }
    return value;
}

// A value beyond the range of a double: infinite when its decimal point
// lies far to the right of its first significant digit, else 0.
double outOfRangeValue(const std::string &intDigits, const std::string &fracDigits, long long exponent)
{
    const auto firstSignificant = intDigits.find_first_not_of('0');
    long long magnitude = exponent;
    if (firstSignificant != std::string::npos) {
        magnitude += static_cast<long long>(intDigits.size() - firstSignificant);
    } else {
        const auto leadingZeros = fracDigits.find_first_not_of('0');
        if (leadingZeros == std::string::npos) {
            return 0.0;
        }
        magnitude -= static_cast<long long>(leadingZeros);
    }
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double readDecimalNumber(const QString &text)
{
    qsizetype pos = 0;
    const auto at = [&text](qsizetype i) { return i < text.size() ? text.at(i) : QChar(); };

    bool negative = false;
    if (at(pos) == u'+' || at(pos) == u'-') {
        negative = at(pos) == u'-';
        ++pos;
    }
    std::string intDigits;
    for (; isDecimalDigit(at(pos)); ++pos) {
        intDigits += static_cast<char>(at(pos).unicode());
    }
    std::string fracDigits;
    if (at(pos) == u'.') {
        for (++pos; isDecimalDigit(at(pos)); ++pos) {
            fracDigits += static_cast<char>(at(pos).unicode());
        }
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return 0.0;
    }

    // An exponent counts only when at least one digit follows its letter.
    long long exponent = 0;
    const QChar letter = at(pos).toUpper();
    if (letter == u'E' || letter == u'D') {
        qsizetype expPos = pos + 1;
        bool expNegative = false;
        if (at(expPos) == u'+' || at(expPos) == u'-') {
            expNegative = at(expPos) == u'-';
            ++expPos;
        }
        if (isDecimalDigit(at(expPos))) {
            constexpr long long kExponentCap = 1'000'000'000;
            for (; isDecimalDigit(at(expPos)); ++expPos) {
                if (exponent < kExponentCap) {
                    exponent = exponent * 10 + (at(expPos).unicode() - u'0');
                }
            }
            exponent = expNegative ? -exponent : exponent;
        }
    }

    std::string number = intDigits.empty() ? std::string("0") : intDigits;
    if (!fracDigits.empty()) {
        number += '.' + fracDigits;
    }
    number += 'e' + std::to_string(exponent);

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = outOfRangeValue(intDigits, fracDigits, exponent);
    }
    return negative ? -value : value;
}

// A space other than the ordinary blank becomes a blank.
QString blanksForSpaces(QStringView text)
{
    QString result = text.toString();
    for (QChar &ch : result) {
        if (ch.category() == QChar::Separator_Space) {
            ch = u' ';
        }
    }
    return result;
}

constexpr char16_t kTypographicApostrophe = 0x2019;

} // namespace

QStringView trimmedBlanks(QStringView text)
{
    while (text.startsWith(u' ')) {
        text = text.mid(1);
    }
    while (text.endsWith(u' ')) {
        text.chop(1);
    }
    return text;
}

double readNumericValue(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar ch : text) {
        if (!isSkippedInNumber(ch)) {
            compact.append(ch);
        }
    }

    if (compact.startsWith(u'&') && compact.size() >= 2) {
        const QChar radix = compact.at(1).toUpper();
        if (radix == u'H') {
            return readRadixNumber(compact, 2, 16);
        }
        if (radix == u'O') {
            return readRadixNumber(compact, 2, 8);
        }
    }
    return readDecimalNumber(compact);
}

bool matchesValue(QStringView answer, qint64 number)
{
    return readNumericValue(answer) == static_cast<double>(number);
}

QString groupedInThrees(qint64 number, QStringView separator)
{
    const quint64 magnitude = number < 0 ? 0 - static_cast<quint64>(number) : static_cast<quint64>(number);
    const QString digits = QString::number(magnitude);

    QString result;
    if (number < 0) {
        result += u'-';
    }
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            result += separator;
        }
        result += digits.at(i);
    }
    return result;
}

bool isSpaceSeparator(QStringView separator)
{
    if (separator.isEmpty()) {
        return false;
    }
    for (QChar ch : separator) {
        if (ch.category() != QChar::Separator_Space) {
            return false;
        }
    }
    return true;
}

bool isApostropheSeparator(QStringView separator)
{
    return separator.size() == 1 && separator.front() == QChar(kTypographicApostrophe);
}

bool matchesGrouping(QStringView answer, qint64 number, QStringView groupSeparator)
{
    if (isSpaceSeparator(groupSeparator)) {
        const QString typed = blanksForSpaces(answer);
        return trimmedBlanks(typed) == groupedInThrees(number, u" ");
    }
    QString typed = trimmedBlanks(answer).toString();
    if (isApostropheSeparator(groupSeparator)) {
        typed.replace(u'\'', QChar(kTypographicApostrophe));
    }
    return typed == groupedInThrees(number, groupSeparator) || typed == groupedInThrees(number, u" ");
}

bool isRightAnswer(AnswerRule rule, QStringView answer, qint64 number, QStringView groupSeparator)
{
    switch (rule) {
    case AnswerRule::Value:
        return matchesValue(answer, number);
    case AnswerRule::Grouping:
        return matchesGrouping(answer, number, groupSeparator);
    }
    return false;
}

bool admitsDigitsKey(QChar typed, QStringView groupSeparator)
{
    constexpr char16_t kBackspace = 8;
    if (typed == QChar(kBackspace) || typed == u'.' || typed == u',' || isDecimalDigit(typed)) {
        return true;
    }
    if (groupSeparator.contains(typed)) {
        return true;
    }
    if (typed == u'\'' && isApostropheSeparator(groupSeparator)) {
        return true;
    }
    return typed == u' ' && isSpaceSeparator(groupSeparator);
}

} // namespace ortix
