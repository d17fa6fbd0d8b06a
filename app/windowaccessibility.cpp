#include "app/vertisel.h"

#include "app/solutioncommands.h"
#include "assistive/accessibility.h"
#include "assistive/canvasnarration.h"
#include "canvas/drawingcanvas.h"

// The window shows only what a user can see; the canvas is a picture that
// the window's narration describes, with the keys of its commands.
QAccessibleInterface *Vertisel::accessibleFor(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<Vertisel *>(object))
        return windowAccessible(window);
    if (auto *canvas = qobject_cast<DrawingCanvas *>(object))
        for (QObject *owner = canvas->parent(); owner; owner = owner->parent())
            if (auto *window = qobject_cast<Vertisel *>(owner))
                return pictureAccessible(canvas, *window->m_canvasDescription);
    return nullptr;
}
