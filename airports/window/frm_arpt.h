// The window of Qelvar Airports: the viewer skeleton with the airport diagram, its Parking and Taxi
// Labels switches, and the tables of the one airport it shows.
#pragma once

#include "airports/redraw_airport.h"
#include "airports/window/scenery_viewer_window.h"
#include "platform/messages.h"
#include "scenery/scenery_airport.h"

#include <memory>

namespace qelvar {

// The skeleton's settings for the diagram: "Qelvar-Airport", "Arpt Chart", zoom 1 to 10.
ViewerLayout AirportViewerLayout();

class frmArpt : public SceneryViewerWindow {
    Q_OBJECT
public:
    // Run-time errors of a redraw are told through the sink; without one, in message boxes titled
    // "Qelvar Airports".
    explicit frmArpt(ViewerServices services, QWidget *parent = nullptr);
    frmArpt(ViewerServices services, MessageSink &sink, QWidget *parent = nullptr);

    void cmdParking_Click(); // "Parking ON" / "Parking OFF"; redraw
    void cmdTaxi_Click();    // "Taxi Labels ON" / "Taxi Labels OFF"; redraw

    SceneryAirport &Airport() { return airport_; }
    // The view state of the diagram as the next redraw uses it.
    DiagramView View() const;
    bool ChartLoaded() const { return chartLoaded_; }
    // The diagram as it is shown, on a kneeboard page.
    std::optional<ChartPage> ChartForPage() override;

    CaptionButton *cmdTaxi, *cmdParking;

protected:
    void LoadChart() override;
    void Redraw() override;
    void SetViewControlsEnabled(bool enabled) override;

private:
    void AddSwitches(); // Taxi Labels and Parking
    DiagramReport DrawDiagram();

    std::unique_ptr<MessageSink> ownSink_; // when no sink was given
    MessageSink &sink_;
    SceneryAirport airport_;
    bool chartLoaded_ = false; // the tables hold a load that can be drawn
    bool parking_ = false;
    bool taxiLabels_ = false;
};

} // namespace qelvar
