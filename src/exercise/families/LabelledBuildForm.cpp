#include "exercise/families/LabelledBuildForm.h"

#include "base/SharedState.h"
#include "exercise/engine/ExerciseDesign.h"
#include "exercise/families/CentredRow.h"
#include "lang/AccessibleTexts.h"
#include "ui/Twips.h"
#include "ui/WidgetControls.h"
#include "words/NumeroInLettere.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace ortix {

using namespace ui;

namespace {

const QString kPicture = QStringLiteral("Picture1");
const QString kLabels = QStringLiteral("EtichettaNumero");

// Design captions only: every item writes its own.
QString placeholder(TargetPart part)
{
    switch (part) {
    case TargetPart::Thousands:
    case TargetPart::ThousandsPeriod:
        return QStringLiteral("MIGLIAIA");
    case TargetPart::Hundreds:
        return QStringLiteral("centinaia");
    case TargetPart::Tens:
        return QStringLiteral("decine");
    case TargetPart::Joiner:
        return QStringLiteral("und");
    case TargetPart::Units:
    case TargetPart::UnitsPeriod:
        break;
    }
    return QString::fromUtf8("unità");
}

// The place a part names, in the current language; none for the joiner.
QString placeOfPart(TargetPart part)
{
    switch (part) {
    case TargetPart::Thousands:
        return lang::placeName(3);
    case TargetPart::Hundreds:
        return lang::placeName(2);
    case TargetPart::Tens:
        return lang::placeName(1);
    case TargetPart::Units:
        return lang::placeName(0);
    case TargetPart::ThousandsPeriod:
        return lang::periodName(true);
    case TargetPart::UnitsPeriod:
        return lang::periodName(false);
    case TargetPart::Joiner:
        break;
    }
    return QString();
}

} // namespace

std::vector<ControlBlueprint> LabelledBuildForm::targetControls(const LabelledWindow &row)
{
    std::vector<ControlBlueprint> controls;
    controls.push_back(
        pictureBox(kPicture, row.pictureLeft, row.pictureTop, row.pictureWidth, row.pictureHeight).withBack(Qt::white));
    const std::vector<TargetPart> parts = partsOf(row.split);
    const double designWidth = row.pictureWidth / double(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const TargetPart part = parts[i];
        const bool joiner = part == TargetPart::Joiner;
        const double points = joiner && row.joinerWordsPoints ? *row.joinerWordsPoints : row.build.wordsPoints;
        ControlBlueprint text = label(kLabels, double(i) * designWidth, 0, designWidth, 600, placeholder(part))
                               .at(int(i))
                               .in(kPicture)
                               .withFont(exerciseDesign::kFace, points, true)
                               .withBack(Qt::white)
                               .withFore(QColor::fromRgb(coloreParte(part)))
                               .sizedToCaption();
        if (joiner) {
            text.hidden();
        }
        controls.push_back(text);
    }
    return controls;
}

LabelledBuildForm::LabelledBuildForm(const LabelledWindow &row)
    : BuildForm(row.build, targetControls(row))
    , m_labelled(row)
    , m_labelParts(partsOf(row.split))
    , m_picture(control(kPicture))
{
    for (std::size_t i = 0; i < m_labelParts.size(); ++i) {
        m_labels.push_back(controlAs<LabelControl>(kLabels, int(i)));
    }
    describeForAssistiveTechnology();
}

LabelControl *LabelledBuildForm::labelOf(TargetPart part) const
{
    const auto at = std::find(m_labelParts.begin(), m_labelParts.end(), part);
    return m_labels[std::size_t(at - m_labelParts.begin())];
}

void LabelledBuildForm::MostraObiettivo()
{
    for (LabelControl *text : m_labels) {
        text->setCaption(QString());
    }
    const qint32 number = shared().NumeroACaso;
    QString whole;
    if (inCifre()) {
        m_parts = numeroAColori2(number, m_labelled.split);
        m_itemPoints = buildRow().digitsPoints;
    } else {
        const SharedState &s = shared();
        m_parts = numeroAColori(number, m_labelled.split, CodiceLingua(s.LinguaNumeri), s.ParteUnita, s.ParteDecina);
        m_itemPoints = buildRow().wordsPoints;
    }
    for (const ColouredText &part : m_parts) {
        LabelControl *text = labelOf(part.part);
        text->setVisible(part.shown);
        text->setCaption(part.text);
        whole += part.shown ? part.text : QString();
    }
    // The box reads as the whole item; its parts one by one, with places.
    m_picture->setAccessibleName(whole.simplified());
    describeParts();
    layOut();
}

