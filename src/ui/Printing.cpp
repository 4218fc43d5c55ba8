#include "ui/Printing.h"

#include "ui/Services.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace ortix::ui {

namespace {

// A file name of the folder that is not taken yet, so that two printouts in
// the same minute do not overwrite each other.
QString freeFilePath(const QDir &folder, const QString &fileName)
{
    const QFileInfo info(fileName);
    QString candidate = folder.filePath(fileName);
    for (int n = 2; QFileInfo::exists(candidate); ++n) {
        candidate = folder.filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    }
    return candidate;
}

} // namespace

bool paintPage(QPrinter &printer, const PrintJob &job)
{
    if (job.size.isEmpty()) {
        return false;
    }
    printer.setDocName(job.documentName);
    printer.setPageOrientation(job.size.width() > job.size.height() ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter starts at the printable area's corner.
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(area.width() / job.size.width(), area.height() / job.size.height());
    painter.translate((area.width() - job.size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), job.size));
    painter.setRenderHint(QPainter::Antialiasing);
    if (job.paint) {
        job.paint(painter);
    }
    return painter.end();
}

bool printToPdf(const QString &path, const PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return paintPage(printer, job) && QFileInfo(path).isFile();
}

QString pdfFileName(const QString &documentName, const QDateTime &when)
{
    return documentName + when.toString(QStringLiteral("-yyyy-MM-dd-HHmm")) + QStringLiteral(".pdf");
}

PrintResult SystemPrinting::print(const PrintJob &job)
{
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (!installed.isNull()) {
        QPrinter printer(installed, QPrinter::HighResolution);
        return PrintResult{paintPage(printer, job) ? PrintOutcome::Printed : PrintOutcome::Failed, QString()};
    }
    const QDir folder(documentsFolder());
    if (folder.path().isEmpty() || !QDir().mkpath(folder.path())) {
        return PrintResult{};
    }
    const QString path = freeFilePath(folder, pdfFileName(job.documentName, QDateTime::currentDateTime()));
    if (!printToPdf(path, job)) {
        return PrintResult{};
    }
    return PrintResult{PrintOutcome::SavedAsPdf, path};
}

} // namespace ortix::ui
