// The tables and searches of Qelvar Index on the fixture index (tests/fixtures/index/README.md
// explains every line), the list lines, the airport data box byte for byte, and bad input.
#include "index/index_search.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

std::filesystem::path IndexFixtures() {
    return testing::FixturesDir() / "index";
}

class Index : public ::testing::Test {
protected:
    Index() { loadMessage = LoadData(IndexFixtures(), tables); }
    std::vector<std::string> CodesOf(const SearchResult &result) {
        std::vector<std::string> codes;
        for (const std::string &line : result.lines)
            codes.push_back(IcaoOfListLine(line));
        return codes;
    }
    IndexTables tables;
    std::string loadMessage;
};

using Codes = std::vector<std::string>;

TEST_F(Index, LoadsBothFilesWithSpacesRemovedAndFieldsPadded) {
    EXPECT_EQ(loadMessage, "");
    ASSERT_EQ(tables.index.size(), 9u);
    EXPECT_EQ(tables.index[2].icao, "EDDM");
    EXPECT_EQ(tables.index[2].city, "Muenchen");
    EXPECT_EQ(tables.index[2].country, "-Germany");
    EXPECT_EQ(tables.index[3].city, "NewYork");
    EXPECT_EQ(tables.index[7].country, "France");
    EXPECT_EQ(tables.index[8].icao, "LOWW");
    EXPECT_EQ(tables.index[8].city, "");

    ASSERT_EQ(tables.airports.size(), 6u); // the empty line is no airport
    EXPECT_EQ(tables.airports[0].fields[kRunwayField], "07C-25C-13123#07R-25L-13123#18-36-13123");
    EXPECT_EQ(tables.airports[3].fields[kIcaoField], "KJFK");
    EXPECT_EQ(tables.airports[3].fields[kElevationField], "13");
    EXPECT_EQ(tables.airports[3].fields[kAtisField], ""); // a short line: missing fields are empty
    EXPECT_EQ(tables.airports[4].fields[kLastField], "United States"); // spaces kept, 13th field dropped
}

TEST(IndexPadding, CutOrFilledToTheWidth) {
    EXPECT_EQ(dhPadRight("EDDF", 8), "EDDF    ");
    EXPECT_EQ(dhPadRight("", 3), "   ");
    EXPECT_EQ(dhPadRight("Frankfurt", 9), "Frankfurt");
    EXPECT_EQ(dhPadRight("Frankfurt", 5), "Frank");
    EXPECT_EQ(ListLine({"EDDF", "Frankfurt", "Germany", "EDDF.xml"}),
              "EDDF    Frankfurt                Germany                       ");
    EXPECT_EQ(ListLine({"EDDF", "Frankfurt", "Germany", ""}).size(), 63u);
    EXPECT_EQ(ListLine({"EDDF", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "", ""}).substr(8),
              "ABCDEFGHIJKLMNOPQRSTUVWXY" + std::string(30, ' '));
}

TEST_F(Index, IcaoSearchIsAnUpperCasedContainsMatch) {
    struct Case {
        const char *text;
        Codes codes;
        const char *message;
    } cases[] = {
        {"ED", {"EDDF", "KEDW", "EDDM"}, "Data found for ED"},
        {"ed", {"EDDF", "KEDW", "EDDM"}, "Data found for ED"},
        {"W", {"KEDW", "LOWW"}, "Data found for W"},
        {"LOWW", {"LOWW"}, "Data found for LOWW"},
        {"EDDX", {}, "Sorry, EDDX not in the Database"},
        {"", {}, "Sorry,  not in the Database"},
    };
    for (const Case &c : cases) {
        SearchResult result = SearchByIcao(tables, c.text);
        EXPECT_EQ(CodesOf(result), c.codes) << c.text;
        EXPECT_EQ(result.message, c.message) << c.text;
    }
}

