#include "startup/webpage.h"

#include "startup/webaccessibility.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <emscripten/val.h>

#include <string>

namespace {

using emscripten::val;

val pageElement(const char *id)
{
    return val::global("document").call<val>("getElementById", std::string(id));
}

// Marks the first paint once the whole repaint pass it starts has run.
class FirstPaintMark : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [] {
                val::global("performance").call<void>("mark", std::string("window-painted"));
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

void writeState(const QWidget &window)
{
    QJsonObject fields;
    for (const QLineEdit *field : window.findChildren<QLineEdit *>())
        fields[field->objectName()] = field->text();
    QSet<QString> families; // of every widget that shows text
    for (const QWidget *widget : window.findChildren<QWidget *>())
        families.insert(QFontInfo(widget->font()).family());
    const QWidget *focus = QApplication::focusWidget();
    const QJsonObject state { { "fields", fields },
        { "focus", focus ? focus->objectName() : QString() },
        { "fonts", QJsonArray::fromStringList(QStringList(families.begin(), families.end())) } };
    pageElement("vertisel-state")
        .set("textContent", QJsonDocument(state).toJson(QJsonDocument::Compact).toStdString());
}

} // namespace

void loadWebFont()
{
    if (QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"))
        < 0)
        qWarning("vertisel: the built-in serif could not be loaded");
    QFont::insertSubstitution(
        QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

void showInWebPage(QWidget &window)
{
    const std::string title = window.windowTitle().toStdString();
    val::global("document").set("title", title);
    if (val caption = pageElement("window-title"); !caption.isNull())
        caption.set("textContent", title);

    const std::string query = val::global("location")["search"].as<std::string>();
    if (query.find("expose-fields") != std::string::npos
        && !pageElement("vertisel-state").isNull()) {
        for (QLineEdit *field : window.findChildren<QLineEdit *>())
            QObject::connect(
                field, &QLineEdit::textChanged, &window, [&window] { writeState(window); });
        QObject::connect(
            qApp, &QApplication::focusChanged, &window, [&window] { writeState(window); });
        QTimer::singleShot(0, &window, [&window] { writeState(window); });
    }
    // The page's canvas has the window's size: the window fills it, and the
    // page draws the title bar.
    window.showFullScreen();
    mirrorIntoWebPage(window);
    // Installed last, so that it sees the first paint first: the mirror's
    // start-up, queued on that paint too, runs after the frame is shown and
    // after the mark.
    window.installEventFilter(new FirstPaintMark(&window));
}
