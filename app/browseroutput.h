#pragma once

#include <QByteArray>
#include <QString>

// What the browser does in the program's stead, where the page has no file
// dialog, printer dialog or desktop clipboard of Qt's: downloads, the
// browser's own print, and the page's clipboard.

// The browser saves CONTENT as a download named NAME.
void downloadFile(const QString &name, const QByteArray &content, const QString &mimeType);

// Puts the text, the HTML and the PNG that are not empty on the page's
// clipboard, as one item (Chromium, Firefox 127 and Safari 13.1 on take all
// three). Without the clipboard API, on a page not served over https or
// from this machine, text and HTML go by the browser's copy command and a
// PNG cannot go at all. Returns whether the browser took it.
bool writePageClipboard(const QString &text, const QString &html, const QByteArray &png);

// Prints HTML through the browser's print, from a frame of the page.
void printInBrowser(const QString &html);
