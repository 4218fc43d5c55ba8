#include "lang/TranslateForm.h"

#include "base/SharedState.h"
#include "lang/IniFile.h"
#include "lang/LanguageSupport.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace ortix::lang {

void MLSTranslateForm(ui::Form &form)
{
    const auto file = languageFilePath(shared().MLSCurrentLanguage);
    if (!file) {
        return;
    }
    const QString section = form.name();
    const auto read = [&](const QString &key) { return MLSReadIni(*file, section, key); };

    // The window itself: a missing key empties its caption and tag.
    if (!form.caption().isEmpty()) {
        if (const auto caption = read(form.name() + QStringLiteral(".Caption"))) {
            form.setCaption(*caption);
        }
    }
    if (const auto tag = read(form.name() + QStringLiteral(".Tag"))) {
        form.setTag(*tag);
    }

    // Controls keep their designed texts unless the file has one. The list
    // is copied: nothing here adds controls, but a handler might.
    const std::vector<ui::Control *> controls = form.controls();
    for (ui::Control *control : controls) {
        const QString stem = control->isArrayMember()
                                 ? QStringLiteral("%1(%2)").arg(control->name()).arg(control->index())
                                 : control->name();
        if (control->has(ui::Property::Caption)) {
            if (const auto caption = read(stem + QStringLiteral(".Caption")); caption && !caption->isEmpty()) {
                control->setCaption(*caption);
            }
        }
        if (control->has(ui::Property::ToolTipText)) {
            if (const auto tip = read(stem + QStringLiteral(".ToolTipText")); tip && !tip->isEmpty()) {
                control->setToolTipText(*tip);
            }
        }
        if (const auto tag = read(stem + QStringLiteral(".Tag")); tag && !tag->isEmpty()) {
            control->setTag(*tag);
        }
    }
}

} // namespace ortix::lang
