// The labelled build windows: the rules that split a target into coloured
// labels (which text goes to which place, in which order, in digits and in
// the six languages), the labels in Picture1 each in its place's colour, the
// units window's squares, and long words that must still fit the box: every
// number of each window, in every language and in digits, must stand whole
// inside Picture1 at the screen sizes the program meets, its pieces reading
// as the number's words.
#include "BuildDriver.h"
#include "LabelledView.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "exercise/families/CentredRow.h"
#include "exercise/families/LabelledBuildForm.h"
#include "exercise/families/NumberColouring.h"
#include "lang/LanguageSupport.h"
#include "ui/Forms.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QTest>

#include <algorithm>

using namespace ortix;
using namespace ortix::ui;
using test::Pupil;

namespace {

void useLanguage(int lingua)
{
    shared().LinguaNumeri = QString::number(lingua);
    lang::PreparaPartiUndiciDiciannove();
}

using P = TargetPart;
using Labels = QList<QPair<TargetPart, QString>>;

ColouredNumber inWords(qint32 n, TargetSplit split, int lingua)
{
    return numeroAColori(n, split, lingua, shared().ParteUnita, shared().ParteDecina);
}

// The labels a pupil sees, left to right.
Labels seen(const ColouredNumber &labels)
{
    Labels out;
    for (const ColouredText &label : labels) {
        if (label.shown && !label.text.isEmpty()) {
            out.append({label.part, label.text});
        }
    }
    return out;
}

// "u:SE" for the blue units label that reads SE, for readable failures.
QStringList described(const Labels &labels)
{
    static const char *const codes[] = {"k", "h", "d", "u", "j", "K", "U"};
    QStringList out;
    for (const auto &[part, text] : labels) {
        out << QString::fromLatin1(codes[int(part)]) + u':' + text;
    }
    return out;
}

// The name of a place's colour, for readable rows.
QString colourName(const QColor &colour)
{
    static const QHash<QRgb, QString> names = {{qRgb(0xC0, 0xC0, 0x00), "olive"}, {qRgb(0x00, 0x80, 0x00), "green"},
                                               {qRgb(0xFF, 0x00, 0x00), "red"},    {qRgb(0x00, 0x00, 0xFF), "blue"},
                                               {qRgb(0x00, 0x00, 0x00), "black"}};
    return names.value(colour.rgb(), colour.name());
}

// Shows `number` as the item of an open labelled window. Some targets of the
// table (4078, 300000) are numbers its draw never gives.
LabelledBuildForm *showItem(const QString &window, bool digits, qint32 number)
{
    auto *form = qobject_cast<LabelledBuildForm *>(Forms::open(window, nullptr));
    if (digits) {
        test::chooseMenu(form, QStringLiteral("MenuCifre"));
    }
    shared().NumeroACaso = number;
    form->MostraObiettivo();
    return form;
}

QStringList seenTexts(const Form *form)
{
    QStringList texts;
    for (const test::SeenLabel &label : test::seenLabels(form)) {
        texts << label.text;
    }
    return texts;
}

// Each window's range; for the thousands period every thousands value with
// a long and a varying units period, and every units period with a long
// thousands value.
std::vector<qint32> numbersOf(const QString &window)
{
    std::vector<qint32> numbers;
    const int last = window == QLatin1String("Form99sem") ? 99 : window == QLatin1String("Form999sem") ? 999 : 9999;
    if (window != QLatin1String("Periodo1SEM")) {
        for (int n = 1; n <= last; ++n) {
            numbers.push_back(n);
        }
        return numbers;
    }
    for (int k = 1; k <= 999; ++k) {
        numbers.push_back(k * 1000 + 777);
        numbers.push_back(k * 1000 + (k * 389) % 1000);
    }
    for (int r = 0; r <= 999; ++r) {
        numbers.push_back(777000 + r);
        numbers.push_back(378000 + r);
    }
    return numbers;
}

} // namespace

Q_DECLARE_METATYPE(TargetSplit)
Q_DECLARE_METATYPE(Labels)

class TestLabelledForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void wordsByPlace_data();
    void wordsByPlace();
    void elevenWithoutLanguageParts();
    void edgeCases_data();
    void edgeCases();
    void longWordsShrinkToFit();
    void everyNumberFits_data();
    void everyNumberFits();
};

void TestLabelledForms::wordsByPlace_data()
{
    QTest::addColumn<int>("lingua");
    QTest::addColumn<int>("number");
    QTest::addColumn<Labels>("labels");
    // Eleven to nineteen: the units part first or second by language.
    QTest::newRow("it 16") << 1 << 16 << Labels{{P::Units, "SE"}, {P::Tens, "DICI"}};
    QTest::newRow("en 17") << 2 << 17 << Labels{{P::Units, "SEVEN"}, {P::Tens, "TEEN"}};
    QTest::newRow("fr 17") << 3 << 17 << Labels{{P::Tens, "DIX"}, {P::Units, "SEPT"}};
    QTest::newRow("de 12") << 4 << 12 << Labels{{P::Units, QString::fromUtf8("ZWÖ")}, {P::Tens, "LF"}};
    QTest::newRow("es 16") << 5 << 16 << Labels{{P::Tens, "DIECI"}, {P::Units, "SEIS"}};
    QTest::newRow("sq 113") << 6 << 113
                            << Labels{{P::Hundreds, "NJEQIND"}, {P::Units, "TREMBE"}, {P::Tens, "DHJETE"}};
    // Tens and units.
    QTest::newRow("it 23 keeps its vowel") << 1 << 23 << Labels{{P::Tens, "VENTI"}, {P::Units, "TRE"}};
    QTest::newRow("it 181") << 1 << 181
                            << Labels{{P::Hundreds, "CENTO"}, {P::Tens, "OTTANT"}, {P::Units, "UNO"}};
    QTest::newRow("it 108") << 1 << 108 << Labels{{P::Hundreds, "CENTO"}, {P::Units, "OTTO"}};
    QTest::newRow("es 21") << 5 << 21 << Labels{{P::Tens, "VENTI"}, {P::Units, "UNO"}};
    QTest::newRow("es 130") << 5 << 130 << Labels{{P::Hundreds, "CIENTO "}, {P::Tens, "TRENTA"}};
    QTest::newRow("de 31") << 4 << 31
                           << Labels{{P::Units, "EIN"}, {P::Joiner, "UND"}, {P::Tens, QString::fromUtf8("DREIßIG")}};
    QTest::newRow("de 101") << 4 << 101 << Labels{{P::Hundreds, "HUNDERT"}, {P::Units, "EINS"}};
    QTest::newRow("sq 45") << 6 << 45 << Labels{{P::Tens, "DYZET"}, {P::Joiner, " E "}, {P::Units, "PESE"}};
    QTest::newRow("es 1016") << 5 << 1016
                             << Labels{{P::Thousands, "UNMIL "}, {P::Tens, "DIECI"}, {P::Units, "SEIS"}};
}

void TestLabelledForms::wordsByPlace()
{
    QFETCH(int, lingua);
    QFETCH(int, number);
    QFETCH(Labels, labels);
    test::TestRun run;
    useLanguage(lingua);
    QCOMPARE(described(seen(inWords(number, TargetSplit::UpToThousands, lingua))), described(labels));
    if (number < 1000) {
        QCOMPARE(described(seen(inWords(number, TargetSplit::UpToHundreds, lingua))), described(labels));
    }
}

// Before any language has been chosen the parts of eleven to nineteen are
// unknown: the whole word is still shown.
void TestLabelledForms::elevenWithoutLanguageParts()
{
    test::TestRun run;
    QCOMPARE(described(seen(inWords(17, TargetSplit::UpToHundreds, 1))), QStringList{"d:DICIASSETTE"});
}

