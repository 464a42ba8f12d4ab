// Which help page F1 opens for the user's locale variables, among the pages there are. The
// pages are given here, so the cases do not depend on which translations the build has.
#include <QtTest>
#include <string>
#include <vector>

#include "ui/help/HelpLanguage.h"

using namespace morvane;

namespace {

const std::vector<std::string> kPages{"ar", "de", "pt", "pt_BR", "sr@latin", "zh_CN"};

}  // namespace

class HelpLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void choosesThePageOfTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");  // LANGUAGE
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("page");  // empty for the English one
        const QString none;
        QTest::newRow("LANGUAGE=de") << "de" << none << none << "en_US.UTF-8"
                                     << "de";
        QTest::newRow("LANG=de_AT.UTF-8") << none << none << none << "de_AT.UTF-8"
                                          << "de";
        QTest::newRow("LANG=de_DE.UTF-8@euro") << none << none << none << "de_DE.UTF-8@euro"
                                               << "de";
        QTest::newRow("LANG=pt_BR.UTF-8") << none << none << none << "pt_BR.UTF-8"
                                          << "pt_BR";
        QTest::newRow("LANG=pt_PT.UTF-8") << none << none << none << "pt_PT.UTF-8"
                                          << "pt";
        QTest::newRow("LANG=sr_RS.UTF-8@latin") << none << none << none << "sr_RS.UTF-8@latin"
                                                << "sr@latin";
        QTest::newRow("unknown language") << none << none << none << "xx_YY.UTF-8" << none;
        QTest::newRow("LANGUAGE=ar") << "ar" << none << none << "en_US.UTF-8"
                                     << "ar";
        QTest::newRow("LANGUAGE, in order") << "fi:zh_CN:de" << none << none << "C.UTF-8"
                                            << "zh_CN";
        QTest::newRow("English first in LANGUAGE")
            << "en_GB:de" << none << none << "de_DE.UTF-8" << none;
        QTest::newRow("C in LANGUAGE ends it")
            << "fi:C:de" << none << none << "de_DE.UTF-8" << none;
        QTest::newRow("the locale after LANGUAGE") << "fi" << none << none << "de_DE.UTF-8"
                                                   << "de";
        QTest::newRow("LC_ALL over LANG") << none << "pt_BR.UTF-8"
                                          << "de_DE.UTF-8"
                                          << "de_DE.UTF-8"
                                          << "pt_BR";
        QTest::newRow("LC_MESSAGES over LANG") << none << none << "de_CH.UTF-8"
                                               << "C.UTF-8"
                                               << "de";
        QTest::newRow("LANG=C") << "de" << none << none << "C" << none;
        QTest::newRow("LC_ALL=POSIX") << "de"
                                      << "POSIX" << none << "de_DE.UTF-8" << none;
        QTest::newRow("nothing set") << "de" << none << none << none << none;
    }

    void choosesThePageOfTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, page);
        const LocaleVariables locale{language.toStdString(), lcAll.toStdString(),
                                     lcMessages.toStdString(), lang.toStdString()};
        QCOMPARE(QString::fromStdString(helpLanguage(locale, kPages)), page);
    }
};

QTEST_APPLESS_MAIN(HelpLanguageTest)
#include "tests/ui/HelpLanguageTest.moc"
