#pragma once

#include <QString>

// An explanation as a teacher reads it aloud, for a screen reader's voice:
// the operators in Bulgarian words, "A1·B2 − A2·B1 = 11·1 − 1·3" as "A1 по B2
// минус A2 по B1 е равно на 11 по 1 минус 1 по 3"; "/" between terms as
// "делено на" after a pause, a fraction "11/3" as "11 върху 3"; "≈" as
// "приблизително", "≠" as "не е равно на"; brackets that only group the
// terms of a division give way to the pause. Names ("x1", "k2") and numbers
// stay as written, in the regional format the fields show; a field's own
// text, quoted „…“, stays exactly as typed.
QString spokenMathematics(const QString &written);
