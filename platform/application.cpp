// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.hpp"

#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

void prepare(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("dreieckrechner"));
    QApplication::setApplicationVersion(QStringLiteral(DREIECK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(DREIECK_APP_ID));

    // The program speaks German whatever the desktop's language, Qt's own
    // texts (context menu, dialog buttons) included.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void End() { QCoreApplication::exit(0); }

} // namespace platform
