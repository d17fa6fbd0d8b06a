#pragma once

#include "explanations/working.h"
#include "presentation/calculatepresentation.h"

#include <QAccessible>
#include <QHash>
#include <QObject>

#include <array>
#include <memory>
#include <optional>

class QLineEdit;

// The fields that show the task's numbers, each at what it shows.
struct ExplainedFields
{
    PerInput<QLineEdit *> inputs;
    PerResult<QLineEdit *> results;
    std::array<QLineEdit *, 2> crossing {}; // by CrossingCoordinate
};

// Gives every field a tooltip and an accessible description that explain it
// (the tooltip's working written with its symbols, the description the same
// working in words):
// an input how its current text reads, a result its formula with the numbers
// of the last Calculate, or nothing more after Clear. The texts are built only
// when wanted: at the first tooltip asked for, or at once while assistive
// technology listens, so that Calculate itself only hands over what it
// worked out. While a user types, only that input is read and explained again.
// A tooltip is wrapped to fit on its screen.
class FieldExplanations : public QObject, private QAccessible::ActivationObserver
{
public:
    FieldExplanations(const ExplainedFields &fields, QObject *parent);
    ~FieldExplanations() override;

    // The last Calculate; nothing at start and after Clear.
    void setCalculation(std::shared_ptr<const CalculatePresentation> calculation);
    const std::shared_ptr<const CalculatePresentation> &calculation() const
    {
        return m_calculation;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void inputChanged(InputName name);
    Working inputExplanation(InputName name);
    void explain(QLineEdit *field, const Working &working);
    void fill();

    ExplainedFields m_fields;
    QHash<const QLineEdit *, QString> m_written; // each field's explanation as the tooltip shows it
    std::shared_ptr<const CalculatePresentation> m_calculation;
    // The text of an input that changed since the last Calculate, as read
    // when its explanation was wanted; the others are as Calculate read them.
    PerInput<std::optional<InputReading>> m_changed;
    PerInput<bool> m_changedSince;
    bool m_filled = false;
};
