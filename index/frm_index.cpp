#include "index/frm_index.h"

#include "platform/codepage.h"
#include "platform/fonts.h"
#include "platform/program_folder.h"
#include "platform/twips.h"

#include <QIcon>

// The button pictures are linked in from a static library: their resource must be named to stay.
static void LoadButtonPictures() {
    Q_INIT_RESOURCE(index_pictures);
}

namespace qelvar {

namespace {

// The window's column, in twips: searches, the list, the result, the data box, the buttons.
constexpr int kLeft = 180;
constexpr int kColumnWidth = 7440;
constexpr int kWindowWidth = 7800;
constexpr int kWindowHeight = 10260;
constexpr int kPictureButtonWidth = 1800;
constexpr int kPictureButtonHeight = 1320;
constexpr int kPictureSize = 40; // pixels
constexpr double kListPointSize = 9;

QLabel *AddLabel(const char *text, QWidget *parent, int top) {
    auto *label = new QLabel(text, parent);
    PlaceInTwips(*label, kLeft, top, kColumnWidth, 255);
    return label;
}

QToolButton *AddPictureButton(const char *caption, const char *picture, QWidget *parent, int left, int top) {
    auto *button = new QToolButton(parent);
    button->setText(caption);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(kPictureSize, kPictureSize));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    PlaceInTwips(*button, left, top, kPictureButtonWidth, kPictureButtonHeight);
    return button;
}

} // namespace

frmIndex::frmIndex(IndexServices services) : services_(std::move(services)) {
    LoadButtonPictures();
    setWindowTitle("Qelvar-Morrick     Qelvar-Index       Find Airport Data");
    setFixedSize(TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight));

    // One search row: text box, button and, for city and country, the Word match box.
    auto searchRow = [this](QLineEdit *&box, CaptionButton *&button, const char *caption, QCheckBox **word,
                            int top) {
        box = new QLineEdit(this);
        PlaceInTwips(*box, kLeft, top, 2400, 375);
        button = new CaptionButton(caption, this);
        PlaceInTwips(*button, 2700, top - 30, 1800, 435);
        if (word) {
            *word = new QCheckBox("Word match", this);
            PlaceInTwips(**word, 4680, top, 2400, 375);
        }
    };
    AddLabel("Search ICAO Code", this, 120);
    searchRow(txtICAO, cmdICAO, "search Code", nullptr, 420);
    AddLabel("Search for City  (parts ok)", this, 960);
    searchRow(txtCity, cmdCity, "search City", &chkCity, 1260);
    AddLabel("Search for Country (parts ok)", this, 1800);
    searchRow(txtCountry, cmdCountry, "search Country", &chkCountry, 2100);

    AddLabel("List of Found Data", this, 2700);
    lstData = new QListWidget(this);
    lstData->setFont(QFont(FontFamily("Lucida Console"), kListPointSize));
    PlaceInTwips(*lstData, kLeft, 3000, kColumnWidth, 2700);
    lblFound = new QLabel(this);
    lblFound->setWordWrap(true);
    lblFound->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceInTwips(*lblFound, kLeft, 5760, kColumnWidth, 420);

    AddLabel("Airport Data", this, 6240);
    txtArpt = new QPlainTextEdit(this);
    txtArpt->setReadOnly(true);
    PlaceInTwips(*txtArpt, kLeft, 6540, kColumnWidth, 2100);

    constexpr int kButtonsTop = 8760;
    cmdArpt = AddPictureButton("Qelvar Airports", ":/pictures/qelvar-airports.png", this, kLeft, kButtonsTop);
    cmdApp = AddPictureButton("", ":/pictures/qelvar-approach.png", this, kLeft + 1920, kButtonsTop);
    cmdMaps = AddPictureButton("Qelvar Maps", ":/pictures/qelvar-maps.png", this, kLeft + 3840, kButtonsTop);
    cmdExit = new CaptionButton("EXIT", this);
    PlaceInTwips(*cmdExit, kLeft + kColumnWidth - 1500, kButtonsTop + kPictureButtonHeight - 900, 1500, 900);

    connect(cmdICAO, &QPushButton::clicked, this, &frmIndex::cmdICAO_Click);
    connect(cmdCity, &QPushButton::clicked, this, &frmIndex::cmdCity_Click);
    connect(cmdCountry, &QPushButton::clicked, this, &frmIndex::cmdCountry_Click);
    connect(txtICAO, &QLineEdit::returnPressed, this, &frmIndex::cmdICAO_Click);
    connect(txtCity, &QLineEdit::returnPressed, this, &frmIndex::cmdCity_Click);
    connect(txtCountry, &QLineEdit::returnPressed, this, &frmIndex::cmdCountry_Click);
    connect(lstData, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstData_Click(row);
    });
    connect(cmdArpt, &QToolButton::clicked, this, &frmIndex::cmdArpt_Click);
    connect(cmdApp, &QToolButton::clicked, this, &frmIndex::cmdApp_Click);
    connect(cmdMaps, &QToolButton::clicked, this, &frmIndex::cmdMaps_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmIndex::cmdExit_Click);
}

