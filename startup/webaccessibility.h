#pragma once

class QWidget;

// The browser build's window in the page's own elements: Qt 6.4 has no
// accessibility bridge for the browser, and its hidden text element does not
// reach every on-screen keyboard. The page's script (vertiselBridge in
// index.html) keeps a transparent element over each control, made from the
// window's accessibility tree: what screen readers read, what a tap focuses
// and what a device's keyboard types into.

// Call before the window is made, so that every accessibility update of the
// window reaches the page.
void listenForWebAccessibility();

// Builds the page's elements for the shown WINDOW and keeps them in step:
// names, descriptions, values and the focus, both ways.
void mirrorIntoWebPage(QWidget &window);
