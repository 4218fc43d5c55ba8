// The value rule and the grouping rule of the write-in-digits windows over
// typed texts of any characters, numbers and group separators.
//
// Input: a mode byte, a separator line (used when the mode asks for one),
// eight bytes of number, then the answer in UTF-8. Rules checked:
// - readNumericValue never gives NaN; blanks, tabs and line feeds do not
//   change the value; nothing after a character that cannot continue a
//   number changes it; a plain decimal start reads as strtod reads it, a
//   "&H"/"&O" start as its hexadecimal/octal value;
// - matchesGrouping accepts exactly the number grouped in threes with the
//   separator or with blanks (any space character where the separator is
//   one, the plain apostrophe for the typographic one), blanks around it
//   allowed: the grouped forms built here are accepted, those with a wrong
//   separator, a missing one or a moved digit are not, and any other answer
//   is judged as that rule says;
// - admitsDigitsKey lets through exactly backspace, ".", ",", the digits,
//   the separator's characters, for a space separator the blank and for
//   the typographic apostrophe the plain one.

#include "FuzzSupport.h"

#include "exercise/families/AnswerRules.h"

#include <QRegularExpression>

#include <algorithm>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>

using namespace ortix;
using namespace ortix::fuzz;

namespace {

constexpr char16_t kSpaces[] = {u' ', 0x00A0, 0x202F, 0x2009, 0x3000};
// The Swiss separator; the plain apostrophe of the keyboard stands for it.
constexpr char16_t kApostrophe = 0x2019;

QString separatorFor(quint8 mode, const QString &line)
{
    const QString separators[] = {QStringLiteral("."), QStringLiteral(","), QString(QChar(0x202F)),
                                  QString(QChar(0x00A0)), QStringLiteral(" "), QString(), QString(QChar(kApostrophe))};
    return mode % 8 == 7 ? line : separators[mode % 8];
}

bool allSpaces(const QString &text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.category() == QChar::Separator_Space; });
}

// The groups of three digits from the left, the first one without zeros
// in front.
QStringList groupsOf(qint64 n)
{
    const QString digits = QString::number(n < 0 ? 0 - quint64(n) : quint64(n));
    QStringList groups;
    for (qsizetype end = digits.size(); end > 0; end -= 3) {
        groups.prepend(digits.mid(std::max<qsizetype>(0, end - 3), std::min<qsizetype>(3, end)));
    }
    return groups;
}

QString joined(qint64 n, const QStringList &groups, const QStringList &gaps)
{
    QString text = n < 0 ? QStringLiteral("-") : QString();
    for (qsizetype i = 0; i < groups.size(); ++i) {
        text += (i > 0 ? gaps.at(i - 1) : QString()) + groups.at(i);
    }
    return text;
}

QString joined(qint64 n, const QString &gap)
{
    const QStringList groups = groupsOf(n);
    return joined(n, groups, QStringList(groups.size() - 1, gap));
}

bool referenceGrouping(const QString &answer, qint64 n, const QString &separator)
{
    static const QRegularExpression outerBlanks(QStringLiteral("^ +| +\\z"));
    QString typed = answer;
    if (allSpaces(separator)) {
        std::replace_if(typed.begin(), typed.end(), [](QChar ch) { return ch.category() == QChar::Separator_Space; }, u' ');
        return typed.remove(outerBlanks) == joined(n, QStringLiteral(" "));
    }
    typed.remove(outerBlanks);
    if (separator == QString(QChar(kApostrophe))) {
        typed.replace(u'\'', QChar(kApostrophe));
    }
    return typed == joined(n, separator) || typed == joined(n, QStringLiteral(" "));
}

