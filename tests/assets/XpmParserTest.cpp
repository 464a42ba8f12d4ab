#include <gmock/gmock.h>

#include "assets/compiler/AssetError.h"
#include "assets/compiler/XpmParser.h"

namespace morvane::test {
namespace {

using ::testing::HasSubstr;

std::string xpm(const std::string& body) {
    return "/* XPM */\nstatic const char* pic[] = {\n" + body + "\n};\n";
}

TEST(XpmParserTest, ReadsColoursAndPixelsRowsFromTheTop) {
    const XpmImage image = XpmParser::parse(xpm("\"2 2 3 1\",\n\"  c #000080\",\n\"# c #FFfFfF\",\n"
                                                "\". c None\",\n\"# \",\n\" .\""),
                                            "pic.xpm");
    EXPECT_EQ(image.name, "pic");
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.colourAt(0, 0), (XpmColour{255, 255, 255, false}));
    EXPECT_EQ(image.colourAt(1, 0), (XpmColour{0, 0, 128, false}));
    EXPECT_TRUE(image.colourAt(1, 1).transparent);
}

// Every malformation is reported with the file and the line that holds it.
TEST(XpmParserTest, RejectsMalformedSourcesNamingFileAndLine) {
    const struct {
        std::string text;
        std::string where;
        std::string problem;
    } cases[] = {
        {xpm("\"2 1 1 1\",\n\"# c #FFFFFF\",\n\"#\""), "pic.xpm:5:", "1 characters long"},
        {xpm("\"2 1 1 1\",\n\"# c #FFFFFF\",\n\"#x\""), "pic.xpm:5:", "'x' has no colour"},
        {xpm("\"1 1 1 1\",\n\"# c white\",\n\"#\""), "pic.xpm:4:", "unknown colour 'white'"},
        {xpm("\"1 1 1 1\",\n\"# c #FFFFF\",\n\"#\""), "pic.xpm:4:", "unknown colour"},
        {xpm("\"1 2 1 1\",\n\"# c #FFFFFF\",\n\"#\""), "pic.xpm:5:", "expected 4 strings"},
        {xpm("\"1 1 2 1\",\n\"# c #FFFFFF\",\n\"# c #000000\",\n\"#\""),
         "pic.xpm:5:", "defined twice"},
        {xpm("\"1 1 1 1\",\n\"# c #FFFFFF\"\n\"#\""), "pic.xpm:5:", "expected ','"},
        {xpm("\"1 1 1\",\n\"# c #FFFFFF\",\n\"#\""), "pic.xpm:3:", "values line"},
        {xpm("\"1 1 1 1\",\n\"# c #FFFFFF\",\n\"#") + "\n", "pic.xpm:5:", "not closed"},
        {"static char* pic[] = {\"1 1 1 1\", \"# c #FFFFFF\", \"#\"}",
         "pic.xpm:1:", "expected ';'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            XpmParser::parse(c.text, "pic.xpm");
            ADD_FAILURE() << "accepted";
        } catch (const AssetError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.where));
            EXPECT_THAT(e.what(), HasSubstr(c.problem));
        }
    }
}

}  // namespace
}  // namespace morvane::test
