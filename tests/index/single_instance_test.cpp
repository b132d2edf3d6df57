// One copy of Qelvar Index: the guard in this process, and the real program started twice.
#include "platform/single_instance.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace qelvar {
namespace {

TEST(SingleInstance, SecondGuardIsNotFirstAndAsksTheFirstToShow) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto first = std::make_unique<SingleInstanceGuard>("guard-test", folder.path());
    EXPECT_TRUE(first->IsFirst());
    QSignalSpy shown(first.get(), &SingleInstanceGuard::ShowRequested);
    {
        SingleInstanceGuard second("guard-test", folder.path());
        EXPECT_FALSE(second.IsFirst());
    }
    EXPECT_TRUE(shown.wait(3000));
    EXPECT_EQ(shown.count(), 1);

    SingleInstanceGuard other("other-program", folder.path());
    EXPECT_TRUE(other.IsFirst()); // a different program is not held back

    first.reset(); // the first copy ends: the next start is first again
    SingleInstanceGuard next("guard-test", folder.path());
    EXPECT_TRUE(next.IsFirst());
}

TEST(SingleInstance, BringToFrontRestoresAMinimizedWindow) {
    QWidget window;
    window.showMinimized();
    BringToFront(window);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

// The program itself: a second start ends at once, the first goes on running.
TEST(SingleInstance, SecondStartOfQelvarIndexLeavesOnlyTheFirst) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess first, second;
    for (QProcess *process : {&first, &second})
        process->setProcessEnvironment(environment);

    first.start(QELVAR_INDEX_PROGRAM, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // The first copy is ready when it listens.
    QString socket = QDir(runtime.path()).filePath("qelvar-index.socket");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000));

    second.start(QELVAR_INDEX_PROGRAM, {});
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(5000))
        first.kill();
    first.waitForFinished(5000);
}

} // namespace
} // namespace qelvar
