#include "app/fieldexplanations.h"

#include "geometry/numberreading.h"

#include <QEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

namespace {

// The input fields x1, y1, x2, y2 of line 1, then of line 2.
constexpr int kInputFields[8] = { 0, 1, 2, 3, 7, 8, 9, 10 };

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

FieldExplanations::FieldExplanations(
    const std::array<QLineEdit *, kFieldCount> &fields, QObject *parent)
    : QObject(parent)
    , m_fields(fields)
{
    for (QLineEdit *field : m_fields)
        field->installEventFilter(this);
    for (int index : kInputFields)
        connect(m_fields[index], &QLineEdit::textChanged, this, &FieldExplanations::inputChanged);
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
        field->setToolTip(
            wrapped(field->accessibleDescription(), QToolTip::font(), std::max(width, 100)));
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
    std::array<QString, kFieldCount> texts = ExplainFields(m_inputs);
    CalculationInputs now;
    for (int i = 0; i < 8; ++i)
        now.numbers[i] = ReadNumber(now.texts[i] = m_fields[kInputFields[i]]->text());
    const std::array<QString, kFieldCount> current = ExplainFields(now);
    // An empty field is named only, until a Calculate reads it as 0.
    for (int i = 0; i < 8; ++i)
        if (m_inputs || !now.texts[i].isEmpty())
            texts[kInputFields[i]] = current[kInputFields[i]];
    for (int i = 0; i < kFieldCount; ++i) {
        if (m_fields[i]->accessibleDescription() == texts[i])
            continue; // unchanged: nothing to announce
        m_fields[i]->setToolTip(texts[i]);
        m_fields[i]->setAccessibleDescription(texts[i]);
    }
    m_filled = true;
}
