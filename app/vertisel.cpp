#include "app/vertisel.h"

#include "app/captioncolours.h"
#include "app/fieldtable.h"
#include "app/qttranslation.h"
#include "app/solutioncommands.h"
#include "app/windowcontrols.h"
#include "assistive/accessibility.h"
#include "assistive/announcer.h"
#include "assistive/canvasnarration.h"
#include "assistive/fieldexplanations.h"
#include "canvas/canvasunits.h"
#include "canvas/drawingcanvas.h"
#include "content/taskcontent.h"
#include "geometry/numberformat.h"
#include "presentation/construction.h"
#include "presentation/narration.h"
#include "presentation/pointcapture.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int kClientWidth = 7305 / kTwipsPerPixel;
constexpr int kClientHeight = 6360 / kTwipsPerPixel;
const QColor kWindowColor(192, 192, 255);
constexpr int kWindowPointSize = 12;

} // namespace

Vertisel::Vertisel(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_construction(std::make_unique<Construction>())
    , m_narration(std::make_unique<CanvasNarration>())
    , m_canvasDescription(std::make_unique<CanvasWithCommands>(*m_narration))
{
    installQtTranslation();
    setWindowTitle(QStringLiteral("Аналитична геометрия - пресечна точка"));
    setWindowIcon(applicationIcon());
    setFixedSize(kClientWidth, kClientHeight);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, kWindowColor);
    setPalette(windowPalette);
    QFont windowFont(QStringLiteral("Times New Roman"), kWindowPointSize);
    // Full hinting snaps glyphs to whole pixels: crisp text at these small
    // sizes, and one cached bitmap per glyph rather than one per sub-pixel
    // position, which makes the first frame cheaper.
    windowFont.setHintingPreference(QFont::PreferFullHinting);
    setFont(windowFont);

    installAccessibility();
    static const bool windowAccessibility = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(windowAccessibility);
    m_controls = std::make_unique<WindowControls>(buildWindowControls(this));
    keepCaptionsReadable(*m_controls, this);
    ExplainedFields explained;
    for (const InputName name : kEveryInput)
        explained.inputs[name] = m_controls->text2[FieldTable::field(name)];
    for (const ResultName name : kEveryResult)
        explained.results[name] = m_controls->text2[FieldTable::field(name)];
    for (const auto coordinate : { CrossingCoordinate::X, CrossingCoordinate::Y })
        explained.crossing[int(coordinate)] = m_controls->text2[FieldTable::field(coordinate)];
    m_explanations = new FieldExplanations(explained, this);
    m_announcer = new Announcer(this);
    m_solution = new SolutionCommands(
        this, *m_controls, m_announcer, [this] { return m_explanations->calculation(); });
    m_controls->picture1->setBackgroundPicture(startupPhoto());
#ifndef Q_OS_WASM
    m_controls->text1->setPlainText(taskText());
#endif
    m_controls->text1->setFocus();
    showConstruction(spokenText(describeBackground(m_construction->background())));

    for (qint16 index = 0; index < 2; ++index)
        connect(m_controls->command1[index], &QPushButton::clicked, this,
            [this, index] { Command1_Click(index); });
    connect(m_controls->picture1, &DrawingCanvas::mouseDown, this, &Vertisel::Picture1_MouseDown);
    connect(m_controls->picture1, &DrawingCanvas::keyboardCursorMoved, this, [this](QPoint at) {
        constexpr int k = kTwipsPerPixel;
        m_announcer->announceLatest(spokenText(describeCursor(at * k)));
    });

    centreOnScreen();

    Form_Load();
}

Vertisel::~Vertisel() = default;

void Vertisel::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Until the window system has framed the window, the frame is the client area.
    const QRect available = screen->availableGeometry();
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(available.center());
    // A frame larger than the screen keeps its title bar on it: pinned to the
    // top or left edge, where centring would push it off.
    move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

bool Vertisel::event(QEvent *event)
{
#ifdef Q_OS_WASM
    // In the browser the task text comes in when the window is shown, before
    // its first frame: the text box has its final width only then, and text
    // laid out earlier would be laid out again, which start-up feels there.
    if (event->type() == QEvent::Show && m_controls->text1->document()->isEmpty())
        m_controls->text1->setPlainText(taskText());
#endif
    // The frame (title bar, borders) is known only once the window is shown
    // and framed; centre the whole frame then, once.
    if (!m_centredWithFrame && (event->type() == QEvent::Show || event->type() == QEvent::Move)
        && isVisible() && frameGeometry().size() != size()) {
        m_centredWithFrame = true;
        centreOnScreen();
    }
    return QWidget::event(event);
}

void Vertisel::Form_Load()
{
    m_state.ClickCount = 0;
    m_controls->picture1->setPersistentDrawing(true);
}

void Vertisel::Command1_Click(qint16 Index)
{
    switch (Index) {
    case 0:
        CalculateIntersection();
        break;
    case 1:
        ClearAll();
        break;
    }
}

void Vertisel::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float X, float Y)
{
    const CaptureStep step = pointCaptureStep(m_state.ClickCount);
    if (step.action == CaptureStep::Action::Blank) {
        m_construction->blank();
        m_narration->setFinding({});
        showConstruction(spokenText(describeBackground(m_construction->background())));
        return;
    }
    if (step.action == CaptureStep::Action::Record) {
        writeField(FieldTable::field(step.slot.x()), CoordinateText(X));
        writeField(FieldTable::field(step.slot.y()), CoordinateText(Y));
    }
    const ConstructionItem dot = pressShape(step, X, Y);
    m_construction->add(dot);
    showConstruction(spokenText(describeShape(dot)));
}

void Vertisel::ClearAll()
{
    for (int i = 0; i < FieldTable::kCount; ++i)
        writeField(i, QString());
    m_explanations->setCalculation(nullptr);
    m_construction->blank();
    m_narration->setFinding({});
    m_state.ClickCount = 1;
    showConstruction(spokenText(describeBackground(m_construction->background())));
}

void Vertisel::showConstruction(const QString &news)
{
    m_controls->picture1->setConstruction(*m_construction);
    m_narration->show(*m_construction);
    // The canvas's description is put together when a client asks for it;
    // the change itself is announced, so that a screen reader tells it
    // without searching.
    QAccessibleEvent changed(m_controls->picture1, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    m_announcer->announce(news);
}

QString Vertisel::readField(int index) const
{
    return m_controls->text2[index]->text();
}

void Vertisel::writeField(int index, const QString &text)
{
    QLineEdit *field = m_controls->text2[index];
    field->setText(text);
    field->setCursorPosition(0);
}
