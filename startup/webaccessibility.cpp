#include "startup/webaccessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using emscripten::val;

val bridge()
{
    return val::global("vertiselBridge");
}

// The page's element kind for a node; nothing for nodes it leaves out (the
// notification, whose news the live region tells, and scroll bars).
const char *kindOf(QAccessibleInterface *node)
{
    switch (node->role()) {
    case QAccessible::Grouping:
        return "group";
    case QAccessible::EditableText:
        return node->state().multiLine ? "textarea" : "input";
    case QAccessible::PushButton:
        return "button";
    case QAccessible::Graphic:
        return "image";
    case QAccessible::StaticText:
        return "label";
    case QAccessible::StatusBar:
        return "status";
    default:
        return nullptr;
    }
}

// Nodes are known to the page by their ids in Qt's accessibility cache
// (unsigned, from 2^31 on); 0 is no node.
QAccessibleInterface *nodeById(QAccessible::Id id)
{
    return id ? QAccessible::accessibleInterface(id) : nullptr;
}

QAccessible::Id idOf(QObject *object)
{
    QAccessibleInterface *node = object ? QAccessible::queryAccessibleInterface(object) : nullptr;
    return node ? QAccessible::uniqueId(node) : 0;
}

// Each control's place in WINDOW's Tab order, from 1 at FIRST, the control
// that has the focus at start; the page's elements keep it, so that the
// browser leaves the window and comes back in at the order's ends.
QHash<const QObject *, int> tabStops(QWidget *window, QWidget *first)
{
    QHash<const QObject *, int> stops;
    QWidget *const start = first ? first : window;
    QWidget *widget = start;
    do {
        if (widget != window && (widget->focusPolicy() & Qt::TabFocus)
            && widget->isVisibleTo(window) && widget->isEnabled())
            stops.insert(widget, int(stops.size()) + 1);
        widget = widget->nextInFocusChain();
    } while (widget && widget != start);
    return stops;
}

class WebMirror : public QObject
{
public:
    explicit WebMirror(QWidget &window)
        : QObject(&window)
        , m_window(&window)
        , m_firstStop(window.focusWidget())
    {
        connect(qApp, &QApplication::focusChanged, this, [this] { scheduleSync(); });
        window.installEventFilter(this);
    }

    // Many updates come in one burst (a Calculate fills ten fields): the
    // page is brought in step once, after all of them.
    void scheduleSync()
    {
        if (m_syncQueued || !m_painted)
            return;
        m_syncQueued = true;
        QTimer::singleShot(0, this, [this] { sync(); });
    }

    void sync()
    {
        m_syncQueued = false;
        QAccessibleInterface *root = QAccessible::queryAccessibleInterface(m_window);
        if (!root)
            return;
        val nodes = val::array();
        addNodes(root, 0, tabStops(m_window, m_firstStop), nodes);
        bridge().call<void>("sync", nodes);
        bridge().call<void>("focus", idOf(QApplication::focusWidget()));
    }

    QPoint toGlobal(QPoint inWindow) const { return m_window->mapToGlobal(inWindow); }

protected:
    // The page's elements are made once the window is first painted, so
    // that the first paint does not wait for them.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            m_painted = true;
            QTimer::singleShot(0, this, [] { activateAccessibility(); });
            scheduleSync();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Qt reports no assistive technology in a browser: the page's elements
    // are always there for one, so the window tells them everything, and
    // the fields' explanations are filled in as on a desktop with a screen
    // reader.
    static void activateAccessibility()
    {
        if (QPlatformAccessibility *accessibility =
                QGuiApplicationPrivate::platformIntegration()->accessibility())
            accessibility->setActive(true);
    }

    void addNodes(QAccessibleInterface *parent, QAccessible::Id parentId,
        const QHash<const QObject *, int> &stops, val &nodes) const
    {
        const QPoint origin = parent->rect().topLeft();
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface *node = parent->child(i);
            const char *kind = node ? kindOf(node) : nullptr;
            if (!kind || node->state().invisible)
                continue;
            const QAccessible::Id id = QAccessible::uniqueId(node);
            const QRect place = node->rect().translated(-origin);
            const QAccessible::State state = node->state();
            val item = val::object();
            item.set("id", id);
            item.set("parent", parentId);
            item.set("kind", std::string(kind));
            item.set("name", node->text(QAccessible::Name).toStdString());
            item.set("description", node->text(QAccessible::Description).toStdString());
            item.set("value", node->text(QAccessible::Value).toStdString());
            item.set("readOnly", bool(state.readOnly));
            item.set("tab", stops.value(node->object()));
            // A caption of a field, whose name already says it.
            item.set("caption",
                node->role() == QAccessible::StaticText
                    && !node->relations(QAccessible::Labelled).isEmpty());
            item.set("place",
                val::array(
                    std::vector<int> { place.x(), place.y(), place.width(), place.height() }));
            if (QAccessibleTextInterface *text = node->textInterface();
                text && state.focused && !state.multiLine) {
                int start = text->cursorPosition(), end = start;
                if (text->selectionCount() > 0)
                    text->selection(0, &start, &end);
                item.set("selection", val::array(std::vector<int> { start, end }));
            }
            nodes.call<void>("push", item);
            if (std::strcmp(kind, "group") == 0)
                addNodes(node, id, stops, nodes);
        }
    }

    QWidget *m_window;
    QPointer<QWidget> m_firstStop;
    bool m_syncQueued = false;
    bool m_painted = false;
};

