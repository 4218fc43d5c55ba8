#pragma once

#include "ui/Speech.h"

#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

namespace ortix::ui {

// The program's Speech, on QTextToSpeech. Starting an engine can take
// seconds (the speech-dispatcher plug-in lists every voice it has), so the
// engine lives on a thread of its own from the first start() or
// sayNumber() on, and the windows only leave it the latest number: one
// asked for while another is still being read, or while the engine is
// still starting, replaces it. The thread and the engine end with this
// object, or when the application is about to quit, whichever comes first.
class QtSpeech : public Speech
{
public:
    // engine: the Qt text-to-speech plug-in to use; empty for the default.
    explicit QtSpeech(const QString &engine = QString());
    ~QtSpeech() override;
    QtSpeech(const QtSpeech &) = delete;
    QtSpeech &operator=(const QtSpeech &) = delete;

    void start() override;
    void sayNumber(qint64 number, QLocale::Language language) override;

    // For the checks of the real service: waits until the speech thread
    // has done all it was asked, then tells whether an engine was found and
    // what it was handed, one "locale voice: text" line per number (the
    // latest hundred).
    bool engineFound();
    QStringList handedToEngine();
    // Whether the speech thread runs (from the first number until the
    // application is about to quit).
    bool threadRunning() const { return m_thread.isRunning(); }

    // The text an engine is given for a number in a voice's locale: the
    // locale's digits, without group separators, which engines read as
    // one number in every language (grouped, several read the groups
    // apart).
    static QString spokenText(qint64 number, const QLocale &voiceLocale);

private:
    struct Engine;

    void ensureThread();
    void endThread();
    void settle();

    std::shared_ptr<Engine> m_engine;
    QThread m_thread;
    // Lives on m_thread: the jobs posted to it run there.
    QObject *m_context = nullptr;
    QMetaObject::Connection m_atQuit;
};

} // namespace ortix::ui
