// One running copy of a program per user: a second start asks the first copy to come to the front
// and then ends. The first copy holds a lock file and listens on a local socket beside it.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace qelvar {

class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // name names the program ("qelvar-index"); the lock and the socket live in folder, by default
    // the user's runtime folder.
    explicit SingleInstanceGuard(const QString &name, const QString &folder = QString());
    ~SingleInstanceGuard() override;

    // True for the first copy. A later copy has already asked the first one to show itself.
    bool IsFirst() const { return first_; }

signals:
    // Another copy was started (first copy only).
    void ShowRequested();

private:
    void AskFirstCopyToShow(const QString &socketPath);

    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
    bool first_ = false;
};

// Shows the window in front of the others, restored from the task bar if it was minimized.
void BringToFront(QWidget &window);

} // namespace qelvar