QPointer<WebMirror> mirror;
QAccessible::UpdateHandler earlierHandler = nullptr;

void updatePage(QAccessibleEvent *event)
{
    if (mirror) {
        // The notification is shown anew with each message: the live region
        // tells it, even when it repeats the last one.
        QAccessibleInterface *node = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && node
            && node->role() == QAccessible::Notification)
            bridge().call<void>("announce", node->text(QAccessible::Name).toStdString());
        mirror->scheduleSync();
    }
    if (earlierHandler)
        earlierHandler(event);
}

// The page's side: a screen reader, a tap or the script focused an element,
// typed into one, moved its caret or pressed one.

void focusedInPage(QAccessible::Id id)
{
    QAccessibleInterface *node = nodeById(id);
    QAccessibleActionInterface *actions = node ? node->actionInterface() : nullptr;
    if (actions && !node->state().focused)
        actions->doAction(QAccessibleActionInterface::setFocusAction());
}

void selectedInPage(QAccessible::Id id, int start, int end)
{
    QAccessibleInterface *node = nodeById(id);
    QAccessibleTextInterface *text = node ? node->textInterface() : nullptr;
    if (!text)
        return;
    const int length = text->characterCount();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, start, length);
    if (start == end)
        text->setCursorPosition(start);
    else
        text->setSelection(0, start, end);
}

// A tap at (X, Y) of the window on a field's element.
void tappedInPage(QAccessible::Id id, double x, double y)
{
    QAccessibleInterface *node = nodeById(id);
    QAccessibleTextInterface *text = node ? node->textInterface() : nullptr;
    if (text && mirror)
        text->setCursorPosition(text->offsetAtPoint(mirror->toGlobal(QPointF(x, y).toPoint())));
}

// The element's whole text after a keyboard's input event, which may have
// composed, corrected, pasted or deleted anything: the field gets the one
// replacement that turns its text into the element's, then the element's
// caret. A read-only field keeps its text, and the page gets it back.
void typedInPage(QAccessible::Id id, std::string typed, int start, int end)
{
    QAccessibleInterface *node = nodeById(id);
    QAccessibleEditableTextInterface *edit = node ? node->editableTextInterface() : nullptr;
    if (edit) {
        const QString before = node->text(QAccessible::Value);
        const QString after = QString::fromStdString(typed);
        const qsizetype shorter = std::min(before.size(), after.size());
        qsizetype head = 0;
        while (head < shorter && before[head] == after[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head
            && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        if (before != after)
            edit->replaceText(
                int(head), int(before.size() - tail), after.mid(head, after.size() - tail - head));
        selectedInPage(id, start, end);
    }
    if (mirror)
        mirror->scheduleSync();
}

void pressedInPage(QAccessible::Id id)
{
    QAccessibleInterface *node = nodeById(id);
    if (QAccessibleActionInterface *actions = node ? node->actionInterface() : nullptr)
        actions->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

EMSCRIPTEN_BINDINGS(vertisel_web_accessibility)
{
    emscripten::function("vertiselFocused", &focusedInPage);
    emscripten::function("vertiselSelected", &selectedInPage);
    emscripten::function("vertiselTapped", &tappedInPage);
    emscripten::function("vertiselTyped", &typedInPage);
    emscripten::function("vertiselPressed", &pressedInPage);
}

void listenForWebAccessibility()
{
    earlierHandler = QAccessible::installUpdateHandler(updatePage);
}

void mirrorIntoWebPage(QWidget &window)
{
    val handlers = val::object();
    for (const char *name : { "vertiselFocused", "vertiselSelected", "vertiselTapped",
             "vertiselTyped", "vertiselPressed" })
        handlers.set(name, val::module_property(name));
    bridge().call<void>("start", window.windowTitle().toStdString(), handlers);
    mirror = new WebMirror(window);
}
