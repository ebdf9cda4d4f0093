// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.hpp"

#include "platform/contrast.hpp"
#include "platform/form.hpp"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

void prepare()
{
    QApplication::setApplicationName(QStringLiteral("dreieckrechner"));
    QApplication::setApplicationVersion(QStringLiteral(DREIECK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(DREIECK_APP_ID));
    // Every text is German, and screen readers are told the program's
    // language from Qt's default locale; the desktop's number format stays
    // with the window (Form takes the system locale).
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Qt's entry fields lay out their text once in the program's font before
    // they take the window's; with the window's face as the program's own,
    // no second face is loaded for that.
    QApplication::setFont(fontFor(dialogFont));
    // The desktop's style and colours, mended where they fall short (owned by the application).
    QApplication::setStyle(new ReadableStyle);
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
