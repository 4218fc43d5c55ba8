#include "ui/Forms.h"

#include "ui/Form.h"
#include "ui/Services.h"

#include <QHash>

#include <algorithm>

namespace ortix::ui {

namespace {

QHash<QString, Forms::Factory> &factories()
{
    static QHash<QString, Forms::Factory> all;
    return all;
}

std::vector<Form *> &openForms()
{
    static std::vector<Form *> all;
    return all;
}

} // namespace

void Forms::registerForm(const QString &name, Factory factory)
{
    factories().insert(name, std::move(factory));
}

bool Forms::isRegistered(const QString &name)
{
    return factories().contains(name);
}

const std::vector<Form *> &Forms::all()
{
    return openForms();
}

Form *Forms::find(const QString &name)
{
    for (Form *form : openForms()) {
        if (form->name() == name && !form->isUnloading()) {
            return form;
        }
    }
    return nullptr;
}

Form *Forms::createUnloaded(const QString &name)
{
    const auto factory = factories().constFind(name);
    return factory == factories().constEnd() ? nullptr : (*factory)();
}

Form *Forms::load(const QString &name)
{
    if (Form *existing = find(name)) {
        return existing;
    }
    const auto factory = factories().constFind(name);
    if (factory == factories().constEnd()) {
        return nullptr;
    }
    Form *form = (*factory)();
    openForms().push_back(form);
    form->load();
    return form;
}

Form *Forms::open(const QString &name, Form *opener)
{
    Form *form = load(name);
    if (!form) {
        return nullptr;
    }
    form->showForm();
    if (opener && opener != form) {
        opener->unload();
    }
    return form;
}

void Forms::forget(Form *form)
{
    auto &all = openForms();
    all.erase(std::remove(all.begin(), all.end(), form), all.end());
}

void Forms::endIfNoneOpen()
{
    if (openForms().empty()) {
        installRealServices();
        services().end->endNow();
    }
}

void Forms::closeAllWithoutHandlers()
{
    const std::vector<Form *> all = openForms();
    openForms().clear();
    for (Form *form : all) {
        form->hide();
        form->deleteLater();
    }
}

} // namespace ortix::ui
