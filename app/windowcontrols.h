#pragma once

#include "app/fieldtable.h"

#include <array>

class DrawingCanvas;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Every control of the window, reached by array and index like the field
// table Text2(0)..Text2(17) and its captions Label2(0)..Label2(17).
struct WindowControls
{
    std::array<QLineEdit *, FieldTable::kCount> text2 {};
    std::array<QLabel *, FieldTable::kCount> label2 {};
    std::array<QPushButton *, 2> command1 {};
    std::array<QGroupBox *, 3> frame1 {};
    QLabel *label1 = nullptr;
    QPlainTextEdit *text1 = nullptr;
    DrawingCanvas *picture1 = nullptr;
    QWidget *picture2 = nullptr;
};

// Creates every control on the window at its fixed place and size, with
// captions, colours, fonts, read-only state, accessible names and focus order.
WindowControls buildWindowControls(QWidget *window);
