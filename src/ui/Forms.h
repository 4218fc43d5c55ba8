#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace ortix::ui {

class Form;

// The program's open windows, in the order they were loaded, and the way
// one window opens another.
class Forms
{
public:
    using Factory = std::function<Form *()>;

    // Makes a window known by its name, so that it can be opened.
    static void registerForm(const QString &name, Factory factory);
    static bool isRegistered(const QString &name);

    // A window built from its design only, outside the collection: its
    // Form_Load does not run. Nothing when no window has that name.
    static Form *createUnloaded(const QString &name);

    static const std::vector<Form *> &all();
    static Form *find(const QString &name);

    // Creates the window if no instance exists (running its Form_Load) and
    // returns it; nothing when no window has that name.
    static Form *load(const QString &name);
    // Opening a window: create it if absent, show it (not modal), then
    // unload the window that opened it.
    static Form *open(const QString &name, Form *opener);

    // For Form: a window leaves the collection when it is unloaded.
    static void forget(Form *form);
    // Ends the program once the last window has been unloaded.
    static void endIfNoneOpen();
    // Deletes every window at once, without running its handlers.
    static void closeAllWithoutHandlers();
};

} // namespace ortix::ui
