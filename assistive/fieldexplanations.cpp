#include "assistive/fieldexplanations.h"

#include "geometry/numberreading.h"
#include "geometry/spokenmathematics.h"

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
    for (int line = 0; line < kLineCount; ++line) {
        for (int input = 0; input < kLineInputCount; ++input)
            visit(fields.inputs[line][input], texts.lines[line].inputs[input]);
        for (int result = 0; result < kLineResultCount; ++result)
            visit(fields.results[line][result], texts.lines[line].results[result]);
    }
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
        [this](QLineEdit *field, const QString &) { field->installEventFilter(this); });
    for (const auto &line : m_fields.inputs)
        for (QLineEdit *input : line)
            connect(input, &QLineEdit::textChanged, this, &FieldExplanations::inputChanged);
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

void FieldExplanations::inputChanged()
{
    // An input explains its current text, typed or clicked, not the one the
    // last Calculate read.
    m_filled = false;
    if (QAccessible::isActive())
        fill();
}

bool FieldExplanations::eventFilter(QObject *watched, QEvent *event)
{
    // The field shows its tooltip itself, once the texts are in place.
    if (event->type() == QEvent::ToolTip) {
        if (!m_filled)
            fill();
        auto *field = static_cast<QLineEdit *>(watched);
        const int width = field->screen()->availableGeometry().width() - kTooltipMargin;
        field->setToolTip(wrapped(m_written.value(field), QToolTip::font(), std::max(width, 100)));
    }
    return QObject::eventFilter(watched, event);
}

void FieldExplanations::accessibilityActiveChanged(bool active)
{
    if (active && !m_filled)
        fill();
}

void FieldExplanations::fill()
{
    CalculationExplanation texts = explainCalculation(m_inputs);
    CalculationInputs now;
    for (int line = 0; line < kLineCount; ++line)
        for (int input = 0; input < kLineInputCount; ++input) {
            const int at = inputPosition(line, LineInput(input));
            now.numbers[at] = ReadNumber(now.texts[at] = m_fields.inputs[line][input]->text());
        }
    const CalculationExplanation current = explainCalculation(now);
    // An empty field is named only, until a Calculate reads it as 0.
    for (int line = 0; line < kLineCount; ++line)
        for (int input = 0; input < kLineInputCount; ++input)
            if (m_inputs || !now.texts[inputPosition(line, LineInput(input))].isEmpty())
                texts.lines[line].inputs[input] = current.lines[line].inputs[input];
    // One explanation, two renderings: the tooltip's symbols for the eye,
    // the words of the formulas for a screen reader's voice.
    forEachField(m_fields, texts, [this](QLineEdit *field, const QString &text) {
        if (m_written.value(field) == text)
            return; // unchanged: nothing to announce
        m_written.insert(field, text);
        field->setToolTip(text);
        field->setAccessibleDescription(spokenMathematics(text));
    });
    m_filled = true;
}
