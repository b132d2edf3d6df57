#include "maps/editor/airport_editing.h"
#include "maps/navdata/loaders.h"
#include "support/kit_folder.h"

#include <gtest/gtest.h>

namespace qelvar {
namespace {

class AirportEditing : public ::testing::Test {
protected:
    AirportEditing() {
        LoadArptftomFile(db, testing::FixturesDir(), sink);
        PlaceAirports(db);
    }
    Airport &Current() { return db.AirportTable.entries[state.CurrentAirport]; }

    NavDatabase db;
    RecordingMessageSink sink;
    EditorState state;
};

TEST_F(AirportEditing, TextBoxesStoreWithTheirCaseRuleAndMessage) {
    struct Case {
        AirportBox box;
        std::string typed;
        std::string stored;
        const char *message;
        std::string Airport::*field;
    } cases[] = {
        {AirportBox::Art, "ad-lok", "AD-LOK", "Arpt-Type has changed!", &Airport::Type},
        {AirportBox::Iata, "muc", "MUC", "Arpt IATA-Code has changed!", &Airport::IataCode},
        {AirportBox::Name, "m\xfcnchen riem", "M\xdcNCHEN RIEM", "Arpt Name has changed!", &Airport::Name},
        {AirportBox::Icao, "eddm", "EDDM", "Arpt LocationIndicator has changed!",
         &Airport::LocationIndicator},
        {AirportBox::Land, "Bavaria", "Bavaria", "Arpt Country has changed!", &Airport::Country},
        {AirportBox::Atis, "123.125", "123.125", "Arpt ATIS has changed!", &Airport::Atis},
        {AirportBox::Elev, "1,487 ft", "1,487 ft", "Arpt Elevation has changed!", &Airport::Elevation},
        {AirportBox::Ils, "08l-26r\r\n#08r", "08L-26R#08R", "Arpt ILS/RWY has changed!",
         &Airport::RunwayInfo},
    };
    for (const Case &c : cases) {
        EditorState fresh;
        BoxChange change = ApplyBoxChange(db, fresh, c.box, c.typed);
        EXPECT_TRUE(change.changed) << c.typed;
        EXPECT_EQ(change.message, c.message);
        EXPECT_EQ(db.AirportTable.entries[0].*c.field, c.stored);
        EXPECT_TRUE(fresh.AirportChanged);
    }
    // The text the box already holds changes nothing.
    EditorState untouched;
    EXPECT_EQ(ApplyBoxChange(db, untouched, AirportBox::Land, "Bavaria").message, "");
    EXPECT_EQ(ApplyBoxChange(db, untouched, AirportBox::MinX, "47.2").message, "");
    EXPECT_FALSE(untouched.AirportChanged);
}

TEST_F(AirportEditing, NumberBoxesCheckTheirTextAndMoveTheAirport) {
    BoxChange minus = ApplyBoxChange(db, state, AirportBox::GradX, "-");
    EXPECT_EQ(minus.message, "X-Grad invalid");
    EXPECT_FALSE(minus.changed);
    EXPECT_FALSE(state.AirportChanged);
    EXPECT_EQ(Current().LonDeg, 11);

    BoxChange west = ApplyBoxChange(db, state, AirportBox::GradX, "-8");
    EXPECT_EQ(west.message, "Arpt PosX has changed!");
    EXPECT_EQ(Current().LonDeg, -8);
    EXPECT_EQ(Current().X, 38'880'000 - (8 * 216'000 + 169'920)); // minutes 47.2 now count west

    BoxChange comma = ApplyBoxChange(db, state, AirportBox::MinY, "12,");
    EXPECT_EQ(comma.message, "Arpt Y-Minutes has changed!");
    EXPECT_DOUBLE_EQ(Current().LatMin, 21.2); // not stored while the decimals are typed
    ApplyBoxChange(db, state, AirportBox::MinY, "12,5");
    EXPECT_DOUBLE_EQ(Current().LatMin, 12.5);
    EXPECT_EQ(Current().Y, 19'440'000 - (48 * 216'000 + 45'000));

    EditorState other;
    EXPECT_EQ(ApplyBoxChange(db, other, AirportBox::MinX, "abc").message, "X-Minutes invalid");
    EXPECT_EQ(ApplyBoxChange(db, other, AirportBox::GradY, "4x").message, "Y-Grad invalid");
    EXPECT_FALSE(other.AirportChanged);

    // Degrees are whole: the loader would read a fraction back rounded. "48." and "48,0" are whole.
    int32_t y = Current().Y;
    EXPECT_EQ(ApplyBoxChange(db, state, AirportBox::GradY, "48.5").message, "Y-Grad invalid");
    EXPECT_DOUBLE_EQ(Current().LatDeg, 48);
    EXPECT_EQ(Current().Y, y);
    EXPECT_EQ(ApplyBoxChange(db, state, AirportBox::GradY, "47,0").message, "Arpt PosY has changed!");
    EXPECT_EQ(ApplyBoxChange(db, state, AirportBox::GradY, "48.").message, "Arpt PosY has changed!");
    EXPECT_EQ(Current().Y, y);
}

// A fractional degree once placed the airport west while editing and east after a restart (-0.3
// and 30 minutes: the loader rounds -0.3 to 0 and reads the minutes as east). Now the fraction is
// refused, and every position the editor takes is the one the loader reads back.
TEST_F(AirportEditing, WhatTheEditorPlacesTheLoaderPlacesAlike) {
    struct Case {
        const char *lonDeg, *lonMin, *latDeg, *latMin;
        bool refused; // the degrees were refused: the airport keeps 11 and 48
    } cases[] = {
        {"-0.3", "30", "0.7", "15", true},     {"-0", "30", "0", "-15", false},
        {"0", "-30", "-0", "15", false},       {"-1", "30", "1", "-0.5", false},
        {"12", "-47.2", "-48", "21.2", false}, {"179", "59.99", "-89", "59,5", false},
        {"-12.5", "1", "12,5", "1", true},
    };
    testing::KitFolder folder;
    for (const Case &c : cases) {
        NavDatabase edited;
        LoadArptftomFile(edited, testing::FixturesDir(), sink);
        PlaceAirports(edited);
        EditorState s;
        BoxChange lon = ApplyBoxChange(edited, s, AirportBox::GradX, c.lonDeg);
        ApplyBoxChange(edited, s, AirportBox::MinX, c.lonMin);
        BoxChange lat = ApplyBoxChange(edited, s, AirportBox::GradY, c.latDeg);
        ApplyBoxChange(edited, s, AirportBox::MinY, c.latMin);
        EXPECT_EQ(lon.message, c.refused ? "X-Grad invalid" : "Arpt PosX has changed!") << c.lonDeg;
        EXPECT_EQ(lat.message, c.refused ? "Y-Grad invalid" : "Arpt PosY has changed!") << c.latDeg;
        const Airport &a = edited.AirportTable.entries[0];
        if (c.refused) {
            EXPECT_DOUBLE_EQ(a.LonDeg, 11);
            EXPECT_DOUBLE_EQ(a.LatDeg, 48);
        }
        SaveAirportTable(edited, folder.Path());
        NavDatabase reloaded;
        LoadArptftomFile(reloaded, folder.Path(), sink);
        PlaceAirports(reloaded);
        const Airport &b = reloaded.AirportTable.entries[0];
        EXPECT_EQ(b.X, a.X) << c.lonDeg << " " << c.lonMin;
        EXPECT_EQ(b.Y, a.Y) << c.latDeg << " " << c.latMin;
    }
    EXPECT_TRUE(sink.boxes.empty());
}

// A pasted name with a line break would end the line of Arpt.nav, and the next start would fail
// to load the file. Every box refuses line breaks and other control characters, as it refuses ";".
// The ILS box takes its line breaks out by its own rule, so only other control characters remain.
TEST_F(AirportEditing, LineBreaksAndControlCharactersAreRefusedInEveryBox) {
    const std::string refused =
        "Line breaks and other control characters cannot be stored in Arpt.nav: nothing changed.";
    Airport before = Current();
    for (AirportBox box : {AirportBox::Art, AirportBox::Iata, AirportBox::Name, AirportBox::Icao,
                           AirportBox::Land, AirportBox::Atis, AirportBox::Elev, AirportBox::GradX,
                           AirportBox::MinX, AirportBox::GradY, AirportBox::MinY}) {
        for (const char *text : {"MUNICH\r\nRIEM", "RIEM\n", "\r1", "A\tB", "B\x01", "1\x7f"}) {
            BoxChange change = ApplyBoxChange(db, state, box, text);
            EXPECT_FALSE(change.changed) << static_cast<int>(box) << " " << text;
            EXPECT_EQ(change.message, refused) << static_cast<int>(box);
        }
    }
    EXPECT_EQ(ApplyBoxChange(db, state, AirportBox::Ils, "08L\t26R").message, refused);
    EXPECT_EQ(AirportTableLines(db.AirportTable)[0], AirportTableLines({1, {before}})[0]);
    EXPECT_FALSE(state.AirportChanged);
    // Letters beyond ASCII are no control characters.
    EXPECT_EQ(ApplyBoxChange(db, state, AirportBox::Name, "M\xfcnchen \xa0Riem").message,
              "Arpt Name has changed!");
}

TEST_F(AirportEditing, RefusesWhatWouldSplitALineOrLeaveTheMap) {
    BoxChange semicolon = ApplyBoxChange(db, state, AirportBox::Name, "A;B");
    EXPECT_FALSE(semicolon.changed);
    EXPECT_EQ(semicolon.message,
              "\";\" separates the fields of Arpt.nav and cannot be stored: nothing changed.");
    EXPECT_EQ(Current().Name, "M\xfcnchen Franz Josef Strau\xdf");
    EXPECT_FALSE(state.AirportChanged);

    BoxChange far = ApplyBoxChange(db, state, AirportBox::GradX, "20000");
    EXPECT_EQ(far.message, "X-Grad invalid");
    EXPECT_EQ(Current().LonDeg, 11);
    EXPECT_EQ(Current().X, 41'425'920);
    EXPECT_EQ(ApplyBoxChange(db, state, AirportBox::MinY, "99999999").message, "Y-Minutes invalid");
    EXPECT_FALSE(state.AirportChanged);
}

TEST_F(AirportEditing, NewAirportsUpToTheEditorsLimit) {
    EXPECT_TRUE(AddNewAirport(db, state));
    EXPECT_EQ(db.AirportTable.AirportCount, 5);
    EXPECT_EQ(state.CurrentAirport, 4);
    EXPECT_EQ(Current().Name, "");
    EXPECT_EQ(Current().X, 0);
    EXPECT_FALSE(state.AirportChanged);
    db.AirportTable.AirportCount = 8'499;
    EXPECT_TRUE(AddNewAirport(db, state));
    EXPECT_EQ(db.AirportTable.AirportCount, 8'500);
    EXPECT_FALSE(AddNewAirport(db, state));
    EXPECT_EQ(db.AirportTable.AirportCount, 8'500);
}

TEST_F(AirportEditing, TableLinesInTheLoadersFormat) {
    std::vector<std::string> lines = AirportTableLines(db.AirportTable);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "AD;MUC;EDDM;M\xfcnchen Franz Josef Strau\xdf;1487;11;47.2;48;21.2;123.12;"
                        "08L-26R-13123-197-ASP-110.30#08R-26L-13123-197-CON;Germany");
    EXPECT_EQ(
        lines[2],
        "AD;JFK;KJFK;John F Kennedy Intl;13;-73;-46.7;40;38.4;128.72;04L-22R-12079-200-ASP;United States");
}

TEST_F(AirportEditing, EditsSaveAndLoadBackExactly) {
    testing::KitFolder folder;
    ApplyBoxChange(db, state, AirportBox::Name, "Munich Franz Josef Strauss");
    ApplyBoxChange(db, state, AirportBox::Icao, "eddx");
    ApplyBoxChange(db, state, AirportBox::MinX, "50,");
    ApplyBoxChange(db, state, AirportBox::MinX, "50,25");
    AddNewAirport(db, state);
    ApplyBoxChange(db, state, AirportBox::Art, "AD");
    ApplyBoxChange(db, state, AirportBox::Name, "New Field");
    ApplyBoxChange(db, state, AirportBox::GradY, "-10");
    ApplyBoxChange(db, state, AirportBox::MinY, "-30");
    SaveAirportTable(db, folder.Path());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Arpt.nav")); // the existing arpt.nav is rewritten

    NavDatabase reloaded;
    LoadArptftomFile(reloaded, folder.Path(), sink);
    PlaceAirports(reloaded);
    EXPECT_TRUE(sink.boxes.empty());
    ASSERT_EQ(reloaded.AirportTable.AirportCount, 5);
    EXPECT_EQ(AirportTableLines(reloaded.AirportTable), AirportTableLines(db.AirportTable));
    const Airport &edited = reloaded.AirportTable.entries[0];
    EXPECT_EQ(edited.Name, "MUNICH FRANZ JOSEF STRAUSS");
    EXPECT_EQ(edited.LocationIndicator, "EDDX");
    EXPECT_DOUBLE_EQ(edited.LonMin, 50.25);
    EXPECT_EQ(edited.X, 38'880'000 + 2'376'000 + 180'900);
    EXPECT_EQ(reloaded.AirportTable.entries[4].Y, 19'440'000 + 2'160'000 + 108'000);
    EXPECT_EQ(reloaded.AirportTable.entries[4].X, 38'880'000);
}

TEST_F(AirportEditing, APartlyLoadedTableIsNeverWrittenOver) {
    db.AirportTable.LoadTruncated = true;
    EXPECT_EQ(SaveRefusal(db), "Arpt.nav holds more airports than the table takes and was loaded only in "
                               "part: saving now would drop the rest. The edits stay in memory.");
}

TEST_F(AirportEditing, AFailedLoadIsNeverWrittenOver) {
    EXPECT_EQ(SaveRefusal(db), "");
    testing::KitFolder folder;
    folder.Write("arpt.nav", "AD;A;B;C;1;x;0;0;0;;;X\r\n");
    NavDatabase failed;
    LoadArptftomFile(failed, folder.Path(), sink);
    EXPECT_EQ(failed.AirportTable.AirportCount, 0);
    EXPECT_NE(SaveRefusal(failed), "");
}

} // namespace
} // namespace qelvar
