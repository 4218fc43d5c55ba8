#pragma once

#include <QSizeF>
#include <QString>

#include <functional>

class QDateTime;
class QPainter;
class QPrinter;

namespace ortix::ui {

// One page to print: a picture of `size`, in the caller's own units, that
// `paint` draws onto a painter already scaled to those units. The picture
// is fitted to the page, centred across it.
struct PrintJob
{
    QString documentName;
    QSizeF size;
    std::function<void(QPainter &)> paint;
};

enum class PrintOutcome { Failed, Printed, SavedAsPdf };

struct PrintResult
{
    PrintOutcome outcome = PrintOutcome::Failed;
    // The PDF file, when the page was saved instead of printed.
    QString pdfFile;
};

// Prints a page with no dialog.
class Printing
{
public:
    virtual ~Printing() = default;
    virtual PrintResult print(const PrintJob &job) = 0;
};

// Prints on the default printer; where no printer is installed, saves the
// page as a PDF in the user's documents folder, named after the document
// and the time, so that the pupil's work is not lost.
class SystemPrinting : public Printing
{
public:
    PrintResult print(const PrintJob &job) override;
};

// Draws the job on one page of a printer that is set up: landscape for a
// wide picture. False when the printer cannot be started.
bool paintPage(QPrinter &printer, const PrintJob &job);
// Saves the job as a one-page PDF file.
bool printToPdf(const QString &path, const PrintJob &job);
// "ortix-2026-12-06-1530.pdf" for the document "ortix" printed at 15:30.
QString pdfFileName(const QString &documentName, const QDateTime &when);

} // namespace ortix::ui
