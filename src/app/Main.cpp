#include "app/Main.h"

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "app/SingleInstance.h"
#include "base/Rnd.h"
#include "base/SharedState.h"
#include "exercise/ExerciseCatalog.h"
#include "frame/FrameCatalog.h"
#include "lang/LanguageSupport.h"
#include "ui/ClsResize.h"
#include "ui/Forms.h"
#include "ui/Services.h"
#include "ui/ToolkitLanguage.h"

namespace ortix {

using lang::MLSGetString;

bool Main(SingleInstance &instance)
{
    if (!instance.acquire()) {
        ui::messageBox(nullptr, MLSGetString(QStringLiteral("0012")), MLSGetString(QStringLiteral("0013")),
                       ui::MsgButtons::Ok, ui::MsgIcon::Critical);
        return false;
    }
    ui::releaseResizer();
    SharedState &state = shared();
    state.MLSCurrentLanguage = lang::readCurrentLanguage();
    lang::ImpostaLinguaNumeri();
    ui::installToolkitLanguage(shared().LinguaNumeri.toInt());
    readSharedTexts();
    lang::PreparaPartiUndiciDiciannove();
    rnd().randomize();
    state.SuoniAttivati = true;
    state.NumeroMassimo = 99;
    registerAllForms();
    ui::Forms::open(QStringLiteral("FormAvvio"), nullptr);
    return true;
}

void readSharedTexts()
{
    SharedState &state = shared();
    state.TestoEsatti = MLSGetString(QStringLiteral("0002"));
    state.TestoErrati = MLSGetString(QStringLiteral("0003"));
    state.TestoOrdine_hk = MLSGetString(QStringLiteral("0049"));
    state.TestoOrdine_dak = MLSGetString(QStringLiteral("0048"));
    state.TestoOrdine_uk = MLSGetString(QStringLiteral("0044"));
    state.TestoOrdine_h = MLSGetString(QStringLiteral("0045"));
    state.TestoOrdine_da = MLSGetString(QStringLiteral("0046"));
    state.TestoOrdine_u = MLSGetString(QStringLiteral("0047"));
}

void registerAllForms()
{
    ui::Forms::registerForm(QStringLiteral("FormAvvio"), [] { return new FormAvvio(); });
    ui::Forms::registerForm(QStringLiteral("FormMenu"), [] { return new FormMenu(); });
    registerExerciseForms();
    registerFrameForms();
}

} // namespace ortix
