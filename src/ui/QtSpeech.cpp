#include "ui/QtSpeech.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QTextToSpeech>
#include <QVoice>

#include <map>
#include <optional>

namespace ortix::ui {

namespace {
constexpr qsizetype kHandedKept = 100;
}

// Everything the speech thread owns. Only `pending` and `handed` are
// touched from the window thread too, under the mutex.
struct QtSpeech::Engine
{
    struct Request
    {
        qint64 number;
        QLocale::Language language;
    };

    QString name;
    std::unique_ptr<QTextToSpeech> tts;
    bool tried = false;
    // The locale chosen for each language asked so far; none when the
    // engine has no voice for it.
    std::map<QLocale::Language, std::optional<QLocale>> locales;
    std::optional<QLocale::Language> current;
    bool spoke = false;

    QMutex mutex;
    std::optional<Request> pending;
    QStringList handed;

    // The engine, started on first use; none when there is no usable one.
    QTextToSpeech *ready()
    {
        if (!tried) {
            tried = true;
            tts = name.isEmpty() ? std::make_unique<QTextToSpeech>() : std::make_unique<QTextToSpeech>(name);
            if (tts->state() == QTextToSpeech::Error) {
                tts.reset();
            }
        }
        return tts.get();
    }

    // The language as spoken in Europe when the engine has it (it_IT,
    // en_GB, fr_FR, de_DE, es_ES, sq_AL), else any of its locales.
    std::optional<QLocale> localeFor(QLocale::Language language)
    {
        const auto known = locales.find(language);
        if (known != locales.end()) {
            return known->second;
        }
        std::optional<QLocale> chosen;
        const QLocale::Territory usual =
            language == QLocale::English ? QLocale::UnitedKingdom : QLocale(language).territory();
        for (const QLocale &locale : tts->availableLocales()) {
            if (locale.language() != language) {
                continue;
            }
            if (!chosen || locale.territory() == usual) {
                chosen = locale;
            }
        }
        locales[language] = chosen;
        return chosen;
    }

    void speakPending()
    {
        std::optional<Request> request;
        {
            QMutexLocker lock(&mutex);
            request.swap(pending);
        }
        if (!request || !ready()) {
            return;
        }
        if (spoke) {
            tts->stop();
        }
        const std::optional<QLocale> locale = localeFor(request->language);
        if (!locale) {
            return;
        }
        if (current != request->language) {
            tts->setLocale(*locale);
            current = request->language;
        }
        const QString text = spokenText(request->number, *locale);
        tts->say(text);
        spoke = true;
        QMutexLocker lock(&mutex);
        // The latest ones are enough for a check; a long lesson keeps no more.
        if (handed.size() >= kHandedKept) {
            handed.removeFirst();
        }
        handed.append(locale->name() + u' ' + tts->voice().name() + QStringLiteral(": ") + text);
    }
};

QtSpeech::QtSpeech(const QString &engine)
    : m_engine(std::make_shared<Engine>())
{
    m_engine->name = engine;
}

QtSpeech::~QtSpeech()
{
    QObject::disconnect(m_atQuit);
    endThread();
}

void QtSpeech::endThread()
{
    if (m_thread.isRunning()) {
        m_thread.quit();
        m_thread.wait();
    }
    delete m_context;
    m_context = nullptr;
}

void QtSpeech::ensureThread()
{
    if (m_context) {
        return;
    }
    // The engine comes from a plug-in that Qt unloads once the application
    // is gone: it is let go while the application is still there.
    if (!m_atQuit && QCoreApplication::instance()) {
        m_atQuit = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                    QCoreApplication::instance(), [this] { endThread(); });
    }
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    // The engine goes on its own thread, as the thread ends.
    QObject::connect(&m_thread, &QThread::finished, m_context, [engine = m_engine] { engine->tts.reset(); },
                     Qt::DirectConnection);
    m_thread.setObjectName(QStringLiteral("ortix speech"));
    m_thread.start(QThread::LowPriority);
}

void QtSpeech::start()
{
    ensureThread();
    QMetaObject::invokeMethod(m_context, [engine = m_engine] { engine->ready(); }, Qt::QueuedConnection);
}

void QtSpeech::sayNumber(qint64 number, QLocale::Language language)
{
    ensureThread();
    {
        QMutexLocker lock(&m_engine->mutex);
        m_engine->pending = Engine::Request{number, language};
    }
    QMetaObject::invokeMethod(m_context, [engine = m_engine] { engine->speakPending(); }, Qt::QueuedConnection);
}

void QtSpeech::settle()
{
    if (m_context) {
        QMetaObject::invokeMethod(m_context, [] {}, Qt::BlockingQueuedConnection);
    }
}

bool QtSpeech::engineFound()
{
    settle();
    return m_engine->tts != nullptr;
}

QStringList QtSpeech::handedToEngine()
{
    settle();
    QMutexLocker lock(&m_engine->mutex);
    return m_engine->handed;
}

QString QtSpeech::spokenText(qint64 number, const QLocale &voiceLocale)
{
    QLocale digits(voiceLocale);
    digits.setNumberOptions(QLocale::OmitGroupSeparator);
    return digits.toString(number);
}

} // namespace ortix::ui
