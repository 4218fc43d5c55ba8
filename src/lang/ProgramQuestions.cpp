#include "lang/ProgramQuestions.h"

#include "base/SmallOperations.h"
#include "lang/LanguageSupport.h"
#include "ui/ClsResize.h"
#include "ui/Form.h"
#include "ui/Forms.h"
#include "ui/Services.h"

namespace ortix {

void MostraInformazioni(QWidget *parent)
{
    using lang::MLSGetString;
    const QString text = informationText({MLSGetString(QStringLiteral("9996")), MLSGetString(QStringLiteral("9997")),
                                          MLSGetString(QStringLiteral("9998")), MLSGetString(QStringLiteral("9999"))});
    ui::messageBox(parent, text, QString::fromUtf8(kTitoloMessaggi), ui::MsgButtons::Ok, ui::MsgIcon::Information);
}

void ConfermaUscita(QWidget *parent)
{
    const auto answer = ui::messageBox(parent, lang::MLSGetString(QStringLiteral("0014")),
                                       QString::fromUtf8(kTitoloMessaggi), ui::MsgButtons::YesNo,
                                       ui::MsgIcon::Question);
    if (answer != ui::MsgAnswer::Yes) {
        return;
    }
    ui::releaseResizer();
    ui::installRealServices();
    ui::services().end->endNow();
}

bool Esci(ui::Form &window)
{
    const auto answer = ui::messageBox(&window, lang::MLSGetString(QStringLiteral("0001")),
                                       QString::fromUtf8(kTitoloMessaggi), ui::MsgButtons::YesNo,
                                       ui::MsgIcon::Question);
    if (answer != ui::MsgAnswer::Yes) {
        return false;
    }
    ui::Forms::open(QStringLiteral("FormMenu"), &window);
    return true;
}

} // namespace ortix
