#pragma once

// Makes Qt's own texts (the fields' menus, the file and print dialogs,
// message boxes) Bulgarian, from Qt's translation built into the program.
// Installs once; later calls do nothing.
void installQtTranslation();