// Compared without spaces and without regard to case; the message names the text with its first
// letter upper-cased.
TEST_F(Index, CitySearchAsThePilotTypesAndWordMatch) {
    struct Case {
        const char *text;
        bool wordMatch;
        Codes codes;
        const char *message;
    } cases[] = {
        {"york", false, {"KJFK", "KYKN", "EGXZ", "KXLY"}, "Data found for York"},
        {"york", true, {"EGXZ"}, "Data found for York"},
        {"newYork", true, {"KJFK"}, "Data found for NewYork"},
        {"New York", true, {"KJFK"}, "Data found for New York"}, // the index lost its spaces
        {"newyork", false, {"KJFK"}, "Data found for Newyork"},
        {"little YORK", true, {"KXLY"}, "Data found for Little YORK"},
        {"   ", false, {}, "Sorry,     not in the Database"},
        {"ork", false, {"KJFK", "KYKN", "EGXZ", "KXLY"}, "Data found for Ork"},
        {"pari", false, {"LFPG"}, "Data found for Pari"},
        {"pari", true, {}, "Sorry, Pari not in the Database"},
        {"\xE9vora", false, {}, "Sorry, \xC9vora not in the Database"}, // Windows-1252 capital
    };
    for (const Case &c : cases) {
        SearchResult result = SearchByCity(tables, c.text, c.wordMatch);
        EXPECT_EQ(CodesOf(result), c.codes) << c.text << " " << c.wordMatch;
        EXPECT_EQ(result.message, c.message) << c.text;
    }
}

TEST_F(Index, CountrySearchDropsALeadingDashForGood) {
    EXPECT_EQ(SearchByIcao(tables, "EDDM").lines[0].substr(33), dhPadRight("-Germany", 30));

    SearchResult germany = SearchByCountry(tables, "germany", true);
    EXPECT_EQ(CodesOf(germany), (Codes{"EDDF", "EDDM"}));
    EXPECT_EQ(germany.message, "Data found for Germany");
    EXPECT_EQ(germany.lines[1], ListLine({"EDDM", "Muenchen", "Germany", ""}));
    // The table itself lost the "-": the next searches show the country without it.
    EXPECT_EQ(tables.index[2].country, "Germany");
    EXPECT_EQ(SearchByIcao(tables, "EDDM").lines[0].substr(33), dhPadRight("Germany", 30));

    EXPECT_EQ(CodesOf(SearchByCountry(tables, "unitedStates", false)),
              (Codes{"KEDW", "KJFK", "KYKN", "KXLY"}));
    EXPECT_EQ(CodesOf(SearchByCountry(tables, "United", false)),
              (Codes{"KEDW", "KJFK", "KYKN", "EGXZ", "KXLY"}));
    EXPECT_EQ(CodesOf(SearchByCountry(tables, "United", true)), Codes{});
    EXPECT_EQ(CodesOf(SearchByCountry(tables, "united kingdom", true)), Codes{"EGXZ"});
    EXPECT_EQ(SearchByCountry(tables, "Atlantis", false).message, "Sorry, Atlantis not in the Database");
}

TEST_F(Index, ListLineGivesBackItsCode) {
    EXPECT_EQ(IcaoOfListLine(ListLine({"EDDF", "Frankfurt", "Germany", ""})), "EDDF");
    EXPECT_EQ(IcaoOfListLine(ListLine({"K1G", "Somewhere", "", ""})), "K1G");
    EXPECT_EQ(IcaoOfListLine(""), "");
}

TEST_F(Index, AirportDataBoxByteForByte) {
    ASSERT_NE(FindAirport(tables, "EDDF"), nullptr);
    EXPECT_EQ(FindAirport(tables, "EDDF")->fields[kNameField], "Frankfurt Main"); // the first EDDF line
    EXPECT_EQ(AirportDataText(*FindAirport(tables, "EDDF")), "International Airport    EDDF\r\n"
                                                             "Frankfurt Main    \r\n"
                                                             "Germany\r\n"
                                                             "\r\n"
                                                             "Alt: 364 FT   ATIS:  118.02 Mhz\r\n"
                                                             "\r\n"
                                                             "Runway Data: \r\n"
                                                             "07C-25C-13123\r\n"
                                                             "07R-25L-13123\r\n"
                                                             "18-36-13123\r\n");
    EXPECT_EQ(AirportDataText(*FindAirport(tables, "KEDW")), "Local Airport    KEDW\r\n"
                                                             "Edwards AFB    \r\n"
                                                             "United States\r\n"
                                                             "\r\n"
                                                             "Alt: 2302 FT   ATIS:   Mhz\r\n"
                                                             "\r\n"
                                                             "Runway Data: \r\n"
                                                             "04R-22L-15024\r\n");
    EXPECT_EQ(AirportDataText(*FindAirport(tables, "KJFK")), "International Airport    KJFK\r\n"
                                                             "John F Kennedy Intl    \r\n"
                                                             "\r\n"
                                                             "\r\n"
                                                             "Alt: 13 FT   ATIS:   Mhz\r\n"
                                                             "\r\n"
                                                             "Runway Data: \r\n"
                                                             "\r\n");
    EXPECT_EQ(FindAirport(tables, "EGXZ"), nullptr);
    EXPECT_EQ(MissingAirportText("EGXZ"),
              "EGXZ is in the index but not in ARPT.nav: no airport data to show.\r\n");
}

