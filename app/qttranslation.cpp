#include "app/qttranslation.h"

#include <QCoreApplication>
#include <QTranslator>

void installQtTranslation()
{
    // Stored uncompressed, the translation is read in place: nothing is
    // unpacked or copied at start-up.
    static QTranslator *const translator = [] {
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral(":/translations/qtbase_bg.qm")))
            QCoreApplication::installTranslator(qt);
        return qt;
    }();
    Q_UNUSED(translator);
}
