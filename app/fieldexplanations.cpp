#include "app/fieldexplanations.h"

#include <QEvent>
#include <QLineEdit>

FieldExplanations::FieldExplanations(
    const std::array<QLineEdit *, kFieldCount> &fields, QObject *parent)
    : QObject(parent)
    , m_fields(fields)
{
    for (QLineEdit *field : m_fields)
        field->installEventFilter(this);
    QAccessible::installActivationObserver(this);
    setInputs(std::nullopt);
}

FieldExplanations::~FieldExplanations()
{
    QAccessible::removeActivationObserver(this);
}

void FieldExplanations::setInputs(std::optional<CalculationInputs> inputs)
{
    m_inputs = std::move(inputs);
    m_filled = false;
    if (QAccessible::isActive())
        fill();
}

bool FieldExplanations::eventFilter(QObject *watched, QEvent *event)
{
    // The field shows its tooltip itself, once the texts are in place.
    if (event->type() == QEvent::ToolTip && !m_filled)
        fill();
    return QObject::eventFilter(watched, event);
}

void FieldExplanations::accessibilityActiveChanged(bool active)
{
    if (active && !m_filled)
        fill();
}

void FieldExplanations::fill()
{
    const std::array<QString, kFieldCount> texts = ExplainFields(m_inputs);
    for (int i = 0; i < kFieldCount; ++i) {
        m_fields[i]->setToolTip(texts[i]);
        m_fields[i]->setAccessibleDescription(texts[i]);
    }
    m_filled = true;
}
