// cmake --install into a temporary prefix: every file lands where the installed
// program looks for it, and its lookups find the translation and the documentation.
#include "app/datafolders.h"

#include <QtTest>

class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void translationFolderOrder_data();
    void translationFolderOrder();
    void installedProgramFindsItsData();

private:
    QTemporaryDir prefix;
    QString path(const QString &relative) const { return prefix.filePath(relative); }
};

void TestInstall::initTestCase()
{
    QVERIFY(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(KLIMARO_CMAKE),
                  {"--install", QStringLiteral(KLIMARO_BUILD_DIR), "--prefix", prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("program") << "bin/klimaro";
    QTest::newRow("translation") << "share/klimaro/didediruz.qm";
    QTest::newRow("documentation") << "share/klimaro/Dokumentation_Hilfe.html";
    QTest::newRow("German documentation") << "share/klimaro/Dokumentation_Hilfe_de.html";
    QTest::newRow("desktop entry") << "share/applications/klimaro.desktop";
    QTest::newRow("icon") << "share/icons/hicolor/scalable/apps/klimaro.svg";
    if (QFile::exists(QStringLiteral(KLIMARO_SOURCE_DIR "/resources/report/BNB-Assessment.xsl")))
        QTest::newRow("report stylesheet") << "share/klimaro/BNB-Assessment.xsl";
}

void TestInstall::installedFiles()
{
    QFETCH(QString, file);
    QVERIFY2(QFileInfo(path(file)).isFile(), qPrintable(file));
    QVERIFY(QFileInfo(path(file)).size() > 0);
}

// Working directory before the program's folder before the installed data folder.
void TestInstall::translationFolderOrder_data()
{
    QTest::addColumn<QStringList>("copies");   // folders below the prefix holding a copy
    QTest::addColumn<QString>("found");
    QTest::newRow("installed only") << QStringList() << "share/klimaro";
    QTest::newRow("beside the program") << QStringList{"bin"} << "bin";
    QTest::newRow("working directory") << QStringList{"bin", "work"} << "work";
}

void TestInstall::translationFolderOrder()
{
    QFETCH(QStringList, copies);
    QFETCH(QString, found);
    QDir(prefix.path()).mkpath("work");
    for (const QString &folder : copies)
        QVERIFY(QFile::copy(path("share/klimaro/didediruz.qm"), path(folder + "/didediruz.qm")));
    const QString file = findTranslation(translationFolders(path("work"), path("bin")));
    for (const QString &folder : copies)
        QFile::remove(path(folder + "/didediruz.qm"));
    QCOMPARE(QDir::cleanPath(file), QDir::cleanPath(path(found + "/didediruz.qm")));
}

// The installed program (appDir <prefix>/bin), started from elsewhere, loads the German
// translation, which names the German manual, found in the installed data folder first.
void TestInstall::installedProgramFindsItsData()
{
    const QString translation = findTranslation(translationFolders(QDir::tempPath(), path("bin")));
    QTranslator translator;
    QVERIFY(translator.load(translation));
    const QString page = translator.translate("MainWindow", "Dokumentation_Hilfe.html");
    QCOMPARE(page, "Dokumentation_Hilfe_de.html");
    const QStringList search = documentationSearchPaths(path("bin") + "/../");
    QCOMPARE(QDir::cleanPath(findFile(search, {page})), path("share/klimaro/" + page));
    QCOMPARE(QDir::cleanPath(findFile(search, {"Dokumentation_Hilfe.html"})),
             path("share/klimaro/Dokumentation_Hilfe.html"));
    QCOMPARE(findFile({":/doc"}, {page}), ":/doc/" + page);   // compiled in as the last resort
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
