#include "platform/ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

void useSpanishQtTexts()
{
    const QLocale spanish(QLocale::Spanish, QLocale::Argentina);
    QLocale::setDefault(spanish);
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace ui
