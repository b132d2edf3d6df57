#include "form2.h"

#include "platform/fonts.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QFrame>

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

Form2::Form2(NavDatabase &db, MessageSink &sink, std::function<void()> exitProgram)
    : db_(db), sink_(sink), exitProgram_(std::move(exitProgram)) {
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
    AddSeparator(8'040);

    cmdPrint = AddButton("PRT", 16'080, 8'160, 855, 495);
    cmdExit = AddButton("Exit", 17'280, 8'160, 1'095, 495);

    txtDisplayRoute = new QPlainTextEdit(this);
    txtDisplayRoute->setFont(ControlFont("Lucida Console", 8));
    txtDisplayRoute->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtDisplayRoute->hide();
    lstFound = new QListWidget(this);
    lstFound->setFont(ControlFont("Lucida Console", 8));
    lstFound->hide();

    connect(cmdExit, &QPushButton::clicked, this, &Form2::cmdExit_Click);
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

    // The route box and the pick list lie over the map picture and are hidden until used.
    PlaceInTwips(*txtDisplayRoute, 7'920, 240, 7'695, 7'575);
    PlaceInTwips(*lstFound, 240, 5'400, 7'500, 2'415);
    txtDisplayRoute->hide();
    lstFound->hide();
    cmdRteEnd->hide();

    SetWorldView(view_);

    db_.LayerFlags.Intersections = false;
    cmdInter->SetCaption("INT off");
    cmdInter->SetBackColor(kLayerOffColor);
    db_.LayerFlags.Runways = true;
    cmdRwy->SetCaption("RWY");
    cmdRwy->SetBackColor(ButtonFace());
}

void Form2::cmdExit_Click() { exitProgram_(); }

void Form2::closeEvent(QCloseEvent *event) {
    // Closing the window ends the program like Exit.
    event->ignore();
    cmdExit_Click();
}

} // namespace qelvar
