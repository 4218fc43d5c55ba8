#include "ui/Services.h"

#include "ui/Forms.h"
#include "ui/QtSoundPlayer.h"
#include "ui/SoundPlayer.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

namespace ortix::ui {

namespace {

class QtMessageBoxes : public MessageBoxes
{
public:
    MsgAnswer show(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                   MsgIcon icon) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
        box.setText(text);
        switch (icon) {
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::None:
            break;
        }
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
};

class PrimaryScreen : public ScreenInfo
{
public:
    QRect geometry() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    }
};

class QuitApplication : public ProgramEnd
{
public:
    void endNow() override
    {
        Forms::closeAllWithoutHandlers();
        QCoreApplication::exit(0);
    }
};

class SystemFolders : public UserFolders
{
public:
    QString settingsRoot() const override
    {
#ifdef Q_OS_WIN
        return QStringLiteral("C:/");
#else
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    }
    QString documents() const override
    {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
};

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

Services &services()
{
    static Services all;
    return all;
}

void installRealServices()
{
    Services &s = services();
    if (!s.messages) {
        s.messages = std::make_unique<QtMessageBoxes>();
    }
    if (!s.sounds) {
        s.sounds = std::make_unique<QtSoundPlayer>();
    }
    if (!s.screen) {
        s.screen = std::make_unique<PrimaryScreen>();
    }
    if (!s.end) {
        s.end = std::make_unique<QuitApplication>();
    }
    if (!s.printing) {
        s.printing = std::make_unique<SystemPrinting>();
    }
    if (!s.folders) {
        s.folders = std::make_unique<SystemFolders>();
    }
}

MsgAnswer messageBox(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                     MsgIcon icon)
{
    installRealServices();
    return services().messages->show(parent, text, title, buttons, icon);
}

void playSound(const QString &wavePath)
{
    installRealServices();
    services().sounds->play(wavePath);
}

QRect screenGeometry()
{
    installRealServices();
    return services().screen->geometry();
}

double screenWidthTwips()
{
    return screenGeometry().width() * twipsPerPixel();
}

double screenHeightTwips()
{
    return screenGeometry().height() * twipsPerPixel();
}

PrintResult printPage(const PrintJob &job)
{
    installRealServices();
    return services().printing->print(job);
}

QString settingsRoot()
{
    installRealServices();
    return services().folders->settingsRoot();
}

QString documentsFolder()
{
    installRealServices();
    return services().folders->documents();
}

} // namespace ortix::ui
