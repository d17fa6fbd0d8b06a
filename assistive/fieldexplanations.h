#pragma once

#include "geometry/calculationexplanation.h"

#include <QAccessible>
#include <QHash>
#include <QObject>

#include <array>
#include <optional>

class QLineEdit;

// The fields that show the task's numbers, each at what it shows.
struct ExplainedFields
{
    std::array<std::array<QLineEdit *, kLineInputCount>, kLineCount> inputs {};
    std::array<std::array<QLineEdit *, kLineResultCount>, kLineCount> results {};
    std::array<QLineEdit *, 2> crossing {}; // by CrossingCoordinate
};

// Gives every field a tooltip and an accessible description that explain it
// (the description in words, as spokenMathematics reads the tooltip aloud):
// an input how its current text reads, a result its formula with the numbers
// of the last Calculate, or nothing more after Clear. The texts are built only
// when wanted: at the first tooltip asked for, or at once while assistive
// technology listens, so that Calculate itself only keeps the inputs it read.
// A tooltip is wrapped to fit on its screen.
class FieldExplanations : public QObject, private QAccessible::ActivationObserver
{
public:
    FieldExplanations(const ExplainedFields &fields, QObject *parent);
    ~FieldExplanations() override;

    // The inputs of a Calculate; nothing at start and after Clear.
    void setInputs(std::optional<CalculationInputs> inputs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void inputChanged();
    void fill();

    ExplainedFields m_fields;
    QHash<const QLineEdit *, QString> m_written; // each field's explanation as the tooltip shows it
    std::optional<CalculationInputs> m_inputs;
    bool m_filled = false;
};