void checkValueRule(const QString &answer, quint8 cutByte)
{
    const double value = readNumericValue(answer);
    FUZZ_CHECK(!std::isnan(value), shown(answer));

    QString compact = answer;
    compact.remove(u' ').remove(u'\t').remove(u'\n');
    // A NaN for any text breaks the rule above, so plain comparisons serve.
    FUZZ_CHECK(readNumericValue(compact) == value, shown(answer));

    const qsizetype cut = answer.isEmpty() ? 0 : cutByte % (answer.size() + 1);
    const QString stopped = answer.left(cut) + QChar(1);
    FUZZ_CHECK(readNumericValue(stopped) == readNumericValue(stopped + answer.mid(cut)), shown(answer));

    // A plain decimal start, as the C library reads it.
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([EeDd][+-]?[0-9]+)?"));
    if (const auto match = decimal.match(compact); match.hasMatch()) {
        QByteArray text = match.captured(0).toLatin1();
        text.replace('D', 'e').replace('d', 'e');
        errno = 0;
        const double expected = std::strtod(text.constData(), nullptr);
        const bool ordinary = errno == 0 && std::isfinite(expected) && (expected == 0 || std::fabs(expected) >= DBL_MIN);
        FUZZ_CHECK(!ordinary || value == expected, shown(answer));
    }
    static const QRegularExpression radix(QStringLiteral("^&([Hh][0-9A-Fa-f]{0,13}|[Oo][0-7]{0,17})"));
    if (const auto match = radix.match(compact); match.hasMatch()) {
        const QString digits = match.captured(1).mid(1);
        const int base = match.captured(1).at(0).toUpper() == u'H' ? 16 : 8;
        const double expected = digits.isEmpty() ? 0.0 : double(digits.toULongLong(nullptr, base));
        const bool whole = compact.size() == match.capturedLength(0)
            || QStringLiteral("0123456789ABCDEFabcdef").left(base == 16 ? 22 : 8).indexOf(compact.at(match.capturedLength(0))) < 0;
        FUZZ_CHECK(!whole || value == expected, shown(answer));
    }
}

void checkGroupingRule(const QString &answer, qint64 n, const QString &separator, quint8 choice)
{
    const bool accepted = matchesGrouping(answer, n, separator);
    FUZZ_CHECK(accepted == referenceGrouping(answer, n, separator), shown(answer) + u' ' + shown(separator));
    FUZZ_CHECK(isRightAnswer(AnswerRule::Grouping, answer, n, separator) == accepted, shown(answer));
    FUZZ_CHECK(isRightAnswer(AnswerRule::Value, answer, n, separator) == matchesValue(answer, n), shown(answer));

    // The grouped forms themselves, with blanks around them.
    const QString blanks(choice % 3, u' ');
    const bool space = allSpaces(separator);
    const QStringList groups = groupsOf(n);
    QStringList gaps;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        const bool plainApostrophe = separator == QString(QChar(kApostrophe)) && (choice + i) % 2 == 1;
        gaps.append(space ? QString(QChar(kSpaces[(choice + i) % 5])) : plainApostrophe ? QStringLiteral("'") : separator);
    }
    const QString grouped = joined(n, groups, gaps);
    FUZZ_CHECK(matchesGrouping(blanks + grouped + blanks, n, separator), shown(grouped));
    FUZZ_CHECK(matchesGrouping(joined(n, QStringLiteral(" ")), n, separator), shown(joined(n, QStringLiteral(" "))));
    if (groups.size() < 2 || separator.isEmpty()) {
        return;
    }

    // A wrong separator, a missing one and a digit moved across a gap.
    const qsizetype gap = choice % gaps.size();
    QStringList wrong = gaps;
    wrong[gap] = separator == QStringLiteral("x") ? QStringLiteral("y") : QStringLiteral("x");
    FUZZ_CHECK(!matchesGrouping(joined(n, groups, wrong), n, separator), shown(joined(n, groups, wrong)));
    wrong[gap] = QString();
    FUZZ_CHECK(!matchesGrouping(joined(n, groups, wrong), n, separator), shown(joined(n, groups, wrong)));
    QStringList moved = groups;
    moved[gap + 1].prepend(moved[gap].back());
    moved[gap].chop(1);
    if (!moved[gap].isEmpty() && !separator.contains(QRegularExpression(QStringLiteral("[0-9]")))) {
        FUZZ_CHECK(!matchesGrouping(joined(n, moved, gaps), n, separator), shown(joined(n, moved, gaps)));
    }
}

void checkKeyFilter(const QString &answer, const QString &separator)
{
    const bool space = allSpaces(separator);
    for (qsizetype i = 0; i < answer.size() && i < 64; ++i) {
        const QChar ch = answer.at(i);
        const bool expected = ch == QChar(8) || ch == u'.' || ch == u',' || (ch >= u'0' && ch <= u'9')
            || separator.contains(ch) || (ch == u' ' && space)
            || (ch == u'\'' && separator == QString(QChar(kApostrophe)));
        FUZZ_CHECK(admitsDigitsKey(ch, separator) == expected, shown(QString(ch)) + QStringLiteral(" with ") + shown(separator));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const quint8 mode = in.byte();
    const QString separator = separatorFor(mode, QString::fromUtf8(in.line()));
    qint64 n = in.int64();
    if (mode & 0x08) {
        // Mostly numbers of the windows' ranges.
        n %= 1'000'000;
    }
    const QString answer = QString::fromUtf8(in.rest());

    checkValueRule(answer, mode);
    checkGroupingRule(answer, n, separator, mode >> 4);
    checkKeyFilter(answer, separator);
    return 0;
}
