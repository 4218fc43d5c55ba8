// Every number of each labelled window, in every language and in digits,
// must stand whole inside Picture1, at the screen sizes the program meets.
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

namespace {

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

class TestLabelledFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void everyNumberFits_data();
    void everyNumberFits();
};

void TestLabelledFit::everyNumberFits_data()
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

void TestLabelledFit::everyNumberFits()
{
    QFETCH(QString, window);
    QFETCH(QSize, screen);
    test::TestRun run;
    run.fakes.screen->m_area = QRect(QPoint(0, 0), screen);
    auto *form = qobject_cast<LabelledBuildForm *>(ui::Forms::open(window, nullptr));
    QVERIFY(form);
    const std::vector<qint32> numbers = numbersOf(window);
    double smallest = 100;
    auto check = [&](qint32 n, int lingua) {
        shared().NumeroACaso = n;
        form->MostraObiettivo();
        smallest = std::min(smallest, form->shownPoints());
        const QString fault = test::layoutFault(form);
        if (!fault.isEmpty() || form->shownPoints() < kMinimumTargetPoints) {
            QTest::qFail(qPrintable(QStringLiteral("%1 in language %2: %3, %4 pt").arg(n).arg(lingua).arg(fault).arg(form->shownPoints())),
                         __FILE__, __LINE__);
            return false;
        }
        return true;
    };
    for (int lingua = 1; lingua <= 6; ++lingua) {
        shared().LinguaNumeri = QString::number(lingua);
        lang::PreparaPartiUndiciDiciannove();
        for (qint32 n : numbers) {
            if (!check(n, lingua)) {
                return;
            }
        }
    }
    qobject_cast<ui::MenuControl *>(form->control(QStringLiteral("MenuCifre")))->trigger();
    QVERIFY(form->inCifre());
    for (qint32 n : numbers) {
        if (!check(n, 0)) {
            return;
        }
    }
    qInfo("%s at %dx%d: smallest size %.1f pt", qPrintable(window), screen.width(), screen.height(), smallest);
}

QTEST_MAIN(TestLabelledFit)
#include "test_labelledfit.moc"
