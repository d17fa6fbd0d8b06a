#include "assistive/accessibility.h"

#include "assistive/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>

namespace {

// The window, with only the children a user can see.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    int childCount() const override { return int(shownChildren().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shownChildren();
        return index >= 0 && index < children.size()
            ? QAccessible::queryAccessibleInterface(children[index])
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shownChildren().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> shownChildren() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && child->isVisibleTo(widget()))
                children.append(child);
        }
        return children;
    }
};

// A picture whose description tells what is drawn on it.
class PictureAccessible : public QAccessibleWidget, public QAccessibleImageInterface
{
public:
    PictureAccessible(QWidget *picture, const PictureDescription &description)
        : QAccessibleWidget(picture, QAccessible::Graphic)
        , m_description(description)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Description)
            return m_description.pictureDescription();
        return QAccessibleWidget::text(type);
    }
    QString imageDescription() const override { return text(QAccessible::Description); }

    // The picture's own commands (its widget's actions) beside the standard ones.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        for (const QAction *action : widget()->actions())
            if (action->isEnabled())
                names << QString(action->text()).remove(u'&');
        return names;
    }
    void doAction(const QString &name) override
    {
        if (QAction *action = command(name))
            action->trigger();
        else
            QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (const QAction *action = command(name))
            return { action->shortcut().toString(QKeySequence::NativeText) };
        return QAccessibleWidget::keyBindingsForAction(name);
    }
    QSize imageSize() const override { return widget()->contentsRect().size(); }
    QPoint imagePosition() const override
    {
        return widget()->mapToGlobal(widget()->contentsRect().topLeft());
    }

private:
    QAction *command(const QString &name) const
    {
        for (QAction *action : widget()->actions())
            if (action->isEnabled() && QString(action->text()).remove(u'&') == name)
                return action;
        return nullptr;
    }

    const PictureDescription &m_description;
};

// A line of text, as an input or a result field: its text can be read,
// selected and copied by any client; only an input can be changed by one.
// Qt's own interface for line edits reports each character as a text run of
// its own that ends where it starts; a screen reader that reads a line run by
// run then drops the last character ("0,000" for "0,0000"). Here the whole
// text is one run.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface
{
public:
    explicit FieldAccessible(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return field()->text();
        // A screen reader says nothing where the text is empty: the
        // description says it first.
        if (type == QAccessible::Description && field()->text().isEmpty())
            return QStringLiteral("Празно. ") + QAccessibleWidget::text(type);
        return QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value) {
            if (!field()->isReadOnly())
                field()->setText(text);
        } else {
            QAccessibleWidget::setText(type, text);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = field()->isReadOnly();
        state.editable = !field()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !field()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = field()->selectionEnd();
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(field()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString text = field()->text();
        if (offset < 0 || offset >= text.size())
            return QRect();
        // The field shows its text from the start, after its frame and margin.
        constexpr int kTextMargin = 2;
        const QFontMetrics metrics(field()->font());
        const QRect contents = field()->contentsRect();
        const int left =
            contents.left() + kTextMargin + metrics.horizontalAdvance(text.left(offset));
        const QRect local(
            left, contents.top(), metrics.horizontalAdvance(text.at(offset)), contents.height());
        return QRect(field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (!field()->isReadOnly())
            field()->setText(field()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
};

// The announcer is a status bar, its one child a notification; both are
// named by the newest message. In a status bar, a notification is spoken
// without its role.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    AnnouncerAccessible(QWidget *widget, Announcer *announcer, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
        , m_announcer(announcer)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? m_announcer->message() : QAccessibleWidget::text(type);
    }

private:
    Announcer *m_announcer;
};

// A field's caret and selection are told only while its focus is told. A
// line edit reports them as it takes the focus, before Qt reports the focus
// itself; a screen reader then takes the field for one already announced and
// says nothing of it. As it loses the focus, it drops its selection, and a
// screen reader says so of the field that is being left. The focus report
// tells the field with its text and selection.
// Qt's bridge up to 6.4 also sends a changed name or description as the
// object instead of the text; a screen reader that speaks the focused
// object's new description then fails. For the focused widget those are left
// out too, the announcer tells the news.
QAccessible::UpdateHandler passOn = nullptr;

void updateInOrder(QAccessibleEvent *event)
{
    static QPointer<QObject> focusTold;
    const QAccessible::Event type = event->type();
    QObject *object = event->object();
    const bool focused =
        object && object->isWidgetType() && static_cast<QWidget *>(object)->hasFocus();
    if (type == QAccessible::Focus)
        focusTold = object;
    else if ((type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged)
        && !(focused && object == focusTold))
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (focused && (type == QAccessible::NameChanged || type == QAccessible::DescriptionChanged))
        return;
#endif
    if (passOn) {
        passOn(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr); // the platform's bridge
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(updateInOrder);
}

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("QLineEdit")
        && static_cast<QLineEdit *>(widget)->echoMode() == QLineEdit::Normal)
        return new FieldAccessible(static_cast<QLineEdit *>(widget));
    if (auto *announcer = qobject_cast<Announcer *>(widget))
        return new AnnouncerAccessible(widget, announcer, QAccessible::StatusBar);
    if (auto *announcer = qobject_cast<Announcer *>(widget->parent()))
        return new AnnouncerAccessible(widget, announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        passOn = QAccessible::installUpdateHandler(updateInOrder);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface *windowAccessible(QWidget *window)
{
    return new WindowAccessible(window);
}

QAccessibleInterface *pictureAccessible(QWidget *picture, const PictureDescription &description)
{
    return new PictureAccessible(picture, description);
}
