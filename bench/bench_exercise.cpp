// The build-the-number windows: how long each takes to open (load, first
// showing, first item) and to rescale its controls.
#include "BenchTiming.h"

#include "app/Main.h"
#include "base/SharedState.h"
#include "lang/LanguageSupport.h"
#include "ui/ClsResize.h"
#include "ui/Form.h"
#include "ui/Forms.h"

#include <QCoreApplication>

using namespace ortix;

void benchExercise(QTextStream &out)
{
    constexpr int kRuns = 41;
    registerAllForms();
    shared().MLSCurrentLanguage = lang::readCurrentLanguage();
    lang::ImpostaLinguaNumeri();
    const auto closeAll = [] {
        ui::Forms::closeAllWithoutHandlers();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    for (const char *name : {"Form4", "Form99a", "Form999a", "F9999a", "Periodo1"}) {
        const QString window = QString::fromLatin1(name);
        const double open = bench::medianMicroseconds(
            kRuns,
            [&] {
                ui::Forms::open(window, nullptr);
                QCoreApplication::processEvents();
            },
            closeAll);
        out << window << " load, show, first item: " << open << " us (median of " << kRuns << ")\n";
    }

    // Periodo1 is open now, the one with most controls.
    ui::Form *periodo = ui::Forms::find(QStringLiteral("Periodo1"));
    const double resize = bench::medianMicroseconds(kRuns, [] { ui::Ridimensionatore()->ResizeControls(); });
    out << "ResizeControls(Periodo1): " << resize << " us\n";
    // A whole change of size: rescaling, laying the beads out again and
    // fitting the target to its label.
    const double fullWidth = periodo->width();
    int step = 0;
    const double relayout = bench::medianMicroseconds(kRuns, [&] {
        periodo->setWidth(fullWidth - 150 * (++step % 2));
    });
    out << "Periodo1 width change with bead layout: " << relayout << " us\n";
    closeAll();
}
