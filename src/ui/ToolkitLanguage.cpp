#include "ui/ToolkitLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>

namespace ortix::ui {

void installToolkitLanguage(int lingua)
{
    static constexpr std::array<const char *, 6> codes = {"it", "en", "fr", "de", "es", "sq"};
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (lingua < 1 || lingua > int(codes.size()) || !QCoreApplication::instance()) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_") + QLatin1String(codes[std::size_t(lingua - 1)]), folder)) {
        QCoreApplication::installTranslator(translator.get());
        installed = std::move(translator);
    }
}

} // namespace ortix::ui
