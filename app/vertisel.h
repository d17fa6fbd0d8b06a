#pragma once

#include "app/taskstate.h"

#include <QWidget>

#include <memory>

class Announcer;
class CanvasWithCommands;
class CanvasNarration;
class Construction;
class FieldExplanations;
class QAccessibleInterface;
class SolutionCommands;
struct WindowControls;

// The program's one window. It owns every control and the task state, routes
// the button and canvas events to the commands, and runs Calculate and Clear.
// All numbers pass through the field texts Text2(0)..Text2(17).
class Vertisel : public QWidget
{
    Q_OBJECT

public:
    explicit Vertisel(QWidget *parent = nullptr);
    ~Vertisel() override;

    const TaskState &taskState() const { return m_state; }

    // The commands bound to the buttons "Изчисли" (0) and "Изчисти" (1).
    void CalculateIntersection();
    void ClearAll();

protected:
    bool event(QEvent *event) override;

private:
    // What assistive technology is told of this window and of its canvas,
    // which it describes with the canvas narration.
    static QAccessibleInterface *accessibleFor(const QString &className, QObject *object);

    void Form_Load();
    void Command1_Click(qint16 Index);
    void Picture1_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);

    QString readField(int index) const;
    // Writes a field and shows the beginning of its text, as a set text should.
    void writeField(int index, const QString &text);
    // Shows the construction on the canvas and in its description, and
    // announces NEWS, the change, in words.
    void showConstruction(const QString &news);
    // Puts the window's frame in the middle of the screen's available area, or
    // at its top or left edge where the frame is larger than the area.
    void centreOnScreen();

    std::unique_ptr<WindowControls> m_controls;
    TaskState m_state;
    std::unique_ptr<Construction> m_construction;
    std::unique_ptr<CanvasNarration> m_narration;
    std::unique_ptr<CanvasWithCommands> m_canvasDescription;
    bool m_centredWithFrame = false;
    FieldExplanations *m_explanations = nullptr;
    Announcer *m_announcer = nullptr;
    SolutionCommands *m_solution = nullptr;
};