void LabelledBuildForm::describeForAssistiveTechnology()
{
    BuildForm::describeForAssistiveTechnology();
    m_partPlaces.clear();
    for (TargetPart part : m_labelParts) {
        m_partPlaces.push_back(placeOfPart(part));
    }
    describeParts();
}

void LabelledBuildForm::describeParts()
{
    for (std::size_t i = 0; i < m_partPlaces.size() && i < m_labels.size(); ++i) {
        // An empty part (no hundreds in 17) tells no place.
        const bool empty = m_labels[i]->caption().isEmpty();
        m_labels[i]->setAccessibleDescription(empty ? QString() : m_partPlaces[i]);
    }
}

void LabelledBuildForm::afterResize()
{
    BuildForm::afterResize();
    if (!m_parts.empty()) {
        layOut();
    }
}

// Fonts keep their size on every screen while the box grows and shrinks
// with the window: an item whose words are too long for the box (an
// Albanian or German number of the thousands period) is written smaller,
// down to a size that is still easy to read.
void LabelledBuildForm::layOut()
{
    const double minimum = std::min(kMinimumTargetPoints, m_itemPoints);
    m_shownPoints = shrunkPoints(m_itemPoints, minimum, [this](double points) {
        setPoints(points);
        return overflow();
    });
    setPoints(m_shownPoints);
}

void LabelledBuildForm::setPoints(double points)
{
    const bool digits = inCifre();
    // Every label counts in the width that centres the group, the joiner
    // too: "SIEBEN|UND|VIERZIG" reads as one word in the middle of the box.
    std::vector<double> widths;
    for (const ColouredText &part : m_parts) {
        LabelControl *text = labelOf(part.part);
        const bool joiner = part.part == TargetPart::Joiner;
        if (!joiner) {
            text->setFontSize(points);
        } else if (!digits) {
            // A joiner with a size of its own shrinks in proportion.
            text->setFontSize(m_labelled.joinerWordsPoints ? *m_labelled.joinerWordsPoints * points / m_itemPoints
                                                           : points);
        }
        widths.push_back(text->width());
    }
    const std::vector<double> lefts = centredLefts(widths, m_picture->width());
    // Fonts keep their size while the box grows with the screen: the
    // labels stand on one baseline, the line centred in the box's height.
    int ascent = 0;
    int descent = 0;
    for (const ColouredText &part : m_parts) {
        if (!part.shown || part.text.isEmpty()) {
            continue;
        }
        const QFontMetrics metrics(labelOf(part.part)->widget()->font());
        ascent = std::max(ascent, metrics.ascent());
        descent = std::max(descent, metrics.descent());
    }
    const QRect inside = m_picture->widget()->contentsRect();
    const int lineTop = inside.top() + std::max(0, (inside.height() - ascent - descent) / 2);
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        LabelControl *text = labelOf(m_parts[i].part);
        text->setLeft(lefts[i]);
        const int top = lineTop + ascent - QFontMetrics(text->widget()->font()).ascent();
        text->setTop(pixelsToTwips(std::max(inside.top(), top)));
    }
}

// How many times too large the item is for the box: its width for the
// box's width (clear of the left and right edges by a few pixels, so that
// a long item does not touch them) or its height for the box's height.
double LabelledBuildForm::overflow() const
{
    constexpr int kClearance = 4;
    const QRect inside = m_picture->widget()->contentsRect().adjusted(kClearance, 0, -kClearance, 0);
    int left = inside.right();
    int right = inside.left();
    int tallest = 0;
    bool contained = true;
    for (const ColouredText &part : m_parts) {
        if (!part.shown || part.text.isEmpty()) {
            continue;
        }
        const QRect shown = labelOf(part.part)->widget()->geometry();
        left = std::min(left, shown.left());
        right = std::max(right, shown.left() + shown.width());
        tallest = std::max(tallest, shown.height());
        contained = contained && inside.contains(shown);
    }
    const double ratio = std::max(double(right - left) / std::max(1, inside.width()),
                                  double(tallest) / std::max(1, inside.height()));
    // Pixel rounding can leave a label a pixel outside an item that fits.
    return contained ? std::min(ratio, 1.0) : std::max(ratio, 1.001);
}

} // namespace ortix
