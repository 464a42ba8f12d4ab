#include "app/UserLocale.h"

#include <QLocale>

namespace morvane {

QString userDecimalSeparator() {
    return QLocale::system().decimalPoint();
}

}  // namespace morvane
