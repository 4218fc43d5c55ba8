#include "exercise/engine/FrameLayouts.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ortix {

namespace {

constexpr std::array<double, kBeadsPerRod> kUnitsFrameTops = {6480, 5760, 5040, 4290, 3600, 2880, 2130, 1440, 720};

struct Rods
{
    std::vector<Place> places;
    std::vector<double> x;
    double top;
    double bottom;
};

struct Separator
{
    const char *name;
    double y;
    double from;
    double to;
};

// Evenly stacked tops from the bottom bead up.
std::array<double, kBeadsPerRod> stacked(double bottomTop, double step)
{
    std::array<double, kBeadsPerRod> tops{};
    for (int i = 0; i < kBeadsPerRod; ++i) {
        tops[std::size_t(i)] = bottomTop - i * step;
    }
    return tops;
}

FrameLayout frame(Rods rods, double beadW, double beadH, double unitsW, double unitsH, double bottomTop,
                  Separator sep, FrameVariant variant)
{
    FrameLayout f;
    f.places = std::move(rods.places);
    f.rodX = std::move(rods.x);
    f.rodTop = rods.top;
    f.rodBottom = rods.bottom;
    f.beadWidth = beadW;
    f.beadHeight = beadH;
    f.unitsBeadWidth = unitsW;
    f.unitsBeadHeight = unitsH;
    f.bottomBeadTop = bottomTop;
    f.separatorName = QString::fromLatin1(sep.name);
    f.separatorY = sep.y;
    f.separatorFrom = sep.from;
    f.separatorTo = sep.to;
    f.variant = variant;
    // Frames that are sized at activation are drawn as they will look.
    const double step = variant == FrameVariant::SizingAndStacking ? std::floor((rods.bottom - rods.top) / kBeadsPerRod)
                                                                   : beadH;
    f.unitsBeadTops = stacked(bottomTop, step);
    f.beadTops = f.unitsBeadTops;
    return f;
}

FrameLayout unitsFrame(double rodX, double rodTop, double rodBottom, double shift, Separator sep)
{
    FrameLayout f = frame({{Place::u}, {rodX}, rodTop, rodBottom}, 705, 705, 705, 705, kUnitsFrameTops[0] - shift, sep,
                          FrameVariant::NoLayout);
    for (std::size_t i = 0; i < kUnitsFrameTops.size(); ++i) {
        f.unitsBeadTops[i] = kUnitsFrameTops[i] - shift;
    }
    f.beadTops = f.unitsBeadTops;
    return f;
}

FrameLayout tensFrame(std::vector<double> x, double top, double bottom, double bottomTop, Separator sep,
                      FrameVariant variant)
{
    return frame({{Place::da, Place::u}, std::move(x), top, bottom}, 600, 600, 600, 600, bottomTop, sep, variant);
}

FrameLayout sizedFrame(std::vector<Place> places, std::vector<double> x, double top, double bottom, double bottomTop,
                       Separator sep)
{
    return frame({std::move(places), std::move(x), top, bottom}, 540, 435, 435, 435, bottomTop, sep,
                 FrameVariant::SizingAndStacking);
}

const std::vector<Place> kHundreds = {Place::h, Place::da, Place::u};
const std::vector<Place> kFourDigits = {Place::k, Place::h, Place::da, Place::u};
const std::vector<Place> kPeriod = {Place::hk, Place::dak, Place::uk, Place::h, Place::da, Place::u};
const std::vector<double> kPeriodX = {765, 1965, 3165, 4800, 6000, 7275};

struct Row
{
    std::vector<QStringView> windows;
    FrameLayout layout;
};

const std::vector<Row> &rows()
{
    static const std::vector<Row> table = [] {
        std::vector<Row> t;
        t.push_back({{u"Form4", u"Form4sem"}, unitsFrame(5880, 600, 7200, 0, {"Line3", 3600, 5160, 6480})});
        t.push_back({{u"Form5"}, unitsFrame(2040, 600, 7200, 0, {"Line3", 3600, 1320, 2640})});
        t.push_back({{u"Form6"}, unitsFrame(3000, 360, 6960, 240, {"Line3", 3360, 2280, 3600})});

        FrameLayout form99a = tensFrame({3195, 5400}, 1560, 7080, 6480, {"Line1", 4080, 2400, 6480},
                                        FrameVariant::FixedStacking);
        form99a.unitsBeadTops[3] = 4650;
        form99a.unitsBeadTops[6] = 2850;
        t.push_back({{u"Form99a"}, form99a});
        FrameLayout form99sem = form99a;
        form99sem.variant = FrameVariant::Stacking;
        t.push_back({{u"Form99sem"}, form99sem});
        t.push_back({{u"Form99b"},
                     tensFrame({3195, 5400}, 120, 5640, 5040, {"Line3", 2640, 2400, 6480}, FrameVariant::Stacking)});
        t.push_back({{u"Form99b1"},
                     tensFrame({3795, 6000}, 360, 5880, 5280, {"Line3", 2880, 3000, 7080}, FrameVariant::Stacking)});

        t.push_back({{u"Form999a", u"Form999sem"},
                     sizedFrame(kHundreds, {1800, 3480, 5205}, 1500, 6840, 6240, {"Line1", 4000, 840, 7200})});
        t.push_back({{u"Form999b"},
                     sizedFrame(kHundreds, {2760, 4440, 6165}, 480, 5820, 5220, {"Line1", 2985, 1800, 8160})});
        t.push_back({{u"Form999b1"},
                     sizedFrame(kHundreds, {2160, 3840, 5565}, 960, 6300, 5700, {"Line1", 3465, 1200, 7560})});

        t.push_back({{u"F9999a", u"F9999SEM"},
                     sizedFrame(kFourDigits, {1125, 3000, 4680, 6435}, 1920, 7020, 6480, {"Line1", 4250, 120, 7800})});
        t.push_back({{u"F9999b"},
                     sizedFrame(kFourDigits, {800, 2900, 4200, 5500}, 240, 7635, 6840, {"Line1", 3600, 120, 7080})});
        t.push_back({{u"F9999c"},
                     sizedFrame(kFourDigits, {1635, 3735, 5040, 6345}, 200, 7035, 6480, {"Line1", 3750, 960, 7920})});

        t.push_back({{u"Periodo1", u"Periodo1SEM"},
                     sizedFrame(kPeriod, kPeriodX, 1920, 7020, 6480, {"Line1", 4200, 120, 8040})});
        t.push_back({{u"Periodo2"}, sizedFrame(kPeriod, kPeriodX, 1440, 6540, 6000, {"Line3", 3750, 120, 8040})});
        t.push_back({{u"Periodo3"}, sizedFrame(kPeriod, {885, 2085, 3285, 4920, 6120, 7395}, 480, 5580, 5040,
                                               {"Line3", 2790, 240, 8160})});
        return t;
    }();
    return table;
}

} // namespace

