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

// The texts of the window (first) and of each control, with the key stem of each.
struct Texts
{
    QString stem;
    QString caption;
    QString tip;
    QString tag;
};

FormMenu *menu = nullptr;
std::vector<Texts> design;

std::vector<Texts> textsOf(const FormMenu &form)
{
    std::vector<Texts> texts{{form.name(), form.caption(), QString(), form.tag()}};
    for (const ui::Control *c : form.controls()) {
        const QString stem = c->isArrayMember() ? QStringLiteral("%1(%2)").arg(c->name()).arg(c->index()) : c->name();
        texts.push_back({stem, c->caption(), c->toolTipText(), c->tag()});
    }
    return texts;
}

void restoreDesignTexts()
{
    menu->setCaption(design[0].caption);
    menu->setTag(design[0].tag);
    const std::vector<ui::Control *> controls = menu->controls();
    // Every text back to the one it had, whether translations touch it or not.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controls[i]->setCaption(design[i + 1].caption);
        controls[i]->setToolTipText(design[i + 1].tip);
        controls[i]->setTag(design[i + 1].tag);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = nextScratchPath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    // Never destroyed: the windows' fonts and styles live to the end, and the
    // menu is the window of every input.
    new QApplication(*argc, *argv);
    menu = new FormMenu();
    menu->show();
    design = textsOf(*menu);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const Sizing sizing = in.sizing();
    const QByteArray bytes = sized(in.rest(), sizing, lang::kSmallIniFileLimit);

    const QString file = nextScratchPath(QStringLiteral("X.lng"));
    FUZZ_CHECK(writeFile(file, bytes), file);
    setProgramFolder(QFileInfo(file).path());
    shared().MLSCurrentLanguage = QStringLiteral("X");
    restoreDesignTexts();
    lang::MLSTranslateForm(*menu);

    const QStringList lines = referenceFileLines(bytes);
    const bool small = bytes.size() <= lang::kSmallIniFileLimit;
    const QList<IniEntry> section = small ? referenceEntries(lines, menu->name()) : QList<IniEntry>();
    const std::vector<Texts> now = textsOf(*menu);
    FUZZ_CHECK(now.size() == design.size(), QStringLiteral("controls added"));
    const std::vector<ui::Control *> controls = menu->controls();
    for (std::size_t i = 0; i < now.size(); ++i) {
        const auto check = [&](const char *property, const QString &is, const QString &designed) {
            const QString key = now[i].stem + u'.' + QLatin1String(property);
            const QString fromFile = small ? referenceSmallRead(section, key) : referenceLargeRead(lines, key);
            // The window takes even an empty text, a control only a text.
            const QString expected = (i == 0 || !fromFile.isEmpty()) ? fromFile : designed;
            FUZZ_CHECK(is == expected, key + QStringLiteral(" is ") + shown(is) + QStringLiteral(", not ") + shown(expected));
        };
        const ui::Control *control = i == 0 ? nullptr : controls[i - 1];
        if (!control || control->has(ui::Property::Caption)) {
            check("Caption", now[i].caption, design[i].caption);
        }
        if (control && control->has(ui::Property::ToolTipText)) {
            check("ToolTipText", now[i].tip, design[i].tip);
        }
        check("Tag", now[i].tag, design[i].tag);
    }
    return 0;
}
