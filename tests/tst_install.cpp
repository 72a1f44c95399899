// cmake --install into a temporary prefix: every file lands where the installed
// program looks for it, and its lookups find the translation and the documentation.
#include "app/datafolders.h"

#include <QtTest>

class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
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

// Program, translation, both manuals, desktop entry, icon and report stylesheet.
void TestInstall::installedFiles()
{
    for (const char *file : {"bin/klimaro", "share/klimaro/didediruz.qm", "share/klimaro/Dokumentation_Hilfe.html",
                             "share/klimaro/Dokumentation_Hilfe_de.html", "share/applications/klimaro.desktop",
                             "share/icons/hicolor/scalable/apps/klimaro.svg", "share/klimaro/BNB-Assessment.xsl"})
        QVERIFY2(QFileInfo(path(file)).size() > 0, file);
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
    QTranslator translator;
    QVERIFY(translator.load(findTranslation(translationFolders(QDir::tempPath(), path("bin")))));
    const QString page = translator.translate("MainWindow", "Dokumentation_Hilfe.html");
    QCOMPARE(page, "Dokumentation_Hilfe_de.html");
    const QStringList search = documentationSearchPaths(path("bin") + "/../");
    for (const QString &name : {page, QStringLiteral("Dokumentation_Hilfe.html")})
        QCOMPARE(QDir::cleanPath(findFile(search, {name})), path("share/klimaro/" + name));
    QCOMPARE(findFile({":/doc"}, {page}), ":/doc/" + page);   // compiled in as the last resort
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
