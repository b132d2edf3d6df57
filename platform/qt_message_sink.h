// The programs' message sink: Qt message boxes, and an immediate end of the process.
#pragma once

#include "messages.h"

#include <QString>

class QWidget;

namespace qelvar {

class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QString programTitle);
    void ShowMessage(const std::string &text) override;
    void ShowCritical(const std::string &title, const std::string &text) override;
    void EndProgram() override;

private:
    QString programTitle_;
};

} // namespace qelvar
