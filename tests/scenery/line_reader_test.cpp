#include "platform/runtime_error.h"
#include "scenery/grid.h"
#include "scenery/line_reader.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(SceneryLine, AttributeNameValuesAndTag) {
    struct Case {
        std::string line, attribute, first, second, tag;
    } cases[] = {
        // line                                      attribute         first    second  tag after
        {"    <Runway number=\"09\" designator=\"NONE\"", "<Runway number", "09", "NONE", "<Runway"},
        {"lat=\"N47 26.99\"", "lat", "N47 26.99", "", "<Old"},
        {"  <Aprons>", "<Aprons>", "", "", "<Aprons>"},
        {"  </Runway>  ", "</Runway>", "", "", "</Runway>"},
        {"", "", "", "", "<Old"},
        {"   ", "", "", "", "<Old"},
        {"width=", "width", "", "", "<Old"},
        {"width=\"23", "width", "", "", "<Old"}, // one quote: no value
        {"name=\"\"", "name", "", "", "<Old"},
        {"heading=\"69.9\"/>", "heading", "69.9", "", "<Old"},
        {"a=\"1\" b=\"2\" c=\"3\"", "a", "1", "2", "<Old"},
        {"text <b", "text <b", "", "", "text"}, // a "<" anywhere makes the first word the tag
    };
    for (const Case &c : cases) {
        EXPECT_EQ(AttributeName(c.line), c.attribute) << c.line;
        EXPECT_EQ(FirstValue(c.line), c.first) << c.line;
        EXPECT_EQ(SecondValue(c.line), c.second) << c.line;
        std::string tag = "<Old";
        EXPECT_EQ(UpdateElementTag(c.line, tag), c.tag != "<Old") << c.line;
        EXPECT_EQ(tag, c.tag) << c.line;
    }
    EXPECT_FALSE(HasFirstValue("width=\"23"));
    EXPECT_TRUE(HasFirstValue("name=\"\""));
    EXPECT_FALSE(HasSecondValue("lat=\"N47 26.99\""));
    EXPECT_TRUE(HasSecondValue("<Vertex lat=\"N1 0.0\" lon=\"\""));

    std::string tabbed = "\t\t<Start\ttype=\"RUNWAY\"";
    TabsToSpaces(tabbed);
    EXPECT_EQ(tabbed, "  <Start type=\"RUNWAY\"");
}

TEST(SceneryGrid, CoordinatesOnBothGrids) {
    struct Case {
        std::string text;
        bool longitude;
        int32_t diagram, approach;
    } cases[] = {
        // 155,520,000 + 8 × 864,000 + 34.2 × 14,400 = 155,520,000 + 6,912,000 + 492,480
        {"E008 34.2000", true, 162'924'480, 40'731'120},
        // 155,520,000 − (122 × 864,000 + 18.56 × 14,400 = 105,408,000 + 267,264)
        {"W122 18.56", true, 49'844'736, 12'461'184},
        {"E008 00.00", true, 162'432'000, 40'608'000}, // zero minutes keep the letter's side
        {"W000 00.00", true, 155'520'000, 38'880'000},
        {"W180 00.00", true, 0, 0},
        {"E180 00.00", true, 311'040'000, 77'760'000},
        {"N47 26.99", false, 40'996'656, 10'249'164}, // 40,608,000 + 26.99 × 14,400 (388,656)
        {"N47 00.00", false, 40'608'000, 10'152'000},
        // south: 77,760,000 − (33 × 864,000 + 56.5 × 14,400)
        {"S33 56.50", false, 48'434'400, 12'108'600},
        {"S00 00.00", false, 77'760'000, 19'440'000},
        // minutes are rounded on the grid: 0.0000625 × 14,400 = 0.9 -> 1, × 3,600 = 0.225 -> 0
        {"N00 0.0000625", false, 1, 0},
        {"N00 0.000034722", false, 0, 0}, // 0.49999 -> 0
        // without minutes: whole degrees
        {"N47", false, 40'608'000, 10'152'000},
        {"W122", true, 50'112'000, 12'528'000},
        {"N90 00.00", false, 77'760'000, 19'440'000},
    };
    for (const Case &c : cases) {
        int32_t diagram =
            c.longitude ? LonToGrid(c.text, kDiagramGridPerDegree) : LatToGrid(c.text, kDiagramGridPerDegree);
        int32_t approach = c.longitude ? LonToGrid(c.text, kApproachGridPerDegree)
                                       : LatToGrid(c.text, kApproachGridPerDegree);
        EXPECT_EQ(diagram, c.diagram) << c.text;
        EXPECT_EQ(approach, c.approach) << c.text;
    }
}

TEST(SceneryGrid, MalformedCoordinatesAreTypeMismatch) {
    std::string huge = "N" + std::string(400, '9');
    for (const std::string &text : std::vector<std::string>{
             "", "47 26.99", "N4726.99", "X47 26.99", "N 26.99", "Nab 26.99", "N47 x", "N47.5 10.0", "N47 ",
             // beyond the pole, minutes of 60 and more, numbers far beyond any range
             "N90 00.01", "S91", "N47 60.00", "N1 1111111111111110", huge}) {
        try {
            LatToGrid(text, kDiagramGridPerDegree);
            ADD_FAILURE() << "no error for " << text;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.Number(), kTypeMismatch) << text;
        }
    }
    EXPECT_THROW(LonToGrid("N47 26.99", kDiagramGridPerDegree), RuntimeError); // a latitude letter
    for (const char *text : {"E180 00.01", "W181", "W1 1111111111111110", "E0 -60"}) {
        try {
            LonToGrid(text, kApproachGridPerDegree);
            ADD_FAILURE() << "no error for " << text;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.Number(), kTypeMismatch) << text;
        }
    }
}

TEST(SceneryGrid, MetresToFeet) {
    struct Case {
        const char *metres, *feet;
    } cases[] = {
        {"", "0"},        {"111.3M", "365"}, {"0M", "0"},
        {"-5.0M", "-16"}, {"100F", "328"},   {"2.5M", "8"}, // 8.2
        {"0.625M", "2"},                                    // 2.05
        {"1.25M", "4"},                                     // 4.1
        {"3.125M", "10"},                                   // 10.25
    };
    for (const Case &c : cases)
        EXPECT_EQ(MetresToFeetText(c.metres), c.feet) << c.metres;
    EXPECT_THROW(MetresToFeetText("abcM"), RuntimeError);
}

} // namespace
} // namespace qelvar
