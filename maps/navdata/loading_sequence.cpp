#include "loading_sequence.h"

#include "maps/navdata/loaders.h"

namespace qelvar {

void FillZoomScale(NavDatabase &db) {
    db.ZoomScale = {0, 2, 5, 10, 20, 40, 78, 156, 312, 625, 1250, 2500, 5000};
}

void SwitchOnStartLayers(LayerFlagSet &flags) {
    flags.Vor = flags.Ndb = flags.IntlAirports = flags.LocalAirports = true;
    flags.Ils = flags.Hills = flags.Borders = flags.Runways = true;
}

void RunLoadingSequence(NavDatabase &db, const std::filesystem::path &folder, MessageSink &sink,
                        StartupScreen &screen, std::string &loadStep) {
    try {
        FillZoomScale(db);
        screen.ShowPicture("init.jpg");
        screen.ProcessEvents();
        LoadIntersectionDataFromFile(db, folder, sink);
        LoadRunwayDataFromFile(db, folder, sink);
        screen.ProcessEvents();

        screen.ShowPicture("LoadCoast.jpg");
        loadStep = "loading Coast from file";
        LoadCoast(db, folder, sink);
        LoadBorders(db, folder, sink);
        LoadTrain(db, folder, sink);
        LoadHillsFromFile(db, folder, sink);

        screen.ShowPicture("loadarpt.jpg");
        loadStep = "loading Arpt from file";
        LoadArptftomFile(db, folder, sink);
        PlaceAirports(db);

        screen.ShowPicture("LoadILS.jpg");
        loadStep = "loading ILS from file";
        LoadIls(db, folder, sink);
        PlaceIls(db);

        screen.ShowPicture("loadvor.jpg");
        loadStep = "loading VOR from file";
        LoadVor(db, folder, sink);
        PlaceVors(db);

        screen.ShowPicture("loadndb.jpg");
        loadStep = "loading NDB from file";
        LoadNdb(db, folder, sink);
        PlaceNdbs(db);

        screen.OpenMainWindow();
        SwitchOnStartLayers(db.LayerFlags);
    } catch (const RuntimeError &) {
        ReportFatalError(sink, "Kordax", "Form_Load", loadStep);
    }
}

} // namespace qelvar
