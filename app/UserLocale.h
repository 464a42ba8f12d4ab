#pragma once

#include <QString>

namespace morvane {

// Takes the user's locale from the environment for everything the program prints, and finds
// the message catalogues from the program's own folder. Comes before the command line is
// answered; QApplication later sets the same locale again.
void useUsersLanguage();

// From here on every translated message goes into Qt's strings, which take UTF-8 whatever the
// locale's character set; before, they go to the terminal in the locale's own.
void translateForQt();

// The decimal separator of the user's locale, for the seconds readout. Needs a
// QCoreApplication, which reads the locale from the environment.
QString userDecimalSeparator();

}  // namespace morvane
