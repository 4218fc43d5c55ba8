#include "exercise/engine/Places.h"

namespace ortix {

QString suffixOf(Place place)
{
    switch (place) {
    case Place::hk:
        return QStringLiteral("hk");
    case Place::dak:
        return QStringLiteral("dak");
    case Place::uk:
        return QStringLiteral("uk");
    case Place::k:
        return QStringLiteral("k");
    case Place::h:
        return QStringLiteral("h");
    case Place::da:
        return QStringLiteral("da");
    case Place::u:
        break;
    }
    return QStringLiteral("u");
}

qint32 valueOf(Place place)
{
    switch (place) {
    case Place::hk:
        return 100000;
    case Place::dak:
        return 10000;
    case Place::uk:
    case Place::k:
        return 1000;
    case Place::h:
        return 100;
    case Place::da:
        return 10;
    case Place::u:
        break;
    }
    return 1;
}

int powerOf(Place place)
{
    int power = 0;
    for (qint32 value = valueOf(place); value >= 10; value /= 10) {
        ++power;
    }
    return power;
}

void placeDigits(qint32 n, std::span<const Place> places, std::span<int> digits)
{
    qint32 rest = n;
    for (std::size_t i = 0; i < places.size() && i < digits.size(); ++i) {
        const qint32 value = valueOf(places[i]);
        const qint32 digit = rest / value;
        digits[i] = int(digit);
        rest -= digit * value;
    }
}

qint32 builtNumber(std::span<const Place> places, std::span<const int> counts)
{
    qint32 number = 0;
    for (std::size_t i = 0; i < places.size() && i < counts.size(); ++i) {
        number += counts[i] * valueOf(places[i]);
    }
    return number;
}

} // namespace ortix
