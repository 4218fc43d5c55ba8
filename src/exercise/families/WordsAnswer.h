#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace ortix {

// What a write-in-words window expects for number: its words in the
// number-word language linguaNumeri ("1".."6"; Italian when it names none),
// upper case one letter at a time ("ß" stays), without the blanks that
// end some words (Spanish "CIENTO ").
QString expectedWords(qint32 number, const QString &linguaNumeri);

// Words check: the answer, without blanks at its ends, is the expected
// words character by character; inner blanks, apostrophes and accents
// count as they are.
bool matchesWords(QStringView answer, qint32 number, const QString &linguaNumeri);

// How many characters a words answer box admits for number: the designed
// length, or more where the expected words are longer, so that every
// number can be answered.
int wordsBoxLength(int designedLength, qint32 number, const QString &linguaNumeri);

} // namespace ortix
