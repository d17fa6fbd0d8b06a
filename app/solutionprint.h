#pragma once

class QWidget;
struct SolutionDocument;

enum class PrintOutcome { Printed, Cancelled, Unavailable };

// Prints the solution's page, the same as its PDF, after the printer dialog.
// Printing is loaded only at the first print.
PrintOutcome printSolutionDocument(QWidget *window, const SolutionDocument &document);