void TestLabelledForms::edgeCases_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("lingua");
    QTest::addColumn<bool>("digits");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("colours");
    QTest::addColumn<double>("points");
    QTest::newRow("it 17") << "Form99sem" << 1 << false << 17 << QStringList{"DICIA", "SSETTE"}
                           << QStringList{"red", "blue"} << 32.0;
    QTest::newRow("it 11") << "Form99sem" << 1 << false << 11 << QStringList{"UN", "DICI"}
                           << QStringList{"blue", "red"} << 32.0;
    QTest::newRow("it 20") << "Form99sem" << 1 << false << 20 << QStringList{"VENTI"} << QStringList{"red"} << 32.0;
    QTest::newRow("de 21") << "Form999sem" << 4 << false << 21 << QStringList{"EIN", "UND", "ZWANZIG"}
                           << QStringList{"blue", "black", "red"} << 24.0;
    QTest::newRow("de 21 tens") << "Form99sem" << 4 << false << 21 << QStringList{"EIN", "UND", "ZWANZIG"}
                                << QStringList{"blue", "black", "red"} << 32.0;
    QTest::newRow("sq 21") << "Form999sem" << 6 << false << 21 << QStringList{"NJEZET", " E ", "NJE"}
                           << QStringList{"red", "black", "blue"} << 24.0;
    QTest::newRow("2005") << "F9999SEM" << 1 << true << 2005 << QStringList{"2  ", "0", "0", "5"}
                          << QStringList{"olive", "green", "red", "blue"} << 36.0;
    QTest::newRow("305") << "F9999SEM" << 1 << true << 305 << QStringList{"3", "0", "5"}
                         << QStringList{"green", "red", "blue"} << 36.0;
    QTest::newRow("7") << "Form99sem" << 1 << true << 7 << QStringList{"7"} << QStringList{"blue"} << 48.0;
    QTest::newRow("300000") << "Periodo1SEM" << 1 << true << 300000 << QStringList{"300  "} << QStringList{"olive"}
                            << 36.0;
    QTest::newRow("456078") << "Periodo1SEM" << 1 << true << 456078 << QStringList{"456  ", "78"}
                            << QStringList{"olive", "blue"} << 36.0;
    QTest::newRow("it 4078") << "Periodo1SEM" << 1 << false << 4078 << QStringList{"QUATTROMILA", "SETTANTOTTO"}
                             << QStringList{"olive", "blue"} << 14.0;
    QTest::newRow("it 999 in words") << "Form999sem" << 1 << false << 999
                                     << QStringList{"NOVECENTO", "NOVANTA", "NOVE"}
                                     << QStringList{"green", "red", "blue"} << 24.0;
    // The units window: one uncoloured label and the quantity as squares.
    QTest::newRow("Form4sem 5") << "Form4sem" << 1 << true << 5 << QStringList{" 5"} << QStringList{} << 48.0;
    QTest::newRow("Form4sem words") << "Form4sem" << 1 << false << 5 << QStringList{"CINQUE"} << QStringList{}
                                    << 36.0;
}

void TestLabelledForms::edgeCases()
{
    QFETCH(QString, window);
    QFETCH(int, lingua);
    QFETCH(bool, digits);
    QFETCH(int, number);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, colours);
    QFETCH(double, points);
    test::TestRun run;
    useLanguage(lingua);

    if (window == QLatin1String("Form4sem")) {
        auto &rnd = test::installScriptedRnd();
        Pupil pupil{test::openWithItem(rnd, window, number)};
        if (digits) {
            test::scriptItem(rnd, window, number);
            pupil.menu(QStringLiteral("mnucifre"));
        }
        QCOMPARE(pupil.target(), texts.front());
        QCOMPARE(pupil.c("EtichettaNumero")->fontSize(), points);
        // Which squares show is the random pupil's check; they stand in
        // rows of three from the top.
        QCOMPARE(pupil.c("Shape1", 3)->top(), pupil.c("Shape1", 4)->top());
        QVERIFY(pupil.c("Shape1", 2)->top() < pupil.c("Shape1", 3)->top());
        return;
    }

    LabelledBuildForm *form = showItem(window, digits, number);
    QCOMPARE(form->inCifre(), digits);
    QStringList seenColours;
    for (const test::SeenLabel &label : test::seenLabels(form)) {
        seenColours << colourName(label.colour);
        // Form999sem's joiner keeps its own size.
        const bool joiner = label.colour == QColor(Qt::black);
        QCOMPARE(label.points, joiner && window == QLatin1String("Form999sem") ? 26.25 : points);
    }
    QCOMPARE(seenTexts(form), texts);
    QCOMPARE(seenColours, colours);
    // The joiner, the last label, shows only where it joins.
    const auto labels = form->controlArray(QStringLiteral("EtichettaNumero"));
    if (labels.size() > 2) {
        QCOMPARE(labels.back()->visible(), texts.contains(QStringLiteral("UND")) || texts.contains(QStringLiteral(" E ")));
    }
    const QString fault = test::layoutFault(form);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// The longest words of the thousands period do not fit at 14 pt: they are
