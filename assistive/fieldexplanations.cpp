#include "assistive/fieldexplanations.h"

#include "explanations/calculationexplanation.h"
#include "explanations/inputexplanation.h"
#include "explanations/working.h"

#include <QEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

namespace {

// Calls visit(field, its explanation) for every field.
template <typename Visit>
void forEachField(const ExplainedFields &fields, const CalculationExplanation &texts, Visit visit)
{
    for (const InputName name : kEveryInput)
        visit(fields.inputs[name], texts.inputs[name]);
    for (const ResultName name : kEveryResult)
        visit(fields.results[name], texts.results[name]);
    for (int coordinate = 0; coordinate < 2; ++coordinate)
        visit(fields.crossing[coordinate], texts.crossing[coordinate]);
}

// Room for the tooltip's own frame and margins.
constexpr int kTooltipMargin = 32;

// The text broken into lines no wider than the width, at spaces where it can
// and anywhere inside a longer run, such as the digits of a large number.
QString wrapped(const QString &text, const QFont &font, int width)
{
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString &paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines.join(u'\n');
}

} // namespace

FieldExplanations::FieldExplanations(const ExplainedFields &fields, QObject *parent)
    : QObject(parent)
    , m_fields(fields)
{
    forEachField(m_fields, {},
        [this](QLineEdit *field, const Working &) { field->installEventFilter(this); });
    for (const InputName name : kEveryInput)
        connect(m_fields.inputs[name], &QLineEdit::textChanged, this,
            [this, name] { inputChanged(name); });
    QAccessible::installActivationObserver(this);
    setCalculation(nullptr);
}

FieldExplanations::~FieldExplanations()
{
    QAccessible::removeActivationObserver(this);
}

void FieldExplanations::setCalculation(std::shared_ptr<const CalculatePresentation> calculation)
{
    m_calculation = std::move(calculation);
    m_changedSince = {};
    m_filled = false;
    if (QAccessible::isActive())
        fill();
}

void FieldExplanations::inputChanged(InputName name)
{
    // An input explains its current text, typed or clicked, not the one the
    // last Calculate read; nothing else changes with it.
    m_changedSince[name] = true;
    m_changed[name].reset();
    if (!QAccessible::isActive())
        m_filled = false;
    else if (m_filled)
        explain(m_fields.inputs[name], inputExplanation(name));
    else
        fill();
}

bool FieldExplanations::eventFilter(QObject *watched, QEvent *event)
{
    // The field shows its tooltip itself, once the texts are in place and
    // wrapped to fit on the screen it is shown on.
    if (event->type() == QEvent::ToolTip) {
        if (!m_filled)
            fill();
        auto *field = static_cast<QLineEdit *>(watched);
        const int width = field->screen()->availableGeometry().width() - kTooltipMargin;
        const QString tip = wrapped(m_written.value(field), QToolTip::font(), std::max(width, 100));
        if (tip != field->toolTip())
            field->setToolTip(tip);
    }
    return QObject::eventFilter(watched, event);
}

void FieldExplanations::accessibilityActiveChanged(bool active)
{
    if (active && !m_filled)
        fill();
}

// An empty field is named only, until a Calculate reads it as 0.
Working FieldExplanations::inputExplanation(InputName name)
{
    if (m_calculation && !m_changedSince[name])
        return explainInput(name, m_calculation->calculation().input(name));
    std::optional<InputReading> &reading = m_changed[name];
    if (!reading)
        reading = readInput(m_fields.inputs[name]->text());
    return m_calculation || !reading->text.isEmpty() ? explainInput(name, *reading)
                                                     : inputRole(name);
}

// One working, two renderings: the tooltip's symbols for the eye, the words
// of the formulas for a screen reader's voice.
void FieldExplanations::explain(QLineEdit *field, const Working &working)
{
    const QString written = writtenText(working);
    if (m_written.value(field) == written)
        return; // unchanged: nothing to announce
    m_written.insert(field, written);
    field->setToolTip(written);
    field->setAccessibleDescription(spokenText(working));
}

void FieldExplanations::fill()
{
    CalculationExplanation workings =
        m_calculation ? m_calculation->workings() : explainResults(nullptr);
    for (const InputName name : kEveryInput)
        workings.inputs[name] = inputExplanation(name);
    forEachField(m_fields, workings,
        [this](QLineEdit *field, const Working &working) { explain(field, working); });
    m_filled = true;
}
