// The main menu: how long it takes to come up, to translate and to rescale,
// and what the process holds once it is shown.
#include "BenchTiming.h"

#include "app/FormMenu.h"
#include "app/Main.h"
#include "base/ProgramFolder.h"
#include "base/SharedState.h"
#include "lang/LanguageSupport.h"
#include "lang/TranslateForm.h"
#include "ui/ClsResize.h"
#include "ui/Forms.h"

#include <QCoreApplication>
#include <QFile>

namespace ortix::bench {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return 0;
}

} // namespace ortix::bench

using namespace ortix;

void benchMenu(QTextStream &out)
{
    constexpr int kRuns = 41;
    registerAllForms();
    shared().MLSCurrentLanguage = lang::readCurrentLanguage();
    lang::ImpostaLinguaNumeri();

    const auto flush = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    const double open = bench::medianMicroseconds(
        kRuns,
        [] {
            ui::Forms::open(QStringLiteral("FormMenu"), nullptr);
            QCoreApplication::processEvents();
        },
        [&] {
            ui::Forms::closeAllWithoutHandlers();
            flush();
        });
    ui::Form *menu = ui::Forms::find(QStringLiteral("FormMenu"));
    const double translate = bench::medianMicroseconds(kRuns, [&] { lang::MLSTranslateForm(*menu); });
    const double resize = bench::medianMicroseconds(kRuns, [] { ui::Ridimensionatore()->ResizeControls(); });
    QCoreApplication::processEvents();

    out << "FormMenu create, translate, size and show: " << open << " us (median of " << kRuns << ")\n";
    out << "MLSTranslateForm(FormMenu): " << translate << " us\n";
    out << "ResizeControls(FormMenu): " << resize << " us\n";
    out << "Resident memory with the menu shown: " << bench::residentKilobytes() << " kB\n";
    ui::Forms::closeAllWithoutHandlers();
    flush();
}
