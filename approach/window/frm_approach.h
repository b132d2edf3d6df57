// The window of Qelvar Approach: the viewer skeleton with the approach chart, the list of the
// airport's approaches and the list of the chosen approach's transitions.
#pragma once

#include "airports/window/scenery_viewer_window.h"
#include "approach/approach_chart.h"
#include "approach/vor_records.h"
#include "platform/messages.h"
#include "scenery/scenery_airport.h"

#include <QComboBox>
#include <optional>

namespace qelvar {

// The skeleton's settings for the approach chart: "Qelvar Approach", "APP Chart", zoom 2 to 50 in
// steps of 2, 16 for a new airport.
ViewerLayout ApproachViewerLayout();

class frmApproach : public SceneryViewerWindow {
    Q_OBJECT
public:
    frmApproach(ViewerServices services, MessageSink &sink, QWidget *parent = nullptr);

    // Start as the skeleton's, and reads vor.nav (a missing or broken file is told once).
    void Form_Load(const std::string &commandLine);

    // An approach chosen from the list: it is drawn without a transition, and the transition list
    // offers its transitions.
    void cmbAPP_Click(int index);

    SceneryAirport &Airport() { return airport_; }
    const VorRecords &Vors() const { return vors_; }
    // The view state of the chart as the next redraw uses it.
    ApproachView View() const;
    bool ChartLoaded() const { return chartLoaded_; }
    // The chart as it is shown, on a kneeboard page.
    std::optional<ChartPage> ChartForPage() override;
    // Chooses the approach whose label ("ILS 16L") is the text, spaces and case aside; false when
    // the airport has none of that label.
    bool ChooseApproach(const std::string &label);

    QComboBox *cmbAPP, *cmbTerm;

protected:
    void LoadChart() override;
    void Redraw() override;
    void SetViewControlsEnabled(bool enabled) override;

private:
    ApproachChartOutcome DrawChart();
    // Empties a list and shows the text in it until an entry is chosen.
    static void ResetList(QComboBox &list, const std::string &text);

    MessageSink &sink_;
    SceneryAirport airport_;
    VorRecords vors_;
    bool chartLoaded_ = false;
    std::optional<int> approach_;
    std::optional<int> transition_; // the transition list has no handler: it stays none
};

} // namespace qelvar