bool FrameLayout::thousandsPeriod() const
{
    return std::find(places.begin(), places.end(), Place::uk) != places.end();
}

const FrameLayout *frameLayoutFor(QStringView window)
{
    for (const Row &row : rows()) {
        if (std::find(row.windows.begin(), row.windows.end(), window) != row.windows.end()) {
            return &row.layout;
        }
    }
    return nullptr;
}

BeadLook beadLook(Place place, bool thousandsPeriod)
{
    constexpr quint32 blue = 0x0000FF;
    constexpr quint32 red = 0xFF0000;
    constexpr quint32 green = 0x008000;
    constexpr quint32 yellow = 0xFFFF00;
    constexpr quint32 windowText = 0x000000;
    if (!thousandsPeriod) {
        switch (place) {
        case Place::da:
            return {red, windowText, 1};
        case Place::h:
            return {green, windowText, 1};
        case Place::k:
        case Place::uk:
        case Place::dak:
        case Place::hk:
            return {yellow, windowText, 1};
        case Place::u:
            break;
        }
        return {blue, windowText, 1};
    }
    // The fill tells the class, the thick border the place inside it.
    switch (place) {
    case Place::hk:
        return {yellow, green, 5};
    case Place::dak:
        return {yellow, red, 5};
    case Place::uk:
    case Place::k:
        return {yellow, 0x0000C0, 5};
    case Place::h:
        return {blue, green, 5};
    case Place::da:
        return {blue, red, 5};
    case Place::u:
        break;
    }
    return {blue, 0x000080, 5};
}

} // namespace ortix
