// The airport editor window "Kordax - Edit Airports": one airport of the table at a time, new
// airports, and the table written back to Arpt.nav.
#pragma once

#include "maps/editor/airport_editing.h"
#include "platform/controls.h"
#include "platform/messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <map>

namespace qelvar {

class frmEditArpt : public QWidget {
    Q_OBJECT
public:
    // redrawMap redraws the main window's map (after Done).
    frmEditArpt(NavDatabase &db, MessageSink &sink, std::filesystem::path folder,
                std::function<void()> redrawMap);

    // Opens the editor on the airport last picked on the map, by its table index (or on what it
    // showed before).
    void Open();
    void ShowAirportInEditor(int32_t index);
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdExit_Click();
    void cmbSuchenName_Click(const QString &text);
    void cmbSuchenTag_Click(const QString &text);

    EditorState &State() { return state_; }
    QLineEdit *Box(AirportBox box) { return boxes_.at(box); }

    CaptionButton *cmdNew, *cmdExit, *cmdSave;
    QComboBox *cmbSuchenName, *cmbSuchenTag;
    QLineEdit *txtILS, *txtElev, *txtATIS, *txtGradX, *txtMinX, *txtGradY, *txtMinY, *txtLand, *txtICAO,
        *txtIATA, *txtName, *txtArt;
    QLabel *lblInfo;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *AddBox(AirportBox box, const char *designText, QWidget *parent, int left, int top, int width);
    void BoxChanged(AirportBox box, const QString &text);
    // Saves when there are edits; false when the table was not written.
    bool SaveIfChanged(const char *procedure);
    void FillSearchLists();

    NavDatabase &db_;
    MessageSink &sink_;
    std::filesystem::path folder_;
    std::function<void()> redrawMap_;
    EditorState state_;
    std::map<AirportBox, QLineEdit *> boxes_;
    bool showing_ = false; // boxes are being filled from the table, not typed
};

} // namespace qelvar
