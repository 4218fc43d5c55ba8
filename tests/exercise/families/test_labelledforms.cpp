// The labelled build windows: the target split by place in Picture1, each
// part in its place's colour, the units window's squares, the opening of
// Form4sem and Form99sem, and long words that must still fit the box.
#include "BuildDriver.h"
#include "LabelledView.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "exercise/families/CentredRow.h"
#include "exercise/families/LabelledBuildForm.h"
#include "lang/LanguageSupport.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"

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

QColor colourNamed(const QString &name)
{
    static const QHash<QString, QColor> colours = {{"olive", QColor(0xC0, 0xC0, 0x00)},
                                                   {"green", QColor(0x00, 0x80, 0x00)},
                                                   {"red", QColor(0xFF, 0x00, 0x00)},
                                                   {"blue", QColor(0x00, 0x00, 0xFF)},
                                                   {"black", QColor(0x00, 0x00, 0x00)}};
    return colours.value(name);
}

// Shows `number` as the item of an open labelled window. Some targets of the
// table (4078, 300000) are numbers its draw never gives.
LabelledBuildForm *showItem(const QString &window, bool digits, qint32 number)
{
    auto *form = qobject_cast<LabelledBuildForm *>(Forms::open(window, nullptr));
    if (digits) {
        qobject_cast<MenuControl *>(form->control(QStringLiteral("MenuCifre")))->trigger();
    }
    shared().NumeroACaso = number;
    form->MostraObiettivo();
    return form;
}

} // namespace

class TestLabelledForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void edgeCases_data();
    void edgeCases();
    void opening_data();
    void opening();
    void displayMenuDrawsInTheNewMode();
    void longWordsShrinkToFit();
};

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
    QTest::newRow("it 21") << "Form99sem" << 1 << false << 21 << QStringList{"VENT", "UNO"}
                           << QStringList{"red", "blue"} << 32.0;
    QTest::newRow("it 28") << "Form99sem" << 1 << false << 28 << QStringList{"VENT", "OTTO"}
                           << QStringList{"red", "blue"} << 32.0;
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
        test::scriptItem(rnd, QStringLiteral("Form4"), number, 9);
        Pupil pupil{Forms::open(window, nullptr)};
        if (digits) {
            test::scriptItem(rnd, QStringLiteral("Form4"), number, 9);
            pupil.menu(QStringLiteral("mnucifre"));
        }
        QCOMPARE(pupil.target(), texts.front());
        QCOMPARE(pupil.c("EtichettaNumero")->fontSize(), points);
        // Squares 0 to 4: the whole top row and two of the middle one.
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(pupil.c("Shape1", i)->visible(), i < number);
        }
        QCOMPARE(pupil.c("Shape1", 3)->top(), pupil.c("Shape1", 4)->top());
        QVERIFY(pupil.c("Shape1", 2)->top() < pupil.c("Shape1", 3)->top());
        return;
    }

    LabelledBuildForm *form = showItem(window, digits, number);
    QCOMPARE(form->inCifre(), digits);
    const auto seen = test::seenLabels(form);
    QStringList seenTexts;
    QStringList seenColours;
    for (const test::SeenLabel &label : seen) {
        seenTexts << label.text;
        seenColours << label.colour.name();
        // Form999sem's joiner keeps its own size.
        const bool joiner = label.colour == QColor(Qt::black);
        QCOMPARE(label.points, joiner && window == QLatin1String("Form999sem") ? 26.25 : points);
    }
    QStringList expectedColours;
    for (const QString &name : colours) {
        expectedColours << colourNamed(name).name();
    }
    QCOMPARE(seenTexts, texts);
    QCOMPARE(seenColours, expectedColours);
    // The joiner, the last label, shows only where it joins.
    const auto labels = form->controlArray(QStringLiteral("EtichettaNumero"));
    if (labels.size() > 2) {
        QCOMPARE(labels.back()->visible(), texts.contains(QStringLiteral("UND")) || texts.contains(QStringLiteral(" E ")));
    }
    const QString fault = test::layoutFault(form);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestLabelledForms::opening_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("itemAtLoad");
    QTest::addColumn<int>("maximumShown");
    QTest::newRow("Form4sem") << "Form4sem" << true << 5;
    QTest::newRow("Form99sem") << "Form99sem" << false << 99;
}

