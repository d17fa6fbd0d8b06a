#pragma once

#include <QString>

#include <functional>

class QWidget;

// Makes the window's controls tell an assistive client what they are: the
// window is a window named by its title, hidden controls stay out of the
// tree, the canvas is a graphic with its name and description, and result
// fields are read-only for every client, not only for the keyboard.
// Installs once; later calls do nothing.
void installAccessibility();

// The canvas's accessible description, put together when a client asks.
void describeCanvasWith(QWidget *canvas, std::function<QString()> describe);
