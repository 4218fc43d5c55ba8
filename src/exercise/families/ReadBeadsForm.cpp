#include "exercise/families/ReadBeadsForm.h"

#include "base/SharedState.h"
#include "exercise/engine/ExerciseDesign.h"
#include "exercise/families/WordsAnswer.h"
#include "ui/Accessibility.h"
#include "ui/WidgetControls.h"
#include "words/MaiuscoloPerCarattere.h"

#include <QFontMetricsF>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace ortix {

using namespace ui;
using namespace exerciseDesign;

namespace {

constexpr int kEnter = 13;
const QString kBoxTip = QStringLiteral("Scrivi qui il numero e premi Invio");
// Below this the box keeps the size and lets the text scroll instead.
constexpr double kSmallestPoints = 8;
// The box's frame and inner margins, in pixels.
constexpr int kBoxMargins = 12;

// The thousands separator of the user's locale: the default locale, which
// is the system's unless the program has set another.
QString groupSeparator()
{
    return QLocale().groupSeparator();
}

} // namespace

ReadBeadsForm::ReadBeadsForm(const ReadWindow &row)
    : ExerciseForm(row.exercise, design(row))
    , m_read(row)
{
    TextBoxControl *box = answerBox();
    box->onKeyPress = [this](int &keyAscii) { answerKeyPress(keyAscii); };
    box->onKeyUp = [this](int keyCode, int shift) { answerKeyUp(keyCode, shift); };
    // The title above the box ("Scrivi il numero in cifre") names it.
    // A window without a title names the box by its own caption.
    if (!m_read.labels.empty()) {
        ui::labelWithTitle(box, control(m_read.labels.front().name));
    } else {
        box->setAccessibleName(caption());
        connect(this, &QWidget::windowTitleChanged, box, [box](const QString &title) { box->setAccessibleName(title); });
    }
    box->onChange = [this] { fitAnswerFont(); };
    // A right answer disables the box; the pupil still reads it clearly.
    QLineEdit *edit = box->lineEdit();
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x30, 0x30, 0x30));
    edit->setPalette(palette);
}

ui::FormBlueprint ReadBeadsForm::design(const ReadWindow &row)
{
    // The box comes first, so it is first in the tab order.
    std::vector<ControlBlueprint> controls = {textBox(row.boxName, row.boxLeft, row.boxTop, row.boxWidth, row.boxHeight)
                                             .withFont(kFace, row.points, true)
                                             .withMaxLength(row.maxLength)
                                             .withTip(kBoxTip)
                                             .centred()};
    controls.insert(controls.end(), row.labels.begin(), row.labels.end());
    return exerciseFormBlueprint(row.exercise, controls, {});
}

TextBoxControl *ReadBeadsForm::answerBox() const
{
    return controlAs<TextBoxControl>(m_read.boxName);
}

ui::Control *ReadBeadsForm::answerControl() const
{
    return answerBox();
}

QString ReadBeadsForm::expectedAnswer() const
{
    const qint32 number = shared().NumeroACaso;
    if (m_read.answer == ReadAnswer::Words) {
        return expectedWords(number, shared().LinguaNumeri);
    }
    return m_read.rule == AnswerRule::Grouping ? groupedInThrees(number, groupSeparator()) : QString::number(number);
}

void ReadBeadsForm::startItem()
{
    TextBoxControl *box = answerBox();
    palline().NascondiPalline();
    box->setText(QString());
    do {
        drawNumeroACaso();
    } while (m_read.redrawZero && shared().NumeroACaso == 0);
    const qint32 number = shared().NumeroACaso;
    palline().MostraNumero(number);
    if (m_read.answer == ReadAnswer::Words) {
        box->setMaxLength(wordsBoxLength(m_read.maxLength, number, shared().LinguaNumeri));
    }
    fitAnswerFont();
    if (m_read.focusOnNewItem && box->enabled()) {
        box->setFocus();
    }
}

void ReadBeadsForm::afterAvanti()
{
    answerBox()->setFocus();
}

void ReadBeadsForm::afterResize()
{
    fitAnswerFont();
}

void ReadBeadsForm::answerKeyPress(int &keyAscii)
{
    const bool enter = keyAscii == kEnter;
    switch (m_read.filter) {
    case KeyFilter::None:
        break;
    case KeyFilter::Digits:
        if (!admitsDigitsKey(QChar(char16_t(keyAscii)), groupSeparator())) {
            keyAscii = 0;
        }
        break;
    case KeyFilter::Capitals:
        // Every letter with a one-letter capital becomes it, as the expected
        // words are written: "ü" becomes "Ü", "ß" stays.
        keyAscii = MaiuscoloPerCarattere(QString(QChar(char16_t(keyAscii)))).at(0).unicode();
        break;
    }
    if (enter && m_read.checkOn == CheckOn::KeyPress) {
        checkAnswer();
    }
}

void ReadBeadsForm::answerKeyUp(int keyCode, int)
{
    if (keyCode == kEnter && m_read.checkOn == CheckOn::KeyUp) {
        checkAnswer();
    }
}

bool ReadBeadsForm::isRight(const QString &answer) const
{
    const qint32 number = shared().NumeroACaso;
    if (m_read.answer == ReadAnswer::Words) {
        return matchesWords(answer, number, shared().LinguaNumeri);
    }
    return isRightAnswer(m_read.rule, answer, number, groupSeparator());
}

void ReadBeadsForm::checkAnswer()
{
    TextBoxControl *box = answerBox();
    const QString answer = box->text();
    if (answer.isEmpty()) {
        return;
    }
    if (isRight(answer)) {
        SegnaEsatto();
        // The focus goes to the window, not on to "avanti", whose Enter would
        // move on: Enter after a right answer, pressed again or held, does
        // nothing.
        setFocus();
        control(QStringLiteral("BottoneAvanti"))->setEnabled(true);
        box->setEnabled(false);
    } else {
        SegnaErrato();
        box->setFocus();
    }
}

// Fonts keep their size on any screen, while the box scales with the
// window: the designed size shrinks until what the pupil has typed fits,
// so the whole of a long answer stays in sight (sized from the typed text,
// the box gives no hint of the answer's length). Below the smallest size
// the box scrolls.
void ReadBeadsForm::fitAnswerFont()
{
    TextBoxControl *box = answerBox();
    const QString text = box->text();
    const int room = box->lineEdit()->width() - kBoxMargins;
    if (room <= 0) {
        return;
    }
    QFont font = box->lineEdit()->font();
    double points = m_read.points;
    const auto fits = [&] {
        font.setPointSizeF(points);
        return QFontMetricsF(font).horizontalAdvance(text) <= room;
    };
    if (!fits()) {
        const double needed = QFontMetricsF(font).horizontalAdvance(text);
        points = std::max(kSmallestPoints, std::floor(m_read.points * room / needed * 4) / 4);
        while (points > kSmallestPoints && !fits()) {
            points -= 0.25;
        }
    }
    if (box->fontSize() != points) {
        box->setFontSize(points);
    }
}

} // namespace ortix
