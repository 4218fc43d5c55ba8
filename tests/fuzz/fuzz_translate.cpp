// The translation of the main menu from a language file of any bytes.
//
// One menu window serves every input: before each translation its texts are
// put back to the design ones, which is all a translation changes, and it
// keeps the target fast (a new window per input costs milliseconds).
//
// Input: two sizing bytes, then the bytes of the language file "X.lng"
// (sized on both sides of the 64,000-byte limit). The program folder is a
// scratch folder holding only that file, and the current language is "X".
// Rules checked, for the window and each of its controls: a caption, tool
// tip or tag is either its design text or the value the file holds for its
// key (IniReference), the window's caption and tag even when that value is
// empty, a control's only when it is not.

#include "FuzzSupport.h"
#include "IniReference.h"

#include "app/FormMenu.h"
#include "base/ProgramFolder.h"
#include "base/SharedState.h"
#include "lang/IniFile.h"
#include "lang/TranslateForm.h"
#include "ui/Control.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

using namespace ortix;
using namespace ortix::fuzz;

namespace {

struct Texts
{
    QString caption;
    QString tip;
    QString tag;
};

QString keyStem(const ui::Control &control)
{
    return control.isArrayMember() ? QStringLiteral("%1(%2)").arg(control.name()).arg(control.index()) : control.name();
}

FormMenu *menu = nullptr;
Texts designForm;
std::vector<Texts> design;

void restoreDesignTexts()
{
    menu->setCaption(designForm.caption);
    menu->setTag(designForm.tag);
    const std::vector<ui::Control *> controls = menu->controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        ui::Control &control = *controls[i];
        if (control.has(ui::Property::Caption)) {
            control.setCaption(design[i].caption);
        }
        if (control.has(ui::Property::ToolTipText)) {
            control.setToolTipText(design[i].tip);
        }
        control.setTag(design[i].tag);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = QDir(scratchFolder()).filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    // Never destroyed: the windows' fonts and styles live to the end.
    static QApplication *app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    // Never destroyed either: it is the window of every input.
    menu = new FormMenu();
    menu->show();
    designForm = {menu->caption(), QString(), menu->tag()};
    for (const ui::Control *control : menu->controls()) {
        design.push_back({control->caption(), control->toolTipText(), control->tag()});
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const Sizing sizing = readSizing(in);
    const QByteArray bytes = sized(in.rest(), sizing, lang::kSmallIniFileLimit);

    const QString file = nextScratchPath(QStringLiteral("X.lng"));
    FUZZ_CHECK(writeFile(file, bytes), file);
    setProgramFolder(QFileInfo(file).path());
    shared().MLSCurrentLanguage = QStringLiteral("X");

    restoreDesignTexts();
    FormMenu *form = menu;
    lang::MLSTranslateForm(*form);

    const QStringList lines = referenceLines(referenceText(bytes));
    const bool small = bytes.size() <= lang::kSmallIniFileLimit;
    const QList<IniEntry> section = small ? referenceEntries(lines, form->name()) : QList<IniEntry>();
    const auto valueOf = [&](const QString &key) {
        return small ? referenceSmallRead(section, key) : referenceLargeRead(lines, key);
    };
    const auto check = [&](const QString &what, const QString &now, const QString &designed, const QString &key,
                           bool evenEmpty) {
        const QString fromFile = valueOf(key);
        const QString expected = (evenEmpty || !fromFile.isEmpty()) ? fromFile : designed;
        FUZZ_CHECK(now == expected, what + QStringLiteral(" is ") + shown(now) + QStringLiteral(", not ") + shown(expected));
    };

    check(QStringLiteral("window caption"), form->caption(), designForm.caption, QStringLiteral("FormMenu.Caption"), true);
    check(QStringLiteral("window tag"), form->tag(), designForm.tag, QStringLiteral("FormMenu.Tag"), true);
    const std::vector<ui::Control *> controls = form->controls();
    FUZZ_CHECK(controls.size() == design.size(), QStringLiteral("controls added"));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ui::Control &control = *controls[i];
        const QString stem = keyStem(control);
        if (control.has(ui::Property::Caption)) {
            check(stem + QStringLiteral(" caption"), control.caption(), design[i].caption, stem + QStringLiteral(".Caption"), false);
        }
        if (control.has(ui::Property::ToolTipText)) {
            check(stem + QStringLiteral(" tip"), control.toolTipText(), design[i].tip, stem + QStringLiteral(".ToolTipText"), false);
        }
        check(stem + QStringLiteral(" tag"), control.tag(), design[i].tag, stem + QStringLiteral(".Tag"), false);
    }
    return 0;
}
