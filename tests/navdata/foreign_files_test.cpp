// Nav files as other editors write them: lone CR or lone LF line ends, a UTF-8 byte-order mark,
// blank lines. Each variant of the ten fixture files must load to the same tables as the files
// themselves; only the line files and Hills.nav, where every line takes an entry, gain an empty
// entry for a blank line.
#include "maps/editor/airport_editing.h"
#include "maps/navdata/loaders.h"
#include "platform/codepage.h"
#include "platform/numbers.h"
#include "support/kit_folder.h"

#include <functional>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

using testing::KitFolder;

const char *const kNavFiles[] = {"Coast.nav", "Borders.nav", "Train.nav", "Hills.nav",   "arpt.nav",
                                 "vor.nav",   "ndb.nav",     "ils.nav",   "Runways.nav", "Intersection.nav"};

std::string Replaced(std::string text, const std::string &from, const std::string &to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

void LoadAll(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink) {
    LoadIntersectionDataFromFile(db, folder, sink);
    LoadRunwayDataFromFile(db, folder, sink);
    LoadCoast(db, folder, sink);
    LoadBorders(db, folder, sink);
    LoadTrain(db, folder, sink);
    LoadHillsFromFile(db, folder, sink);
    LoadArptftomFile(db, folder, sink);
    PlaceAirports(db);
    LoadIls(db, folder, sink);
    PlaceIls(db);
    LoadVor(db, folder, sink);
    PlaceVors(db);
    LoadNdb(db, folder, sink);
    PlaceNdbs(db);
}

std::string N(int64_t v) {
    return std::to_string(v);
}
std::string D(double v) {
    return ShortestDecimal(v);
}

// Every entry of every table as one line, so that two loads compare field by field.
std::vector<std::string> TableLines(const NavDatabase &db) {
    std::vector<std::string> lines;
    auto layer = [&](const char *name, const PolylineLayer &l) {
        lines.push_back(std::string(name) + " count " + N(l.count));
        for (int32_t i = 0; i < l.count; ++i)
            lines.push_back(std::string(name) + " " + N(l.XAt(i)) + " " + N(l.YAt(i)));
    };
    layer("coast", db.CoastLayer);
    layer("border", db.BorderLayer);
    layer("train", db.TrainLayer);
    for (const Hill &h : db.HillTable.entries)
        lines.push_back("hill " + h.Name + "|" + h.Elevation + "|" + N(h.X) + "|" + N(h.Y));
    lines.push_back("airports " + N(db.AirportTable.AirportCount));
    for (const std::string &line : AirportTableLines(db.AirportTable))
        lines.push_back("airport " + line);
    for (int32_t i = 0; i < db.AirportTable.AirportCount; ++i)
        lines.push_back("at " + N(db.AirportTable.entries[i].X) + " " + N(db.AirportTable.entries[i].Y));
    for (const VorStation &v : db.VorTable.entries)
        lines.push_back("vor " + N(v.LonDeg) + " " + N(v.LonMin) + " " + N(v.LatDeg) + " " + N(v.LatMin) +
                        " " + v.Text5 + "|" + v.Text6 + "|" + v.Text7 + " " + N(v.X) + " " + N(v.Y));
    for (const NdbStation &n : db.NdbTable.entries)
        lines.push_back("ndb " + D(n.LonMin) + " " + D(n.LatMin) + " " + n.Text5 + "|" + n.Text6 + "|" +
                        n.Text7 + " " + N(n.X) + " " + N(n.Y));
    for (const IlsEntry &e : db.IlsTable.entries)
        lines.push_back("ils " + e.Text0 + "|" + e.Text1 + "|" + e.Text2 + " " + D(e.Course) + " " + N(e.X) +
                        " " + N(e.Y));
    for (const Runway &r : db.RunwayTable.entries)
        lines.push_back("rwy " + N(r.X) + " " + N(r.Y) + " " + N(r.Heading) + " " + D(r.DrawLength));
    for (const Intersection &f : db.IntersectionTable.entries)
        lines.push_back("int " + f.Name + " " + N(f.X) + " " + N(f.Y));
    return lines;
}

// The file as an editor saves it in UTF-8 with its byte-order mark.
std::string SavedAsUtf8(const std::string &windows1252) {
    return "\xEF\xBB\xBF" + ToUnicode(windows1252).toUtf8().toStdString();
}

struct Variant {
    const char *name;
    std::function<std::string(const std::string &)> rewrite;
};

const Variant kVariants[] = {
    {"lone CR line ends", [](const std::string &t) { return Replaced(t, "\r\n", "\r"); }},
    {"lone LF line ends", [](const std::string &t) { return Replaced(t, "\r\n", "\n"); }},
    {"no line end after the last line", [](const std::string &t) { return t.substr(0, t.size() - 2); }},
    {"UTF-8 with its byte-order mark", [](const std::string &t) { return SavedAsUtf8(t); }},
    {"UTF-8 and lone CR", [](const std::string &t) { return SavedAsUtf8(Replaced(t, "\r\n", "\r")); }},
};

TEST(ForeignFiles, EveryLoaderReadsOtherLineEndsAndAByteOrderMarkAlike) {
    RecordingMessageSink sink;
    NavDatabase original;
    LoadAll(original, testing::FixturesDir(), sink);
    ASSERT_TRUE(sink.boxes.empty());
    ASSERT_EQ(original.AirportTable.AirportCount, 4);
    std::vector<std::string> expected = TableLines(original);

    for (const Variant &v : kVariants) {
        KitFolder folder;
        for (const char *file : kNavFiles)
            folder.Write(file, v.rewrite(folder.Read(file)));
        NavDatabase db;
        LoadAll(db, folder.Path(), sink);
        EXPECT_TRUE(sink.boxes.empty()) << v.name;
        EXPECT_EQ(TableLines(db), expected) << v.name;
    }
}

// A blank line, such as a text editor leaves at the end, and blank lines between records: the
// record files skip them; the line files and Hills.nav give them an empty entry, like a comment,
// which never joins two polylines.
TEST(ForeignFiles, BlankLinesAreSkippedOrTakeAnEmptyEntry) {
    RecordingMessageSink sink;
    NavDatabase original;
    LoadAll(original, testing::FixturesDir(), sink);

    KitFolder folder;
    for (const char *file : kNavFiles) {
        std::string text = folder.Read(file);
        size_t firstLineEnd = text.find("\r\n") + 2;
        // A blank line after the first line (a tab and blanks only) and an empty one at the end.
        folder.Write(file, text.substr(0, firstLineEnd) + " \t \r\n" + text.substr(firstLineEnd) + "\r\n");
    }
    NavDatabase db;
    LoadAll(db, folder.Path(), sink);
    EXPECT_TRUE(sink.boxes.empty());

    // The record tables are unchanged.
    NavDatabase recordsOnly = db;
    for (NavDatabase *d : {&recordsOnly, &original}) {
        d->CoastLayer = PolylineLayer(20'001);
        d->BorderLayer = PolylineLayer(10'001);
        d->TrainLayer = PolylineLayer(20'001);
        d->HillTable.entries.clear();
    }
    EXPECT_EQ(TableLines(recordsOnly), TableLines(original));

    // Coast.nav: "##" line, blank, three points, "#", two points, blank: nine entries, and the
    // blank ones are separators.
    ASSERT_EQ(db.CoastLayer.count, 9);
    EXPECT_EQ(db.CoastLayer.XAt(1), 0);
    EXPECT_EQ(db.CoastLayer.XAt(2), 38'880'000 - 5 * 216'000);
    EXPECT_EQ(db.CoastLayer.XAt(8), 0);
    EXPECT_EQ(db.BorderLayer.count, 5); // comment, blank, two points, blank
    EXPECT_EQ(db.TrainLayer.count, 3);
    // Hills.nav: comment, blank, Zugspitze, comment, Aconcagua, blank.
    ASSERT_EQ(db.HillTable.count, 6);
    EXPECT_EQ(db.HillTable.entries[1].Name, "");
    EXPECT_EQ(db.HillTable.entries[1].X, 0);
    EXPECT_EQ(db.HillTable.entries[2].Name, "Zugspitze");
    EXPECT_EQ(db.HillTable.entries[5].X, 0);
}

// An arpt.nav with lone CR line ends once loaded as one airport, and a Save then wrote back that
// one. Now it loads every airport, and a Save writes them all, with CR LF.
TEST(ForeignFiles, ACrOnlyAirportFileLoadsWholeAndSaveKeepsEveryAirport) {
    KitFolder folder;
    std::string original = folder.Read("arpt.nav");
    folder.Write("arpt.nav", Replaced(original, "\r\n", "\r"));
    RecordingMessageSink sink;
    NavDatabase db;
    LoadArptftomFile(db, folder.Path(), sink);
    PlaceAirports(db);
    ASSERT_EQ(db.AirportTable.AirportCount, 4);
    EditorState state;
    state.CurrentAirport = 3;
    ApplyBoxChange(db, state, AirportBox::Land, "Brasil");
    SaveAirportTable(db, folder.Path());

    // The four airports of the fixture, with CR LF, numbers in their shortest form with "."; its
    // empty second line took no entry and is not written back.
    EXPECT_EQ(
        folder.Read("arpt.nav"),
        "AD;MUC;EDDM;M\xfcnchen Franz Josef Strau\xdf;1487;11;47.2;48;21.2;123.12;"
        "08L-26R-13123-197-ASP-110.30#08R-26L-13123-197-CON;Germany\r\n"
        "AD-LOK;;EDMO;Oberpfaffenhofen;1947;11;17;48;4.9;;04-22-7523-148-ASP;Germany\r\n"
        "AD;JFK;KJFK;John F Kennedy Intl;13;-73;-46.7;40;38.4;128.72;04L-22R-12079-200-ASP;United States\r\n"
        "AD;GRU;SBGR;Guarulhos;2459;-46;-28.4;-23;-26.1;127.75;09L-27R-12140-148-ASP;Brasil\r\n");
    NavDatabase reloaded;
    LoadArptftomFile(reloaded, folder.Path(), sink);
    EXPECT_EQ(reloaded.AirportTable.AirportCount, 4);
    EXPECT_TRUE(sink.boxes.empty());
}

} // namespace
} // namespace qelvar
