#include "app/accessibility.h"

#include "app/vertisel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

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

// The canvas: a picture whose description tells what is drawn on it.
class CanvasAccessible : public QAccessibleWidget, public QAccessibleImageInterface
{
public:
    explicit CanvasAccessible(QWidget *canvas)
        : QAccessibleWidget(canvas, QAccessible::Graphic)
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
            if (const auto *window = qobject_cast<const Vertisel *>(widget()->window()))
                return window->canvasDescription();
        return QAccessibleWidget::text(type);
    }
    QString imageDescription() const override { return text(QAccessible::Description); }
    QSize imageSize() const override { return widget()->contentsRect().size(); }
    QPoint imagePosition() const override
    {
        return widget()->mapToGlobal(widget()->contentsRect().topLeft());
    }
};

// A result field: its text can be read, selected and copied, never changed
// by a client. No editable-text interface is offered at all.
class ReadOnlyFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadOnlyFieldAccessible(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? field()->text() : QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text, const QString &) override { }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
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
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return QString();
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("Vertisel"))
        return new WindowAccessible(widget);
    if (className == QLatin1String("DrawingCanvas"))
        return new CanvasAccessible(widget);
    if (className == QLatin1String("QLineEdit") && static_cast<QLineEdit *>(widget)->isReadOnly())
        return new ReadOnlyFieldAccessible(static_cast<QLineEdit *>(widget));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}