TEST(IndexFiles, MissingFilesGiveEmptyTablesAndAMessage) {
    testing::KitFolder folder;
    folder.Remove("arpt.nav");
    IndexTables tables;
    tables.index.push_back({"OLD", "", "", ""});
    EXPECT_EQ(
        LoadData(folder.Path(), tables),
        "Arpt index.txt could not be read (File not found). ARPT.nav could not be read (File not found).");
    EXPECT_TRUE(tables.index.empty());
    EXPECT_TRUE(tables.airports.empty());
    // Every search says again that the index could not be read.
    EXPECT_EQ(SearchByIcao(tables, "ED").message, "Arpt index.txt could not be read (File not found).");
    EXPECT_EQ(SearchByCity(tables, "York", false).message,
              "Arpt index.txt could not be read (File not found).");
}

// A blank line of the index is no airport: an empty search finds nothing; a UTF-8 file with its
// byte-order mark keeps its accents.
TEST(IndexFiles, BlankLinesAndUtf8) {
    testing::KitFolder folder;
    folder.Write("Arpt index.txt", "\xEF\xBB\xBF"
                                   "BIKF;Reykjav\xC3\xADk;Iceland;BIKF.xml\r\n\r\n  \r\n");
    IndexTables tables;
    EXPECT_EQ(LoadData(folder.Path(), tables), "");
    ASSERT_EQ(tables.index.size(), 1u);
    EXPECT_EQ(tables.index[0].city, "Reykjav\xEDk");
    SearchResult found = SearchByCity(tables, "reykjav\xCDk", true);
    ASSERT_EQ(found.lines.size(), 1u);
    EXPECT_EQ(IcaoOfListLine(found.lines[0]), "BIKF");
    for (const char *text : {"", " "})
        EXPECT_TRUE(SearchByIcao(tables, text).lines.empty());
}

TEST(IndexFiles, FindsTheFilesWhateverTheCaseOfTheirNames) {
    testing::KitFolder folder; // holds the airport file as "arpt.nav"
    folder.Write("ARPT INDEX.TXT", "EDDM;Muenchen;Germany;EDDM.xml\r\n");
    IndexTables tables;
    EXPECT_EQ(LoadData(folder.Path(), tables), "");
    EXPECT_EQ(tables.index.size(), 1u);
    EXPECT_FALSE(tables.airports.empty());
}

TEST(IndexFiles, MoreLinesThanTheCapacityKeepTheFirst30001) {
    testing::KitFolder folder;
    std::string index, airports;
    for (int i = 0; i < 30005; ++i) {
        index += "C" + std::to_string(i) + ";City;Country;x.xml\r\n";
        airports +=
            "AD;;C" + std::to_string(i) + ";Name;1;0;0;0;0;;;Country\r\n" + (i % 1000 == 0 ? "\r\n" : "");
    }
    folder.Write("Arpt index.txt", index);
    folder.Write("arpt.nav", airports);
    IndexTables tables;
    EXPECT_EQ(LoadData(folder.Path(), tables),
              "Arpt index.txt has more than 30001 lines: only the first 30001 are used. "
              "ARPT.nav has more than 30001 lines: only the first 30001 are used.");
    ASSERT_EQ(tables.index.size(), 30001u);
    EXPECT_EQ(tables.index.back().icao, "C30000");
    ASSERT_EQ(tables.airports.size(), 30001u);
    EXPECT_EQ(tables.airports.back().fields[kIcaoField], "C30000");

    // Exactly 30001 lines fit without a message.
    index.clear();
    for (int i = 0; i < 30001; ++i)
        index += "C" + std::to_string(i) + ";City;Country;x.xml\r\n";
    folder.Write("Arpt index.txt", index);
    folder.Write("arpt.nav", "AD;;EDDF;Name;1;0;0;0;0;;;Country\r\n");
    EXPECT_EQ(LoadData(folder.Path(), tables), "");
    EXPECT_EQ(tables.index.size(), 30001u);
    EXPECT_EQ(tables.airports.size(), 1u);
}

} // namespace
} // namespace qelvar
