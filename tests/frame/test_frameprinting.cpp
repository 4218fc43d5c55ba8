#include "TestSupport.h"

#include "app/Main.h"
#include "frame/Formortix.h"
#include "lang/LanguageSupport.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"

#include <QDir>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>

using namespace ortix;
using namespace ortix::ui;

namespace {

Formortix *openAndPrint()
{
    registerAllForms();
    auto *frame = qobject_cast<Formortix *>(Forms::open(QStringLiteral("Formortix"), nullptr));
    QTest::mouseClick(frame->control(QStringLiteral("Command2"), 2)->widget(), Qt::LeftButton);
    qobject_cast<MenuControl *>(frame->control(QStringLiteral("mnuStampa")))->trigger();
    return frame;
}

// The printed picture's colour at a point of the client area, in twips.
QColor printedAt(const test::TestRun &run, const Form &form, QPointF twips)
{
    const QImage &page = run.fakes.printing->lastPage;
    return page.pixelColor((twips * (page.width() / form.scaleWidth())).toPoint());
}

} // namespace

class TestFramePrinting : public QObject
{
    Q_OBJECT

private slots:
    void printsTheFrameOnWhite();
    void withoutPrinterThePageIsSavedAsPdf();
};

void TestFramePrinting::printsTheFrameOnWhite()
{
    test::TestRun run;
    Formortix *frame = openAndPrint();
    QCOMPARE(frame->backColor(), QColor(0xFF, 0xC0, 0xFF));
    QCOMPARE(run.fakes.printing->files.size(), 1);
    QCOMPARE(test::pdfPageCount(run.fakes.printing->files.at(0)), 1);
    QVERIFY(run.fakes.messages->shown.empty());

    // White paper, the red bead of rod 2 (beside its rod), the blue button of rod 1.
    const Control *bead = frame->pallina(2, 0);
    const QPointF inBead(bead->left() + bead->width() / 4, bead->top() + bead->height() / 2);
    QCOMPARE(printedAt(run, *frame, QPointF(30, 30)), QColor(Qt::white));
    QCOMPARE(printedAt(run, *frame, inBead), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(printedAt(run, *frame, inBead - QPointF(0, bead->height())), QColor(Qt::white));
    const Control *button = frame->control(QStringLiteral("Command2"), 1);
    QCOMPARE(printedAt(run, *frame, QPointF(button->left() + 60, button->top() + 60)), QColor(0x00, 0x00, 0xFF));
    const Control *rod = frame->control(QStringLiteral("FiloOrtix"), 3);
    QCOMPARE(printedAt(run, *frame, QPointF(rod->x1(), rod->y1() + 200)), QColor(Qt::black));
}

void TestFramePrinting::withoutPrinterThePageIsSavedAsPdf()
{
    QCOMPARE(pdfFileName(QStringLiteral("ortix"), QDateTime(QDate(2026, 12, 6), QTime(15, 30, 59))),
             QStringLiteral("ortix-2026-12-06-1530.pdf"));

    // The window tells where the page went.
    test::TestRun run;
    run.copyShippedLanguageFiles();
    run.fakes.printing->answer = PrintOutcome::SavedAsPdf;
    openAndPrint();
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    const auto &told = run.fakes.messages->shown[0];
    QCOMPARE(told.icon, MsgIcon::Information);
    QVERIFY(!lang::MLSGetString(QStringLiteral("0060")).isEmpty());
    QVERIFY(told.text.startsWith(lang::MLSGetString(QStringLiteral("0060"))));
    QVERIFY(told.text.endsWith(QDir::toNativeSeparators(run.fakes.printing->files.at(0))));

    // The system's printing, where no printer is installed.
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("a printer is installed here; the page would really be printed");
    }
    SystemPrinting printing;
    const PrintJob job{QStringLiteral("ortix"), QSizeF(10740, 7950),
                       [](QPainter &painter) { painter.fillRect(QRectF(100, 100, 500, 500), Qt::blue); }};
    const PrintResult first = printing.print(job);
    const PrintResult second = printing.print(job);
    QCOMPARE(first.outcome, PrintOutcome::SavedAsPdf);
    QCOMPARE(QFileInfo(first.pdfFile).absolutePath(), QDir(run.fakes.folders->documents()).absolutePath());
    static const QRegularExpression name(QStringLiteral(R"(^ortix-\d{4}-\d\d-\d\d-\d{4}\.pdf$)"));
    QVERIFY2(name.match(QFileInfo(first.pdfFile).fileName()).hasMatch(), qPrintable(first.pdfFile));
    QCOMPARE(test::pdfPageCount(first.pdfFile), 1);
    // Two printouts in one minute do not overwrite each other.
    QVERIFY(second.pdfFile != first.pdfFile);
    QVERIFY(QFileInfo(second.pdfFile).isFile());

    // A documents folder that cannot be made: nothing printed, and no harm.
    test::ObeyFilePermissions obey;
    QDir(run.fakes.folders->documents()).removeRecursively();
    const QString user = QFileInfo(run.fakes.folders->documents()).absolutePath();
    test::setFolderWritable(user, false);
    QCOMPARE(printing.print(job).outcome, PrintOutcome::Failed);
    test::setFolderWritable(user, true);
}

QTEST_MAIN(TestFramePrinting)
#include "test_frameprinting.moc"
