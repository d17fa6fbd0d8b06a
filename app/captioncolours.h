#pragma once

class QColor;
class QWidget;
struct WindowControls;

// The contrast ratio of two colours from their relative luminance: 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The captions keep their fixed backgrounds and take the desktop's text
// colour where it reads on them (contrast at least 4.5:1), black where it
// would not, as under a dark desktop theme; again whenever the desktop's
// colours change. The fields keep the desktop's own field colours.
void keepCaptionsReadable(const WindowControls &controls, QWidget *window);
