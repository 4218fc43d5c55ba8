#include "exercise/families/WordsAnswer.h"

#include "exercise/families/AnswerRules.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <algorithm>

namespace ortix {

QString expectedWords(qint32 number, const QString &linguaNumeri)
{
    const QString words = MaiuscoloPerCarattere(NumeroInLettere(number, linguaNumeri));
    return trimmedBlanks(words).toString();
}

bool matchesWords(QStringView answer, qint32 number, const QString &linguaNumeri)
{
    return trimmedBlanks(answer) == expectedWords(number, linguaNumeri);
}

int wordsBoxLength(int designedLength, qint32 number, const QString &linguaNumeri)
{
    return std::max(designedLength, int(expectedWords(number, linguaNumeri).size()));
}

} // namespace ortix