void frmIndex::Form_Load() {
    lstData->clear();
    listLines_.clear();
    txtArpt->clear();
    cmdArpt->setEnabled(false);
    cmdApp->setEnabled(false);
    lblFound->setText(ToUnicode(LoadData(services_.dataFolder, tables_)));
}

void frmIndex::StartSearch() {
    lstData->clear();
    listLines_.clear();
    txtArpt->clear();
    cmdArpt->setEnabled(false);
    cmdApp->setEnabled(false);
}

void frmIndex::ShowResult(const SearchResult &result) {
    listLines_ = result.lines;
    for (const std::string &line : listLines_)
        lstData->addItem(ToUnicode(line));
    lblFound->setText(ToUnicode(result.message));
}

void frmIndex::cmdICAO_Click() {
    StartSearch();
    txtCity->clear();
    txtCountry->clear();
    SearchResult result = SearchByIcao(tables_, ToWindows1252(txtICAO->text()));
    txtICAO->clear();
    ShowResult(result);
}

void frmIndex::cmdCity_Click() {
    StartSearch();
    txtCountry->clear();
    SearchResult result = SearchByCity(tables_, ToWindows1252(txtCity->text()), chkCity->isChecked());
    txtCity->clear();
    ShowResult(result);
}

void frmIndex::cmdCountry_Click() {
    StartSearch();
    txtCity->clear();
    SearchResult result =
        SearchByCountry(tables_, ToWindows1252(txtCountry->text()), chkCountry->isChecked());
    txtCountry->clear();
    ShowResult(result);
}

void frmIndex::lstData_Click(int row) {
    if (row < 0 || row >= static_cast<int>(listLines_.size()))
        return;
    lblFound->clear();
    std::string icao = IcaoOfListLine(listLines_[static_cast<size_t>(row)]);
    const ArptRow *airport = FindAirport(tables_, icao);
    SetBoxText(*txtArpt, airport ? AirportDataText(*airport) : MissingAirportText(icao));
    selectedIcao_ = icao;
    for (QToolButton *button : {cmdArpt, cmdApp, cmdMaps})
        button->setText(ToUnicode(icao));
    cmdArpt->setEnabled(true);
    cmdApp->setEnabled(true);
}

void frmIndex::StartKitProgram(const char *program) {
    std::filesystem::path path = FindFile(services_.programFolder, program);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        services_.sink.ShowMessage(std::string(program) + " was not found: " + KitTextOfPath(path));
        return;
    }
    if (!services_.launcher.StartProgram(path, selectedIcao_))
        services_.sink.ShowMessage(std::string(program) + " could not be started: " + KitTextOfPath(path));
}

void frmIndex::cmdArpt_Click() {
    StartKitProgram(kAirportsProgram);
}

void frmIndex::cmdApp_Click() {
    StartKitProgram(kApproachProgram);
}

void frmIndex::cmdMaps_Click() {
    StartKitProgram(kMapsProgram);
}

void frmIndex::cmdExit_Click() {
    services_.endProgram();
}

} // namespace qelvar
