#include "platform/ui/QtTextTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace quillon::platform {

QtTextTranslation::~QtTextTranslation() {
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

void QtTextTranslation::use(const QString& languageTag) {
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    if (languageTag.isEmpty() || languageTag == QLatin1String("en"))
        return;
    if (translator_.load(QStringLiteral("qtbase_") + languageTag,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed_ = QCoreApplication::installTranslator(&translator_);
}

} // namespace quillon::platform
