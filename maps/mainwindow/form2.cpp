#include "maps/mainwindow/form2.h"

#include "maps/mapview/geometry.h"
#include "maps/mapview/picking.h"
#include "maps/mapview/redraw.h"

#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QTimer>

namespace qelvar {

namespace {

constexpr int kMapLeft = 120, kMapTop = 120, kMapWidth = 15'615, kMapHeight = 7'815;
constexpr int kWindowWidth = 18'735, kWindowHeight = 8'775;
constexpr int kSmallButton = 375;

QFont ControlFont(const char *name, double points) {
    QFont font(FontFamily(name));
    font.setPointSizeF(points);
    return font;
}

} // namespace

Form2::Form2(NavDatabase &db, MainWindowServices services)
    : db_(db), sink_(services.sink), services_(std::move(services)) {
    setWindowTitle("Qelvar Maps");
    setFixedSize(TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight));
    setAutoFillBackground(true);

    PicMap = new PictureBox(kMapWidth, kMapHeight, this);
    PlaceInTwips(*PicMap, kMapLeft, kMapTop, kMapWidth, kMapHeight);

    lblCoords = new QLabel(this);
    lblCoords->setFont(ControlFont("Small Fonts", 7));
    PlaceInTwips(*lblCoords, 16'080, 120, 975, 495);

    cmdAbout = AddButton("Help", 17'280, 240, kSmallButton, kSmallButton);
    cmdEdit = AddButton("Edit Arpt", 17'880, 240, kSmallButton, kSmallButton);
    AddSeparator(720);

    cmdNDB = AddButton("NDB", 16'080, 840, kSmallButton, kSmallButton);
    cmdVOR = AddButton("VOR", 16'920, 840, kSmallButton, kSmallButton);
    cmdInter = AddButton("Int", 17'880, 840, kSmallButton, kSmallButton);
    cmdArpt = AddButton("Arpt", 16'080, 1'320, kSmallButton, kSmallButton);
    cmdArptLoc = AddButton("Arpt Loc", 16'920, 1'320, kSmallButton, kSmallButton);
    cmdRwy = AddButton("RWY", 17'880, 1'320, kSmallButton, kSmallButton);
    cmdILS = AddButton("ILS", 16'080, 1'800, kSmallButton, kSmallButton);
    cmdBorder = AddButton("Bor- der", 16'920, 1'800, kSmallButton, kSmallButton);
    cmdHills = AddButton("Mtn Peak", 17'880, 1'800, kSmallButton, kSmallButton);
    cmdNDB->SetBackColor(kNdbButtonFace);
    AddSeparator(2'340);

    CmdZoomPlus = AddButton("+", 16'080, 2'520, kSmallButton, kSmallButton, "Lucida Console");
    CmdFullDsp = AddButton("All", 16'800, 2'520, kSmallButton, 1'575);
    CmdCenter = AddButton("CTR", 16'080, 3'120, kSmallButton, kSmallButton);
    CmdZoomMinus = AddButton("-", 16'080, 3'720, kSmallButton, kSmallButton, "Lucida Console");
    CmdZoomPlus->setFont(ControlFont("Lucida Console", 12));
    CmdZoomMinus->setFont(ControlFont("Lucida Console", 12));

    cmdRte = AddButton("Route Start", 17'400, 2'520, 975, kSmallButton);
    cmdRteEnd = AddButton("RTE End", 17'400, 2'920, 975, kSmallButton);
    cmdRteSave = AddButton("Rte Save", 17'400, 3'320, 975, kSmallButton);
    cmdRteLoad = AddButton("Rte Load", 17'400, 3'720, 975, kSmallButton);
    AddSeparator(4'200);

    txtDisplay = new QPlainTextEdit(this);
    txtDisplay->setFont(ControlFont("Lucida Console", 7));
    txtDisplay->setLineWrapMode(QPlainTextEdit::NoWrap);
    PlaceInTwips(*txtDisplay, 15'840, 4'320, 2'775, 3'615);
    SetBoxText(*txtDisplay, "For Details Right Mouse Button  \r\n");
    // The sheet's columns need whole lines; only a message naming a file is wrapped.
    connect(txtDisplay, &QPlainTextEdit::textChanged, this, [this] {
        if (!showingFileInfo_)
            txtDisplay->setLineWrapMode(QPlainTextEdit::NoWrap);
    });
    AddSeparator(8'040);

    cmdPrint = AddButton("PRT", 16'080, 8'160, 855, 495);
    cmdExit = AddButton("Exit", 17'280, 8'160, 1'095, 495);
    AddExchangeButtons();

    txtDisplayRoute = new QPlainTextEdit(this);
    txtDisplayRoute->setFont(ControlFont("Lucida Console", 7));
    txtDisplayRoute->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtDisplayRoute->hide();
    lstFound = new QListWidget(this);
    lstFound->setFont(ControlFont("Lucida Console", 8));
    lstFound->hide();
    lstFound->installEventFilter(this);
    cmbSearch = new QComboBox(this);
    cmbSearch->hide();

    connect(cmdVOR, &QPushButton::clicked, this, &Form2::cmdVOR_Click);
    connect(cmdNDB, &QPushButton::clicked, this, &Form2::cmdNDB_Click);
    connect(cmdILS, &QPushButton::clicked, this, &Form2::cmdILS_Click);
    connect(cmdHills, &QPushButton::clicked, this, &Form2::cmdHills_Click);
    connect(cmdBorder, &QPushButton::clicked, this, &Form2::cmdBorder_Click);
    connect(cmdRwy, &QPushButton::clicked, this, &Form2::cmdRwy_Click);
    connect(cmdInter, &QPushButton::clicked, this, &Form2::cmdInter_Click);
    connect(cmdArpt, &QPushButton::clicked, this, &Form2::cmdArpt_Click);
    connect(cmdArptLoc, &QPushButton::clicked, this, &Form2::cmdArptLoc_Click);
    connect(CmdZoomPlus, &QPushButton::clicked, this, &Form2::CmdZoomPlus_Click);
    connect(CmdZoomMinus, &QPushButton::clicked, this, &Form2::CmdZoomMinus_Click);
    connect(CmdCenter, &QPushButton::clicked, this, &Form2::CmdCenter_Click);
    connect(CmdFullDsp, &QPushButton::clicked, this, &Form2::CmdFullDsp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &Form2::cmdExit_Click);
    connect(cmdRte, &QPushButton::clicked, this, &Form2::cmdRte_Click);
    connect(cmdRteEnd, &QPushButton::clicked, this, &Form2::cmdRteEnd_Click);
    connect(cmdRteSave, &QPushButton::clicked, this, &Form2::cmdRteSave_Click);
    connect(cmdRteLoad, &QPushButton::clicked, this, &Form2::cmdRteLoad_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &Form2::cmdAbout_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &Form2::cmdPrint_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &Form2::cmdEdit_Click);
    connect(lstFound, &QListWidget::itemClicked, this, &Form2::lstFound_Click);
    connect(PicMap, &PictureBox::MouseDown, this, &Form2::PicMap_MouseDown);
    connect(PicMap, &PictureBox::MouseMove, this, &Form2::PicMap_MouseMove);
}

CaptionButton *Form2::AddButton(const std::string &caption, int left, int top, int width, int height,
                                const char *fontName) {
    auto *button = new CaptionButton(caption, this);
    button->setFont(ControlFont(fontName, 6));
    PlaceInTwips(*button, left, top, width, height);
    return button;
}

void Form2::AddSeparator(int top) {
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    PlaceInTwips(*line, 15'840, top, 2'775, 30);
}

void Form2::Form_Load(const std::string &commandLine) {
    db_.MarkedAirport = commandLine;

    // The route box and the pick list lie over the map picture and are hidden until used; the
    // route box takes the right third of the map, wide enough for a sheet line.
    PlaceInTwips(*txtDisplayRoute, 9'600, 240, 6'015, 7'575);
    PlaceInTwips(*lstFound, 240, 5'400, 7'500, 2'415);
    txtDisplayRoute->hide();
    lstFound->hide();
    cmdRteEnd->hide();

    SetWorldView(view_);

    db_.LayerFlags.Intersections = false;
    ShowLayerSwitch(*cmdInter, false, "INT", "INT off", ButtonFace());
    db_.LayerFlags.Runways = true;
    ShowLayerSwitch(*cmdRwy, true, "RWY", "RWY off", ButtonFace());
}

void Form2::showEvent(QShowEvent *) {
    // The first paint comes once the start-up has finished (after the layers are switched on).
    QTimer::singleShot(0, this, &Form2::Form_Paint);
}

void Form2::Form_Paint() {
    if (!ringsShown_)
        RedrawMap();
}

void Form2::RedrawMap() {
    PicMap->setCursor(Qt::WaitCursor);
    MapScene scene{db_, view_, hits_, route_.RoutePoints, sink_};
    try {
        RedrawResult result = qelvar::RedrawMap(scene, PicMap->Canvas());
        setWindowTitle(QString::fromStdString(result.caption));
        if (result.displayText)
            SetBoxText(*txtDisplay, *result.displayText);
        if (!result.displayAppend.empty()) {
            SetBoxText(*txtDisplay, BoxText(*txtDisplay) + result.displayAppend);
            txtDisplay->moveCursor(QTextCursor::End);
        }
        if (result.ringsDrawn) {
            txtDisplayRoute->hide();
            ringsShown_ = true;
        }
    } catch (const RuntimeError &error) {
        ShowRoutineError(sink_, error, "RedrawMap", "Module3");
    }
    SetMapCursor();
    PicMap->update();
}

void Form2::SetMapCursor() {
    PicMap->setCursor(crossCursorArmed_ == 1 ? Qt::CrossCursor : Qt::ArrowCursor);
}

void Form2::ShowLayerSwitch(CaptionButton &button, bool on, const std::string &onCaption,
                            const std::string &offCaption, Rgb onColor) {
    button.SetCaption(on ? onCaption : offCaption);
    button.SetBackColor(on ? onColor : kLayerOffColor);
}

void Form2::SwitchLayer(bool &flag, CaptionButton &button, const std::string &onCaption,
                        const std::string &offCaption, Rgb onColor) {
    flag = !flag;
    ShowLayerSwitch(button, flag, onCaption, offCaption, onColor);
    RedrawMap();
}

void Form2::cmdVOR_Click() {
    SwitchLayer(db_.LayerFlags.Vor, *cmdVOR, "VOR", "VOR off");
}
void Form2::cmdNDB_Click() {
    SwitchLayer(db_.LayerFlags.Ndb, *cmdNDB, "NDB", "NDB off", kNdbButtonFace);
}
void Form2::cmdILS_Click() {
    SwitchLayer(db_.LayerFlags.Ils, *cmdILS, "ILS", "ILS off");
}
void Form2::cmdHills_Click() {
    SwitchLayer(db_.LayerFlags.Hills, *cmdHills, "Mtn Peak", "Mtn off");
}
void Form2::cmdBorder_Click() {
    SwitchLayer(db_.LayerFlags.Borders, *cmdBorder, "Bor- der", "Bdr off");
}
void Form2::cmdRwy_Click() {
    SwitchLayer(db_.LayerFlags.Runways, *cmdRwy, "RWY", "RWY off");
}
void Form2::cmdInter_Click() {
    SwitchLayer(db_.LayerFlags.Intersections, *cmdInter, "INT", "INT off");
}

// Both airport kinds together: on switches both on, off both off.
void Form2::cmdArpt_Click() {
    LayerFlagSet &f = db_.LayerFlags;
    bool on = !f.IntlAirports;
    f.IntlAirports = f.LocalAirports = on;
    ShowLayerSwitch(*cmdArpt, on, "Arpt", "APT off", ButtonFace());
    ShowLayerSwitch(*cmdArptLoc, on, "LOC", "LOC off", ButtonFace());
    RedrawMap();
}

// Local airports show only together with the international ones.
void Form2::cmdArptLoc_Click() {
    LayerFlagSet &f = db_.LayerFlags;
    f.LocalAirports = f.IntlAirports ? !f.LocalAirports : false;
    ShowLayerSwitch(*cmdArptLoc, f.LocalAirports, "LOC", "LOC off", ButtonFace());
    RedrawMap();
}

void Form2::ColourViewButtons(CaptionButton *active) {
    for (CaptionButton *b : {CmdZoomPlus, CmdCenter, CmdFullDsp, CmdZoomMinus})
        b->SetBackColor(b == active ? kActiveViewColor : kInactiveViewColor);
    if (route_.RouteState == kAddingPoints)
        cmdRte->SetBackColor(kRouteGrowingColor);
}

// The view buttons arm a click mode; the view changes at the next click on the map.
void Form2::ArmClickMode(CaptionButton *button, int32_t mode) {
    ColourViewButtons(button);
    mapClickMode_ = mode;
    crossCursorArmed_ = 1;
    PicMap->setCursor(Qt::CrossCursor);
    lstFound->hide();
    if (txtDisplayRoute->isVisible()) {
        txtDisplayRoute->hide();
        RedrawMap();
    }
}

void Form2::CmdZoomPlus_Click() {
    ArmClickMode(CmdZoomPlus, kClickZoomIn);
}
void Form2::CmdZoomMinus_Click() {
    ArmClickMode(CmdZoomMinus, kClickZoomOut);
}
void Form2::CmdCenter_Click() {
    ArmClickMode(CmdCenter, kClickCentre);
}

void Form2::CmdFullDsp_Click() {
    ColourViewButtons(CmdFullDsp);
    lstFound->hide();
    txtDisplayRoute->hide();
    SetWorldView(view_);
    RedrawMap();
}

void Form2::PicMap_MouseDown(int button, int, float x, float y) {
    try {
        int32_t cx = RoundToInt32(x);
        int32_t cy = RoundToInt32(y);
        if (button == kRightButton) {
            ShowInfo(ShowObjectInfo(db_, hits_, x, y, db_.PickedAirport, db_.PickedAirportIndex));
            return;
        }
        if (route_.RouteState == kListingFiles) {
            lstFound->hide(); // a click on the map closes the route file list, and only that
            return;
        }
        switch (mapClickMode_) {
        case kClickZoomIn:
            ZoomInAt(view_, db_.ZoomScale, cx, cy);
            break;
        case kClickZoomOut:
            ZoomOutAt(view_, db_.ZoomScale, cx, cy);
            break;
        case kClickRoutePick:
            RoutePickAt(cx, cy);
            return;
        default:
            CentreAt(view_, cx, cy);
            break;
        }
    } catch (const RuntimeError &error) {
        ShowFormError(sink_, error, "PicMap_MouseDown", "Form2");
        return;
    }
    RedrawMap();
}

void Form2::PicMap_MouseMove(int, int, float x, float y) {
    try {
        UnitPoint at = ToMapExact(view_, x, y);
        lblCoords->setText(QString::fromStdString(PositionText(at.X, at.Y, true)).replace("\r\n", "\n"));
    } catch (const RuntimeError &) {
        lblCoords->clear(); // outside the 32-bit map range there is no position to show
    }
}

void Form2::cmdExit_Click() {
    services_.exitProgram();
}

void Form2::ShowInfo(const std::string &text) {
    SetBoxText(*txtDisplay, text);
}

void Form2::ShowFileInfo(const std::string &text) {
    showingFileInfo_ = true;
    SetBoxText(*txtDisplay, text);
    txtDisplay->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtDisplay->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    showingFileInfo_ = false;
}

void Form2::closeEvent(QCloseEvent *event) {
    // Closing the window ends the program like Exit.
    event->ignore();
    cmdExit_Click();
}

} // namespace qelvar
