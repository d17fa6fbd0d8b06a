#pragma once

class QWidget;

// The browser build: the program's window inside its web page.

// Call once the application object exists, before any window is made: the
// built-in serif stands in for Times New Roman, which browsers do not have.
void loadWebFont();

// Shows the window filling the page's canvas (the page sizes the canvas to
// the window and draws the title above it), gives the page the window's
// title, and marks the first paint for the page ("window-painted" in the
// browser's performance timeline). With "?expose-fields" in the address, the
// page's #vertisel-state element holds the field texts, the fonts and the
// focused control as JSON, for the browser test.
void showInWebPage(QWidget &window);
