#include "app/solutionprint.h"

PrintOutcome printSolutionDocument(QWidget *, const SolutionDocument &)
{
    return PrintOutcome::Unavailable;
}
