#include "TestSupport.h"

#include "base/ProgramFolder.h"
#include "base/Rnd.h"
#include "base/SharedState.h"
#include "lang/LanguageSupport.h"
#include "ui/ClsResize.h"
#include "ui/Form.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <sys/resource.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace ortix::test {

ui::MsgAnswer RecordingMessageBoxes::show(QWidget *, const QString &text, const QString &title,
                                           ui::MsgButtons buttons, ui::MsgIcon icon)
{
    shown.push_back(Shown{text, title, buttons, icon});
    if (buttons == ui::MsgButtons::Ok || answers.empty()) {
        return buttons == ui::MsgButtons::Ok ? ui::MsgAnswer::Ok : ui::MsgAnswer::Yes;
    }
    const ui::MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

char *toString(const Shown &shown)
{
    const QString buttonsAndIcon = QStringLiteral("buttons %1, icon %2").arg(int(shown.buttons)).arg(int(shown.icon));
    return QTest::toString(QStringLiteral("\"%1\" titled \"%2\", ").arg(shown.text, shown.title) + buttonsAndIcon);
}

QStringList RecordingSpeech::heard() const
{
    QStringList lines;
    for (const Said &s : said) {
        lines << QString::number(s.number) + u'/' + QLocale::languageToString(s.language);
    }
    return lines;
}

void RecordingProgramEnd::endNow()
{
    ++ends;
    ui::Forms::closeAllWithoutHandlers();
}

FixedUserFolders::FixedUserFolders(const QString &root)
    : m_settingsRoot(QDir(root).filePath(QStringLiteral("config")))
    , m_documents(QDir(root).filePath(QStringLiteral("documents")))
{
}

ui::PrintResult PdfPrinting::print(const ui::PrintJob &job)
{
    QDir().mkpath(m_folder);
    const QString path = QDir(m_folder).filePath(QStringLiteral("printed-%1.pdf").arg(files.size() + 1));
    if (!ui::printToPdf(path, job)) {
        return ui::PrintResult{};
    }
    files.append(path);
    if (!job.size.isEmpty()) {
        const double scale = 1000.0 / job.size.width();
        lastPage = QImage(1000, int(job.size.height() * scale), QImage::Format_RGB32);
        lastPage.fill(Qt::black);
        QPainter painter(&lastPage);
        painter.scale(scale, scale);
        job.paint(painter);
    }
    return ui::PrintResult{answer, answer == ui::PrintOutcome::SavedAsPdf ? path : QString()};
}

int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

namespace {
constexpr quint32 kFileRights = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
// Reads the process's capabilities, or sets them; true when that worked.
bool capabilities(__user_cap_data_struct (&data)[2], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}
} // namespace

ObeyFilePermissions::ObeyFilePermissions()
{
    __user_cap_data_struct data[2] = {};
    if (capabilities(data, false)) {
        m_effective[0] = data[0].effective;
        m_effective[1] = data[1].effective;
        data[0].effective &= ~kFileRights;
        m_lowered = capabilities(data, true);
    }
}

ObeyFilePermissions::~ObeyFilePermissions()
{
    __user_cap_data_struct data[2] = {};
    if (m_lowered && capabilities(data, false)) {
        data[0].effective = m_effective[0];
        data[1].effective = m_effective[1];
        capabilities(data, true);
    }
}

void setFolderWritable(const QString &folder, bool writable)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | (writable ? QFile::WriteOwner : QFile::Permissions()));
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ui::FormBlueprint sampleForm(std::vector<ui::ControlBlueprint> controls)
{
    ui::FormBlueprint blueprint;
    blueprint.name = QStringLiteral("FormProva");
    blueprint.caption = QStringLiteral("Prova");
    blueprint.scaleWidth = 6000;
    blueprint.scaleHeight = 4500;
    blueprint.controls = std::move(controls);
    return blueprint;
}

void closeAllForms()
{
    ui::Forms::closeAllWithoutHandlers();
    flushDeletes();
}

void startAfresh()
{
    closeAllForms();
    resetShared();
    lang::forgetUnsavedLanguage();
    ui::releaseResizer();
}

TestRun::TestRun(quint32 seed)
{
    startAfresh();
    ui::setTwipsPerPixel(15);
    setRnd(std::make_unique<FixedSeedRnd>(seed));
    auto &s = ui::services();
    const QString user = QDir(m_folder.path()).filePath(QStringLiteral("user"));
    fakes = Fakes{install<RecordingMessageBoxes>(s.messages),
                  install<RecordingSoundPlayer>(s.sounds),
                  install<RecordingSpeech>(s.speech),
                  install<FixedScreen>(s.screen, QRect(0, 0, 1024, 768)),
                  install<RecordingProgramEnd>(s.end),
                  install<PdfPrinting>(s.printing, QDir(user).filePath(QStringLiteral("printed"))),
                  install<FixedUserFolders>(s.folders, user)};
    setProgramFolder(m_folder.path());
    setUserFolder(QDir(fakes.folders->settingsRoot()).filePath(QStringLiteral("ortix")));
}

TestRun::~TestRun()
{
    closeAllForms();
    ui::releaseResizer();
    setProgramFolder(QString());
    setUserFolder(QString());
}

QString TestRun::lockPath() const
{
    return QDir(folder()).filePath(QStringLiteral("ortix.lock"));
}

QString TestRun::frameSettingsFolder() const
{
    return QDir(fakes.folders->settingsRoot()).filePath(QStringLiteral("ImpostazioniProgrammiQuirn"));
}

void TestRun::copyShippedLanguageFiles() const
{
    const QDir data(QStringLiteral(ORTIX_DATA_DIR));
    const QStringList names = data.entryList({QStringLiteral("*.lng"), QStringLiteral("LangSetting.ini")}, QDir::Files);
    for (const QString &name : names) {
        QFile::copy(data.filePath(name), QDir(folder()).filePath(name));
    }
}

void TestRun::writeFile(const QString &name, const QByteArray &bytes) const
{
    writeFileIn(folder(), name, bytes);
}

QByteArray TestRun::readFile(const QString &name) const
{
    return readBytes(QDir(folder()).filePath(name));
}

float ScriptedRnd::next()
{
    ++calls;
    if (script.empty()) {
        return m_fallback.next();
    }
    const float value = script.front();
    script.pop_front();
    return value;
}

ScriptedRnd &installScriptedRnd()
{
    auto generator = std::make_unique<ScriptedRnd>();
    ScriptedRnd &installed = *generator;
    setRnd(std::move(generator));
    return installed;
}

float pick(int whole, int n)
{
    return float((whole + 0.5) / n);
}

QString writeFileIn(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        return QString();
    }
    return path;
}

QString sparseFile(const QString &folder, const QString &name, const QByteArray &head, qint64 size)
{
    const QString path = writeFileIn(folder, name, head);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadWrite) || !file.resize(size)) {
        return QString();
    }
    return path;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) / 1024;
}

} // namespace ortix::test
