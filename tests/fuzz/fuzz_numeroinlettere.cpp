// The number words over any text and any number, in every language code.
//
// Input: a language byte, two eight-byte numbers, then the text in UTF-8.
// Rules checked:
// - the words are never empty, whatever the text, number or language; a
//   code outside 1..6 gives the Italian words;
// - a text of at most twelve characters that is a whole number (blanks
//   around it, a leading "+" allowed) never gives the overflow message, and
//   gives the words of that number; a longer text, one with anything else
//   in it or a negative one gives the overflow message;
// - a number from 0 to 999 999 999 999 gives letters and blanks only, never
//   the overflow message, and two different numbers give different words;
//   any other number gives the overflow message.

#include "FuzzSupport.h"

#include "words/NumeroInLettere.h"

#include <QRegularExpression>

#include <algorithm>

using namespace ortix;
using namespace ortix::fuzz;

namespace {

void checkNumber(qint64 n, int lingua)
{
    const QString words = NumeroInLettere(n, lingua);
    FUZZ_CHECK(!words.isEmpty(), QString::number(n));
    const bool inRange = n >= 0 && n <= kNumeroMassimoInLettere;
    FUZZ_CHECK((words == ValoreNonCalcolabile(lingua)) == !inRange, QString::number(n) + u' ' + shown(words));
    const auto letterOrBlank = [](QChar c) { return c.isLetter() || c == u' '; };
    FUZZ_CHECK(!inRange || std::all_of(words.begin(), words.end(), letterOrBlank), QString::number(n) + u' ' + shown(words));
    if (lingua < LinguaItaliano || lingua > LinguaAlbanese) {
        FUZZ_CHECK(words == NumeroInLettere(n, int(LinguaItaliano)), QString::number(n));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const int lingua = int(qint8(in.byte()));
    const qint64 first = in.int64();
    const qint64 second = in.int64();
    const QString text = QString::fromUtf8(in.rest());

    const QString words = NumeroInLettere(text, lingua);
    FUZZ_CHECK(!words.isEmpty(), shown(text));
    // Blanks as QString::trimmed sees them.
    const QString inner = text.trimmed();
    static const QRegularExpression wholeNumber(QStringLiteral("^\\+?([0-9]+)$"));
    static const QRegularExpression negativeZero(QStringLiteral("^-0+$"));
    const auto match = wholeNumber.match(inner);
    if (text.size() <= 12 && match.hasMatch()) {
        const qint64 n = match.captured(1).toLongLong();
        FUZZ_CHECK(words != ValoreNonCalcolabile(lingua), shown(text));
        FUZZ_CHECK(words == NumeroInLettere(n, lingua), shown(text));
    } else if (text.size() <= 12 && negativeZero.match(inner).hasMatch()) {
        FUZZ_CHECK(words == NumeroInLettere(qint64(0), lingua), shown(text));
    } else {
        FUZZ_CHECK(words == ValoreNonCalcolabile(lingua), shown(text) + QStringLiteral(" gives ") + shown(words));
    }
    FUZZ_CHECK(NumeroInLettere(text, QString::number(lingua)) == NumeroInLettere(text, CodiceLingua(QString::number(lingua))),
               shown(text));

    checkNumber(first, lingua);
    checkNumber(second, lingua);
    const qint64 a = qAbs(first % 1'000'000'000'000);
    const qint64 b = qAbs(second % 1'000'000'000'000);
    FUZZ_CHECK(a == b || NumeroInLettere(a, lingua) != NumeroInLettere(b, lingua), QStringLiteral("%1 and %2").arg(a).arg(b));
    return 0;
}
