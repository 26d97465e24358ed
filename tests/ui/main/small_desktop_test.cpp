// On a desktop smaller than 800 x 600 the main window moves to the top and the
// results window gets a sizeable border. Runs on its own 640 x 480 offscreen
// screen, hence its own main().
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/main/tform1.h"
#include "ui/results/tform3.h"

namespace {

TEST(SmallDesktop, MainWindowMovesUpAndResultsBecomeSizeable) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(640, 480));
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    Tform3 results;
    EXPECT_TRUE(results.isSizeable()) << "decided when it is created";
    results.setSizeable(false);
    TForm1 main;
    main.setResultsWindow(&results);
    main.move(30, 200);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_EQ(main.pos().y(), 0);
    EXPECT_EQ(main.pos().x(), 30);
    EXPECT_TRUE(results.isSizeable());
    results.show();
    results.resize(600, 400);
    EXPECT_EQ(results.size(), QSize(600, 400));
    main.hide();
    QDir::setCurrent(previous);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir configDir;
    const QString config = configDir.filePath(QStringLiteral("screens.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return 2;
    f.write(R"({"windowFrameMargins": false, "screens": [{"name": "small", "x": 0, "y": 0,
               "width": 640, "height": 480, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(config));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
