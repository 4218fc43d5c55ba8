#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace ortix {

// How a write-in-digits window judges the typed answer.
enum class AnswerRule {
    Value,    // the number read from the start of the text (readNumericValue)
    Grouping, // the digits grouped in threes (matchesGrouping)
};

// The number at the start of a typed text. Blanks, tabs and line feeds are
// skipped wherever they stand. Then: an optional sign, decimal digits with
// an optional "." fraction and an optional exponent ("E" or "D", either
// case, optional sign, digits); or "&H"/"&O" and a hexadecimal/octal whole
// number (either case). The longest such start counts, the rest is
// ignored; a text that starts with no number reads as 0. An exponent too
// large for a double gives an infinite value rather than an error.
double readNumericValue(QStringView text);

// Value rule: the number read equals the number drawn.
bool matchesValue(QStringView answer, qint64 number);

// number written in decimal digits with separator between groups of three
// from the right ("###,##0"); no separator below 1000.
QString groupedInThrees(qint64 number, QStringView separator);

// Whether separator is made of space characters only (French U+202F,
// Albanian U+00A0, ...). Such a separator cannot be typed on most
// keyboards, so an ordinary blank stands for it.
bool isSpaceSeparator(QStringView separator);

// Whether separator is the typographic apostrophe (Swiss "12’345"):
// keyboards have only the plain apostrophe, which stands for it.
bool isApostropheSeparator(QStringView separator);

// text without the blanks at its start and end (only blanks: a tab or a
// no-break space stays).
QStringView trimmedBlanks(QStringView text);

// Grouping rule: the answer, with leading and trailing blanks removed,
// is the number grouped in threes with groupSeparator (the locale's) or
// with single blanks. Where groupSeparator is a space, any space character
// between the groups is accepted for it; where it is the typographic
// apostrophe, so is the plain one.
bool matchesGrouping(QStringView answer, qint64 number, QStringView groupSeparator);

// The check of a write-in-digits window by its rule. An empty answer is
// never checked by the window, so it is not treated apart here.
bool isRightAnswer(AnswerRule rule, QStringView answer, qint64 number, QStringView groupSeparator);

// The key filter of the digits answer boxes: whether a typed character may
// reach the box. Backspace, ".", ",", the digits 0 to 9 and the locale's
// own group separator pass; where that separator is a space, so does an
// ordinary blank, and where it is the typographic apostrophe, the plain
// one. Everything else (Enter, letters, control characters such as the
// copy and paste shortcuts) is dropped.
bool admitsDigitsKey(QChar typed, QStringView groupSeparator);

} // namespace ortix
