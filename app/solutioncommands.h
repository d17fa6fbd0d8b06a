#pragma once

#include "assistive/accessibility.h"
#include "solution/solutionexport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class Announcer;
class CalculatePresentation;
class DrawingCanvas;
class QAction;
class QLabel;
class QMenu;
class QWidget;
struct WindowControls;

// The commands that take the worked solution and the figure out of the
// window: Ctrl+C on the canvas copies the figure, Ctrl+Shift+C copies the
// solution, Ctrl+S saves it, Ctrl+P prints it. A menu offers them on the
// canvas (the Menu key, Shift+F10), on the window outside the controls (a
// right press) and below each field's own menu; assistive clients find them
// among the canvas's actions. Each command says what it did, or, before the
// first Calculate and after Clear, that there is nothing yet. Nothing here
// changes what a press on the canvas does: every button still sets a point.
class SolutionCommands : public QObject
{
    Q_OBJECT

public:
    // The last Calculate, or nothing.
    using CalculationSource = std::function<std::shared_ptr<const CalculatePresentation>()>;

    SolutionCommands(QWidget *window, const WindowControls &controls, Announcer *announcer,
        CalculationSource source);

    void copyFigure();
    void copySolution();
    void saveSolution();
    void printSolution();

    // Said when a command finds nothing calculated.
    static QString nothingYet();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(
        const QString &text, const QKeySequence &keys, void (SolutionCommands::*run)());
    std::shared_ptr<const CalculatePresentation> calculation();
    void saveAs(
        const CalculatePresentation &calculated, ExportFormat format, const QString &fileName);
    void tell(const QString &message);
    void showMenu(QMenu *menu, const QPoint &globalPosition);
    void showCommandMenu(const QPoint &globalPosition, bool onCanvas);
    QList<QAction *> commandsAway() const;
    bool canvasEvent(QEvent *event);

    QWidget *m_window;
    DrawingCanvas *m_canvas;
    Announcer *m_announcer;
    CalculationSource m_source;
    QList<QAction *> m_commands; // the figure's copy first
    QAction *m_copyFigureElsewhere = nullptr;
    // A Menu key makes some window systems send a context menu event as well
    // as the key: the second within a moment of the first opens nothing.
    QElapsedTimer m_sinceKeyboardMenu;
    bool m_menuOpen = false;
    QLabel *m_note = nullptr;
    QTimer m_noteTimer;
};

// The canvas told in words: its narration, then the keys of these commands.
class CanvasWithCommands final : public PictureDescription
{
public:
    explicit CanvasWithCommands(const PictureDescription &narration)
        : m_narration(narration)
    {
    }
    QString pictureDescription() const override;

private:
    const PictureDescription &m_narration;
};