// Both take the whole screen only when shown; Form4sem draws its first item
// while it loads, Form99sem does everything else once shown and stacks its
// beads by their scaled height.
void TestLabelledForms::opening()
{
    QFETCH(QString, window);
    QFETCH(bool, itemAtLoad);
    QFETCH(int, maximumShown);
    test::TestRun run;
    shared().NumeroMassimo = 5;
    shared().TestoEsatti = QStringLiteral("Giuste");
    shared().TestoOrdine_u = QStringLiteral("U");
    shared().ConteggioEsatti = 12;

    Form *form = Forms::load(window);
    Pupil pupil{form};
    QCOMPARE(form->width(), 11520.0);
    QCOMPARE(shared().ConteggioEsatti, qint16(itemAtLoad ? 0 : 12));
    QCOMPARE(pupil.c("BottoneAvanti")->visible(), itemAtLoad);
    QCOMPARE(shared().NumeroACaso != 0, itemAtLoad);
    QCOMPARE(pupil.c("LabelEST")->caption(), QStringLiteral("Esatti"));

    form->showForm();
    QCOMPARE(form->width(), 15360.0);
    QCOMPARE(form->height(), 11520.0);
    QCOMPARE(shared().ConteggioEsatti, qint16(0));
    QVERIFY(pupil.c("BottoneAvanti")->visible());
    QVERIFY(!pupil.enabled("BottoneAvanti"));
    QCOMPARE(pupil.c("LabelEST")->caption(), QStringLiteral("Giuste"));
    QCOMPARE(pupil.c("Bot_u")->caption(), QStringLiteral("U"));
    QCOMPARE(shared().NumeroMassimo, maximumShown);
    QVERIFY(shared().NumeroACaso >= 1 && shared().NumeroACaso <= std::max(maximumShown, 9));
    QCOMPARE(pupil.beads("u"), 0);
    if (window == QLatin1String("Form99sem")) {
        for (const char *rod : {"pal_da", "pal_u"}) {
            const auto beads = form->controlArray(QString::fromLatin1(rod));
            const double h = pupil.c("pal_u", 0)->height();
            for (int i = 0; i < 9; ++i) {
                QCOMPARE(beads[std::size_t(i)]->top(), pupil.c("pal_u", 0)->top() - i * h);
            }
        }
        QVERIFY(pupil.c("pal_u", 0)->height() > 600);
    }
}

// "in cifre" and "in lettere" each draw a new item, shown in the new mode.
void TestLabelledForms::displayMenuDrawsInTheNewMode()
{
    test::TestRun run;
    useLanguage(1);
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{Forms::open(QStringLiteral("F9999SEM"), nullptr)};
    test::scriptItem(rnd, QStringLiteral("F9999a"), 4725, 9999);
    pupil.menu(QStringLiteral("MenuCifre"));
    QCOMPARE(shared().NumeroACaso, 4725);
    QStringList texts;
    for (const auto &label : test::seenLabels(pupil.form)) {
        texts << label.text;
    }
    QCOMPARE(texts, (QStringList{"4  ", "7", "2", "5"}));

    test::scriptItem(rnd, QStringLiteral("F9999a"), 3040, 9999);
    pupil.menu(QStringLiteral("MenuParole"));
    texts.clear();
    for (const auto &label : test::seenLabels(pupil.form)) {
        texts << label.text;
    }
    QCOMPARE(texts, (QStringList{"TREMILA", "QUARANTA"}));
    const QString fault = test::layoutFault(pupil.form);
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
    QString fault = test::layoutFault(form);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    form->setWidth(12000);
    form->setHeight(9000);
    QVERIFY(form->shownPoints() < full);
    QVERIFY(form->shownPoints() >= kMinimumTargetPoints);
    fault = test::layoutFault(form);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    form->setWidth(15360);
    form->setHeight(11520);
    QCOMPARE(form->shownPoints(), full);

    // A short item is written at the full size again.
    shared().NumeroACaso = 1111;
    form->MostraObiettivo();
    QCOMPARE(form->shownPoints(), 14.0);
}

QTEST_MAIN(TestLabelledForms)
#include "test_labelledforms.moc"
