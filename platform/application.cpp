// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.hpp"

#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

void prepare()
{
    QApplication::setApplicationName(QStringLiteral("dreieckrechner"));
    QApplication::setApplicationVersion(QStringLiteral(DREIECK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(DREIECK_APP_ID));
}

void GermanQtTexts()
{
    // Loaded when first needed, not at start: the first frame shows none of them.
    static QTranslator* translator = nullptr;
    if (translator != nullptr)
        return;
    translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void End() { QCoreApplication::exit(0); }

} // namespace platform
