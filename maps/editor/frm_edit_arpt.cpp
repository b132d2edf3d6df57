#include "maps/editor/frm_edit_arpt.h"

#include "platform/codepage.h"
#include "platform/runtime_error.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <set>

namespace qelvar {

namespace {

QLabel *AddLabel(const char *text, QWidget *parent, int left, int top) {
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    return label;
}

QGroupBox *AddFrame(const char *title, QWidget *parent, int left, int top, int width, int height) {
    auto *frame = new QGroupBox(title, parent);
    frame->setGeometry(left, top, width, height);
    return frame;
}

} // namespace

frmEditArpt::frmEditArpt(NavDatabase &db, MessageSink &sink, std::filesystem::path folder,
                         std::function<void()> redrawMap)
    : db_(db), sink_(sink), folder_(std::move(folder)), redrawMap_(std::move(redrawMap)) {
    setWindowTitle("Kordax - Edit Airports");
    setFixedSize(600, 360);

    cmbSuchenName = new QComboBox(this);
    cmbSuchenName->setEditable(true);
    cmbSuchenName->setEditText("AirportName");
    cmbSuchenName->setGeometry(12, 12, 330, 26);
    cmbSuchenTag = new QComboBox(this);
    cmbSuchenTag->setEditable(true);
    cmbSuchenTag->setEditText("IATA-Code");
    cmbSuchenTag->setGeometry(352, 12, 120, 26);

    QGroupBox *airport = AddFrame("Airport", this, 12, 48, 290, 250);
    AddLabel("ICAO", airport, 10, 30);
    txtICAO = AddBox(AirportBox::Icao, "ICAO Code", airport, 50, 26, 90);
    AddLabel("IATA", airport, 150, 30);
    txtIATA = AddBox(AirportBox::Iata, "IATA Code", airport, 190, 26, 90);
    txtName = AddBox(AirportBox::Name, "AirportName", airport, 10, 62, 270);
    txtLand = AddBox(AirportBox::Land, "Country", airport, 10, 96, 270);
    QGroupBox *type = AddFrame("Arpt [AD /  AD-LOK]", airport, 10, 132, 270, 56);
    txtArt = AddBox(AirportBox::Art, "", type, 10, 24, 120);

    QGroupBox *data = AddFrame("Arpt-Data     ATIS/Elev/RWY-Data", this, 312, 48, 276, 250);
    txtATIS = AddBox(AirportBox::Atis, "ATIS", data, 10, 26, 120);
    AddLabel("Mhz", data, 136, 30);
    txtElev = AddBox(AirportBox::Elev, "Elevation FT", data, 10, 60, 120);
    AddLabel("FT", data, 136, 64);
    txtILS = AddBox(AirportBox::Ils, "RWY - DATA separated by #", data, 10, 94, 256);
    QGroupBox *lon = AddFrame("E/W Grad X     Min X", data, 10, 128, 256, 54);
    txtGradX = AddBox(AirportBox::GradX, "", lon, 10, 22, 100);
    txtMinX = AddBox(AirportBox::MinX, "", lon, 120, 22, 120);
    QGroupBox *lat = AddFrame("N/S Grad Y     Min Y", data, 10, 186, 256, 54);
    txtGradY = AddBox(AirportBox::GradY, "", lat, 10, 22, 100);
    txtMinY = AddBox(AirportBox::MinY, "", lat, 120, 22, 120);

    cmdNew = new CaptionButton("New Arpt", this);
    cmdNew->setGeometry(12, 306, 90, 28);
    cmdSave = new CaptionButton("Save", this);
    cmdSave->setGeometry(112, 306, 90, 28);
    cmdExit = new CaptionButton("Done", this);
    cmdExit->setGeometry(498, 306, 90, 28);
    lblInfo = new QLabel(this);
    lblInfo->setGeometry(12, 336, 576, 20);

    connect(cmdNew, &QPushButton::clicked, this, &frmEditArpt::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEditArpt::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmEditArpt::cmdExit_Click);
    connect(cmbSuchenName, &QComboBox::textActivated, this, &frmEditArpt::cmbSuchenName_Click);
    connect(cmbSuchenTag, &QComboBox::textActivated, this, &frmEditArpt::cmbSuchenTag_Click);

    // The window is created once: Save hidden, the first airport shown.
    cmdSave->hide();
    ShowAirportInEditor(0);
}

QLineEdit *frmEditArpt::AddBox(AirportBox box, const char *designText, QWidget *parent, int left, int top,
                               int width) {
    auto *edit = new QLineEdit(designText, parent);
    edit->setGeometry(left, top, width, 26);
    boxes_[box] = edit;
    connect(edit, &QLineEdit::textChanged, this, [this, box](const QString &text) { BoxChanged(box, text); });
    return edit;
}

void frmEditArpt::BoxChanged(AirportBox box, const QString &text) {
    if (showing_)
        return; // filling a box from the table: the text equals the stored field
    BoxChange change = ApplyBoxChange(db_, state_, box, ToWindows1252(text));
    if (change.changed)
        cmdSave->show();
    if (!change.message.empty())
        lblInfo->setText(ToUnicode(change.message));
}

void frmEditArpt::ShowAirportInEditor(int32_t index) {
    const auto &entries = db_.AirportTable.entries;
    Airport airport = static_cast<size_t>(index) < entries.size() ? entries[index] : Airport{};
    showing_ = true;
    for (auto [box, edit] : boxes_)
        edit->setText(ToUnicode(FieldText(airport, box)));
    showing_ = false;
}

void frmEditArpt::FillSearchLists() {
    std::set<QString> names, codes;
    for (int32_t i = 0; i < db_.AirportTable.AirportCount; ++i) {
        names.insert(ToUnicode(db_.AirportTable.entries[i].Name));
        codes.insert(ToUnicode(db_.AirportTable.entries[i].IataCode));
    }
    codes.erase(QString());
    for (auto [combo, items] : {std::pair{cmbSuchenName, &names}, std::pair{cmbSuchenTag, &codes}}) {
        QString text = combo->currentText();
        combo->clear();
        combo->addItems(QStringList(items->begin(), items->end()));
        combo->setEditText(text);
    }
}

void frmEditArpt::Open() {
    lblInfo->setText("ArptAllNbr = " + QString::number(db_.AirportTable.AirportCount - 1));
    FillSearchLists();
    show();
    raise();
    // The airport picked on the map, by its own table entry: an IATA code may be empty or shared
    // and would find another airport. Nothing picked: what was shown before.
    int32_t picked = db_.PickedAirportIndex;
    if (picked >= 0 && picked < db_.AirportTable.AirportCount) {
        state_.CurrentAirport = picked;
        cmbSuchenName->setEditText("Arpt - Name");
        ShowAirportInEditor(picked);
    }
}

void frmEditArpt::cmbSuchenName_Click(const QString &text) {
    int32_t found = FindAirportByName(db_.AirportTable, ToWindows1252(text));
    if (found < 0)
        return;
    state_.CurrentAirport = found;
    cmbSuchenTag->setEditText("Arpt - Tag");
    ShowAirportInEditor(found);
}

void frmEditArpt::cmbSuchenTag_Click(const QString &text) {
    int32_t found = FindAirportByIata(db_.AirportTable, ToWindows1252(text));
    if (found < 0)
        return;
    state_.CurrentAirport = found;
    cmbSuchenName->setEditText("Arpt - Name");
    ShowAirportInEditor(found);
}

void frmEditArpt::cmdNew_Click() {
    if (!AddNewAirport(db_, state_)) {
        lblInfo->setText("no more space.....");
        return;
    }
    ShowAirportInEditor(state_.CurrentAirport);
}

bool frmEditArpt::SaveIfChanged(const char *procedure) {
    if (!state_.AirportChanged)
        return true;
    std::string refusal = SaveRefusal(db_);
    if (!refusal.empty()) {
        lblInfo->setText(ToUnicode(refusal));
        return false;
    }
    lblInfo->setText("saving Changes.....");
    lblInfo->repaint();
    try {
        lblInfo->setText("Saving...");
        SaveAirportTable(db_, folder_);
    } catch (const RuntimeError &error) {
        lblInfo->setText("Arpt.nav was not written; the old file is unchanged.");
        ShowFormError(sink_, error, procedure, "frmEditArpt");
        return false;
    }
    state_.AirportChanged = false;
    cmdSave->hide();
    return true;
}

void frmEditArpt::cmdSave_Click() {
    if (SaveIfChanged("cmdSave_Click"))
        lblInfo->clear();
}

void frmEditArpt::cmdExit_Click() {
    if (!SaveIfChanged("cmdExit_Click"))
        return; // the editor stays open with the reason in lblInfo
    hide();
    redrawMap_();
}

void frmEditArpt::closeEvent(QCloseEvent *event) {
    // Closing the window is Done: the edits are saved, not thrown away with the program. Should
    // they not be written, the window closes all the same and they stay in memory.
    SaveIfChanged("cmdExit_Click");
    event->accept();
    redrawMap_();
}

} // namespace qelvar
