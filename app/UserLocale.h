#pragma once

#include <QString>

namespace morvane {

// The decimal separator of the user's locale, for the seconds readout. Needs a
// QCoreApplication, which reads the locale from the environment.
QString userDecimalSeparator();

}  // namespace morvane