// written smaller, never below the readable minimum, and grow back when
// the window does.
void TestLabelledForms::longWordsShrinkToFit()
{
    test::TestRun run;
    useLanguage(6);
    LabelledBuildForm *form = showItem(QStringLiteral("Periodo1SEM"), false, 777777);
    const double full = form->shownPoints();
    QVERIFY(full < 14);
    QVERIFY(full >= kMinimumTargetPoints);

    form->setWidth(12000);
    form->setHeight(9000);
    QVERIFY(form->shownPoints() < full);
    QVERIFY(form->shownPoints() >= kMinimumTargetPoints);
    const QString fault = test::layoutFault(form);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    form->setWidth(15360);
    form->setHeight(11520);
    QCOMPARE(form->shownPoints(), full);

    // A short item is written at the full size again.
    shared().NumeroACaso = 1111;
    form->MostraObiettivo();
    QCOMPARE(form->shownPoints(), 14.0);
}

void TestLabelledForms::everyNumberFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("screen");
    // The smallest screen leaves the least room; the longest words come in
    // the thousands period, tried on the usual screen too.
    for (const char *window : {"Form99sem", "Form999sem", "F9999SEM", "Periodo1SEM"}) {
        QTest::addRow("%s 800x600", window) << QString::fromLatin1(window) << QSize(800, 600);
    }
    QTest::newRow("Periodo1SEM 1024x768") << QStringLiteral("Periodo1SEM") << QSize(1024, 768);
}

void TestLabelledForms::everyNumberFits()
{
    QFETCH(QString, window);
    QFETCH(QSize, screen);
    test::TestRun run;
    run.fakes.screen->m_area = QRect(QPoint(0, 0), screen);
    auto *form = qobject_cast<LabelledBuildForm *>(Forms::open(window, nullptr));
    QVERIFY(form);
    const std::vector<qint32> numbers = numbersOf(window);
    double smallest = 100;
    auto check = [&](qint32 n, int lingua) {
        shared().NumeroACaso = n;
        form->MostraObiettivo();
        smallest = std::min(smallest, form->shownPoints());
        QString fault = test::layoutFault(form);
        if (fault.isEmpty() && lingua > 0) {
            // Read one after the other, the coloured pieces are the number's words.
            const QString whole = MaiuscoloPerCarattere(NumeroInLettere(n, lingua));
            const QStringList pieces = seenTexts(form);
            fault = pieces.join(QString()) == whole ? QString() : pieces.join(u'|') + QStringLiteral(" for ") + whole;
        }
        if (!fault.isEmpty() || form->shownPoints() < kMinimumTargetPoints) {
            QTest::qFail(qPrintable(QStringLiteral("%1 in language %2: %3, %4 pt").arg(n).arg(lingua).arg(fault).arg(form->shownPoints())),
                         __FILE__, __LINE__);
            return false;
        }
        return true;
    };
    for (int lingua = 1; lingua <= 6; ++lingua) {
        useLanguage(lingua);
        for (qint32 n : numbers) {
            if (!check(n, lingua)) {
                return;
            }
        }
    }
    test::chooseMenu(form, QStringLiteral("MenuCifre"));
    QVERIFY(form->inCifre());
    for (qint32 n : numbers) {
        if (!check(n, 0)) {
            return;
        }
    }
    qInfo("%s at %dx%d: smallest size %.1f pt", qPrintable(window), screen.width(), screen.height(), smallest);
}

QTEST_MAIN(TestLabelledForms)
#include "test_labelledforms.moc"
