// The window of Qelvar Index "Qelvar-Morrick     Qelvar-Index       Find Airport Data": airports
// looked up by ICAO code, city or country, the data of the chosen one, and the buttons that start
// the other programs of the kit for it.
#pragma once

#include "index/index_search.h"
#include "platform/controls.h"
#include "platform/launcher.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qelvar {

struct IndexServices {
    std::filesystem::path dataFolder;    // "Arpt index.txt" and ARPT.nav
    std::filesystem::path programFolder; // the programs of the kit
    ProgramLauncher &launcher;
    MessageSink &sink;
    std::function<void()> endProgram;
};

// Kit program file names as the buttons start them.
inline constexpr const char *kAirportsProgram = "Qelvar Airports";
inline constexpr const char *kApproachProgram = "Qelvar Approach";
inline constexpr const char *kMapsProgram = "Qelvar Maps";

class frmIndex : public QWidget {
    Q_OBJECT
public:
    explicit frmIndex(IndexServices services);

    // Empties the list and the data box, disables the Airports and Approach buttons, loads the tables.
    void Form_Load();
    void cmdICAO_Click();
    void cmdCity_Click();
    void cmdCountry_Click();
    void lstData_Click(int row);
    void cmdArpt_Click();
    void cmdApp_Click();
    void cmdMaps_Click();
    void cmdExit_Click();

    const IndexTables &Tables() const { return tables_; }
    const std::string &SelectedIcao() const { return selectedIcao_; }
    // The list lines as the kit keeps them (Windows-1252).
    const std::vector<std::string> &ListLines() const { return listLines_; }

    QLineEdit *txtICAO, *txtCity, *txtCountry;
    CaptionButton *cmdICAO, *cmdCity, *cmdCountry, *cmdExit;
    QCheckBox *chkCity, *chkCountry;
    QListWidget *lstData;
    QLabel *lblFound;
    QPlainTextEdit *txtArpt;
    QToolButton *cmdArpt, *cmdApp, *cmdMaps;

private:
    // What every search does before it searches: the list, the data box and the two buttons.
    void StartSearch();
    void ShowResult(const SearchResult &result);
    void StartKitProgram(const char *program);

    IndexServices services_;
    IndexTables tables_;
    std::vector<std::string> listLines_;
    std::string selectedIcao_;
};

} // namespace qelvar
