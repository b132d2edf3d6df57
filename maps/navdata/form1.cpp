#include "form1.h"

#include "platform/program_folder.h"
#include "platform/runtime_error.h"

#include <QCoreApplication>
#include <QPainter>
#include <system_error>

namespace qelvar {

namespace {

constexpr int kPictureWidth = 480;
constexpr int kPictureHeight = 270;

QImage LoadPicture(const std::filesystem::path &folder, const std::string &fileName) {
    std::filesystem::path path = FindFile(folder, fileName);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw RuntimeError(kFileNotFound);
    QImage picture;
    if (!picture.load(QString::fromStdString(path.string())))
        throw RuntimeError(kInvalidPicture);
    return picture;
}

} // namespace

Form1::Form1(NavDatabase &db, std::filesystem::path folder, MessageSink &sink,
             std::function<void()> openMainWindow, std::function<void()> endProgram)
    : db_(db), folder_(std::move(folder)), sink_(sink), openMainWindow_(std::move(openMainWindow)),
      endProgram_(std::move(endProgram)) {
    setWindowTitle("Qelvar Maps");
    setFixedSize(kPictureWidth, kPictureHeight);
}

void Form1::Form_Load() {
    RunLoadingSequence(db_, folder_, sink_, *this, loadStep_);
}

void Form1::ShowPicture(const std::string &fileName) {
    picture_ = LoadPicture(folder_, fileName);
    show();
    repaint();
}

void Form1::ProcessEvents() {
    QCoreApplication::processEvents();
}

void Form1::OpenMainWindow() {
    openMainWindow_();
    hide();
}

void Form1::ShowFarewell() {
    try {
        ShowPicture("bye.jpg");
        ShowPicture("bye.jpg");
        ProcessEvents();
    } catch (const RuntimeError &) {
        // Without its picture the farewell is skipped; the program ends all the same.
    }
    endProgram_();
}

void Form1::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull())
        painter.drawImage(rect(), picture_);
}

} // namespace qelvar
