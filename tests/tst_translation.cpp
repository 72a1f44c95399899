// The German translation of the installed program. cmake --install into a temporary prefix
// puts every file where the program looks for it; the translation found there translates
// every text of every form (compared with the English source texts of the same form), the
// report's titles and the manual, and leaves the words of the file formats alone.
#include "app/datafolders.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "assessment/bnbform.h"
#include "assessment/summerbnbform.h"
#include "help/helpbrowser.h"
#include "help/infodialog.h"
#include "radiant/tsurfcalcdialog.h"
#include "report/bnbmenuform.h"
#include "report/xmlreport.h"

#include "widgetlookup.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Texts that read the same in German: symbols, units, abbreviations, names of models
// and standards. Texts without a word besides
// quantity symbols (numbers, "?", band edges such as "19 =< To < 20") are the same anyway.
const QStringList kSameInGerman = {
    "PPD-Mayer", "PPD-M", "Info", "W/m2", "met", "clo", "g1", "g2", "z1", "z2", "Esc", "OK",
    "Klimaro v0.3", "X-Position (Xp)", "Y-Position (Yp)", "Operative Temp.", "Winter", "Position",
    "A", "B", "Alpha (EN)", "DR%",
};
// Qt's own button texts, German only where the system holds Qt's translation.
const QStringList kQtOwn = {"Cancel", "Close"};

bool sameInGerman(const QString &text, bool qtGerman)
{
    static const QRegularExpression letter("\\p{L}"), unit("\\[[^\\]]*\\]"),
        symbol("\\b(To|Ta|Tg|Tr|Tu|Va|RH|AH|DR|PMV|PPD|MRT|BNB|DIN|EN|Xp|Yp|Zp|ACH|Mprod|g|kg|m|s|h|K|C|\\w+_\\w+)\\b");
    const QString bare = QString(text).remove(unit).simplified();
    return kSameInGerman.contains(bare) || (!qtGerman && kQtOwn.contains(bare))
        || !letter.match(QString(text).remove(symbol)).hasMatch();
}

// Every text a user can see on a widget tree, keyed by position in the tree and property:
// texts of labels, buttons and line edits, titles of group boxes and menus, tips,
// placeholders, tabs, combo box items, table headers and cells, actions.
QMap<QString, QString> visibleTexts(QWidget *root)
{
    QMap<QString, QString> texts;
    int index = 0;
    const auto add = [&](const QObject *o, const QString &what, const QString &text) {
        if (!text.trimmed().isEmpty())
            texts.insert(QStringLiteral("%1 %2 %3").arg(index).arg(o->objectName(), what), text);
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        ++index;
        for (const char *property : {"text", "title", "toolTip", "statusTip", "placeholderText"})
            add(w, property, w->property(property).toString());
        if (w->isWindow())
            add(w, "windowTitle", w->windowTitle());
        if (auto *t = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < t->count(); ++i)
                add(w, QStringLiteral("tab %1").arg(i), t->tabText(i));
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                add(w, QStringLiteral("item %1").arg(i), c->itemText(i));
        if (auto *t = qobject_cast<QTableWidget *>(w))
            for (int r = -1; r < qMin(t->rowCount(), 40); ++r)   // -1: the column headers
                for (int c = 0; c < t->columnCount(); ++c)
                    if (QTableWidgetItem *item = r < 0 ? t->horizontalHeaderItem(c) : t->item(r, c))
                        add(w, QStringLiteral("cell %1,%2").arg(r).arg(c), item->text());
        for (QAction *a : w->actions()) {
            add(a, "action " + w->objectName(), a->text());
            add(a, "action tip " + w->objectName(), a->statusTip());
        }
    }
    return texts;
}

// The forms as a user reaches them: the main window with its menus, each tool through
// its action, and the dialogs.
std::unique_ptr<QWidget> buildForm(const QString &which)
{
    if (which == "surface temperature dialog")
        return std::make_unique<TsurfCalcDialog>(nullptr);
    auto window = std::make_unique<MainWindow>();
    const char *tool = which == "PMV tool" ? "PMV" : which == "assessment tool" ? "BNB Assessment" : nullptr;
    for (QAction *a : window->findChildren<QAction *>())
        if (tool && a->text() == QCoreApplication::translate("MainWindow", tool))
            a->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window;
}

// Every chapter of the report with empty lists, titles looked up by the window.
QString reportXml()
{
    const ReportTranslator tr = bnbMenuForm::reportText;
    QString out;
    QXmlStreamWriter xml(&out);
    beginReport(xml);
    for (int c = 0; c < kReportChapters; ++c)
        writeChapter(xml, ReportChapter(c), {}, tr);
    endReport(xml);
    return out;
}

// The report's "typ" and "titel" attributes and "wert" texts, in document order.
QStringList reportWords(const QString &document)
{
    static const QRegularExpression word("(typ|titel)=\"([^\"]*)\"|<(wert)>([^<]*)</wert>"), entity("&\\w+;");
    QStringList words;
    for (const QRegularExpressionMatch &m : word.globalMatch(document))   // entities such as &lt; left out
        words << QString(m.captured(1) + m.captured(3) + ' ' + m.captured(2) + m.captured(4)).remove(entity);
    return words;
}
}

class TestTranslation : public QObject
{
    Q_OBJECT
    QTemporaryDir prefix;
    QTranslator german, qtGerman;
    bool withQtGerman = false;
    QString path(const QString &relative) const { return prefix.filePath(relative); }
    void setGerman(bool on)
    {
        for (QTranslator *t : {&german, &qtGerman}) {
            if (on)
                QCoreApplication::installTranslator(t);
            else
                QCoreApplication::removeTranslator(t);
        }
    }
    // What `make` gives in English and in German.
    template<typename Make>
    auto englishAndGerman(Make make)
    {
        setGerman(false);
        auto english = make();
        setGerman(true);
        auto german = make();
        setGerman(false);
        return std::make_pair(english, german);
    }

private slots:
    // The installed program (appDir <prefix>/bin), started from elsewhere, finds its translation.
    void initTestCase()
    {
        QVERIFY(prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(KLIMARO_CMAKE),
                      {"--install", QStringLiteral(KLIMARO_BUILD_DIR), "--prefix", prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        QVERIFY(german.load(findTranslation(translationFolders(QDir::tempPath(), path("bin")))));
        QCOMPARE(german.language(), "de_DE");
        withQtGerman = loadQtTranslation(qtGerman, german);
        if (!withQtGerman)
            qWarning("Qt's German translation is missing: its own buttons stay English");
    }
    void cleanupTestCase() { setGerman(false); }

    // Program, translation, both manuals, desktop entry, icon and report stylesheet.
    void installedFiles()
    {
        for (const char *file : {"bin/klimaro", "bin/klimaro-cli", "share/klimaro/didediruz.qm", "share/klimaro/Dokumentation_Hilfe.html",
                                 "share/klimaro/Dokumentation_Hilfe_de.html", "share/applications/klimaro.desktop",
                                 "share/icons/hicolor/scalable/apps/klimaro.svg", "share/klimaro/BNB-Assessment.xsl"})
            QVERIFY2(QFileInfo(path(file)).size() > 0, file);
    }

    // Working directory before the program's folder before the installed data folder.
    void translationFolderOrder_data()
    {
        QTest::addColumn<QStringList>("copies");   // folders below the prefix holding a copy
        QTest::addColumn<QString>("found");
        QTest::newRow("installed only") << QStringList() << "share/klimaro";
        QTest::newRow("beside the program") << QStringList{"bin"} << "bin";
        QTest::newRow("working directory") << QStringList{"bin", "work"} << "work";
    }
    void translationFolderOrder()
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

    // Settings → Language: the stored "en" or "de"; else German only on a German system.
    void languageChoice_data()
    {
        QTest::addColumn<QString>("stored");   // empty: nothing stored
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("language");
        QTest::newRow("German stored, English system") << "de" << "en_GB" << "de";
        QTest::newRow("English stored, German system") << "en" << "de_DE" << "en";
        QTest::newRow("nothing stored, Austrian German system") << "" << "de_AT" << "de";
        QTest::newRow("nothing stored, French system") << "" << "fr_FR" << "en";
        QTest::newRow("unknown value stored, German system") << "fr" << "de_DE" << "de";
    }
    void languageChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, system);
        QSettings settings(path("settings.ini"), QSettings::IniFormat);   // never the user's
        settings.clear();
        if (!stored.isEmpty())
            settings.setValue("language", stored);
        QTEST(interfaceLanguage(settings, QLocale(system)), "language");
    }

    // The translation names the German manual: the browser shows it. Both manuals are found
    // in the installed data folder first, in the resources last.
    void germanDocumentation()
    {
        const QStringList search = documentationSearchPaths(path("bin") + "/../");
        for (const QString name : {"Dokumentation_Hilfe_de.html", "Dokumentation_Hilfe.html"}) {
            QCOMPARE(QDir::cleanPath(findFile(search, {name})), path("share/klimaro/" + name));
            QCOMPARE(findFile({":/doc"}, {name}), ":/doc/" + name);
        }
        setGerman(true);
        MainWindow window;
        click(window, "startDocumentation");
        setGerman(false);
        HelpBrowser *browser = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *b = qobject_cast<HelpBrowser *>(w))
                browser = b;
        QVERIFY(browser);
        std::unique_ptr<HelpBrowser> closing(browser);
        QCOMPARE(browser->findChild<QTextBrowser *>()->source().fileName(), "Dokumentation_Hilfe_de.html");
        QVERIFY(browser->findChild<QTextBrowser *>()->toPlainText().startsWith("Klimaro v0.3 – Benutzerdokumentation"));
        QCOMPARE(browser->windowTitle(), "Klimaro v0.3 Dokumentation");
    }

    // lupdate leaves a text it found new "unfinished": none may be left, none empty; no decimal comma slipped in.
    void everyMessageTranslated()
    {
        QFile ts(QStringLiteral(KLIMARO_SOURCE_DIR "/resources/didediruz.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        static const QRegularExpression message("<source>([^<]*)</source>(?:\\s*<extracomment>[^<]*</extracomment>)?"
                                                "\\s*<translation([^>]*)>([^<]*)</translation>");
        const QString file = QString::fromUtf8(ts.readAll());
        // Misspellings once shown, in either language; degree hours are K·h.
        static const QRegularExpression misspelt("seperat|Assym|Effectivn|Humdity|unkown|Pantis|stcking|Insultaion"
                                                 "|Number of Person\\b|Global Temp|\\bk ?h\\b|\\bKh\\b");
        QStringList untranslated, wrong;
        int messages = 0;
        for (const QRegularExpressionMatch &m : message.globalMatch(file)) {
            ++messages;
            const QString type = m.captured(2);
            if (type.contains("unfinished") || (m.captured(3).isEmpty() && !type.contains("vanished")))
                untranslated << m.captured(1);
            for (const QString &text : {m.captured(1), m.captured(3)})
                if (text.contains(misspelt))
                    wrong << text;
            // Numbers are shown with the decimal point in every language; a comma only where the source has one.
            static const QRegularExpression decimalComma("\\d,\\d");
            if (m.captured(3).contains(decimalComma) && !m.captured(1).contains(decimalComma))
                untranslated << "decimal comma: " + m.captured(3);
        }
        QCOMPARE(messages, file.count("<source>"));   // every message read
        QVERIFY(messages > 250);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    }

    void noTextLeftEnglish_data()
    {
        QTest::addColumn<QString>("form");
        for (const char *form : {"main menu", "PMV tool", "assessment tool", "surface temperature dialog"})
            QTest::newRow(form) << QString(form);
    }

    void noTextLeftEnglish()
    {
        QFETCH(QString, form);
        const auto [english, translated] = englishAndGerman([&] { return visibleTexts(buildForm(form).get()); });
        QCOMPARE(translated.keys(), english.keys());
        QVERIFY(english.size() > 3);
        static const QRegularExpression germanLetter("[äöüÄÖÜß]");   // nor a German text in the English interface
        QStringList left;
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            if ((translated.value(it.key()) == it.value() && !sameInGerman(it.value(), withQtGerman))
                || germanLetter.match(it.value()).hasMatch())
                left << it.key() + ": " + it.value();
        QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
    }

    // Every "?" button of both tools shows the German picture "<button>_de.png", one that differs from
    // the English one; a picture missing from the resources would leave the pop-up empty.
    void germanHelpPictures()
    {
        QSet<QString> pictures;
        setGerman(true);
        for (const char *tool : {"PMV tool", "assessment tool"}) {
            const std::unique_ptr<QWidget> window = buildForm(tool);
            for (QAbstractButton *button : window->findChildren<QAbstractButton *>(QRegularExpression("^InfoBu"))) {
                const QList<InfoDialog *> before = window->findChildren<InfoDialog *>();
                button->click();
                QList<InfoDialog *> shown = window->findChildren<InfoDialog *>();
                shown.removeIf([&](InfoDialog *d) { return before.contains(d); });
                QCOMPARE(shown.size(), 1);
                const QImage picture = child<QLabel>(*shown[0], "label")->pixmap().toImage();
                const QString name = ":/images/" + button->objectName();
                QVERIFY2(!picture.isNull() && picture == QPixmap(name + "_de.png").toImage(), qPrintable(name));
                QVERIFY2(picture != QPixmap(name + ".png").toImage(), qPrintable(name));
                pictures << button->objectName();
            }
        }
        setGerman(false);
        QCOMPARE(pictures.size(), 24);
    }

    // The summer models have German names (the report's model cell); the model is chosen by the
    // item's place, whatever it reads (the DIN 4108-2 one also enables the regions); the DIN
    // 4108-2 verdict is a German word.
    void summerModelsInGerman()
    {
        setGerman(true);
        bnbForm form(nullptr);
        auto *box = child<QComboBox>(form, "modelSelectBox");
        QStringList names;
        for (int model = 0; model < box->count(); ++model)
            names << box->itemText(model);
        QCOMPARE(names.join('|'), "26 °C|Adaptives Modell (DIN EN 15251)|Nationaler Anhang (DIN EN 15251)|DIN 4108-2");
        for (const QString renamed : {"", "?"}) {
            for (int model = 0; model < box->count(); ++model) {
                box->setItemText(model, renamed.isEmpty() ? box->itemText(model) : renamed);
                box->setCurrentIndex(model);
                emit box->textActivated(box->currentText());
                QCOMPARE(form.selectedModel(), SummerModel(model));
                QCOMPARE(enabled(form, "regionCheckA"), SummerModel(model) == SummerModel::Din4108);
            }
        }
        summerBNBForm page(nullptr);
        ResultArray s{};
        s[SummerSlot::Total] = 100;
        DataPageInput in;
        in.model = SummerModel::Din4108;
        for (double degreeRows : {499.9, 500.0}) {   // the 500 K·h limit, hourly rows
            s[SummerSlot::DegreeRows] = degreeRows;
            page.showResults(s, in);
            QCOMPARE(text(page, "pointsField"), degreeRows < 500 ? "eingehalten" : "nicht eingehalten");
        }
        setGerman(false);
    }

    // Chapter, section and row titles and the captions of the report are German, its format
    // words are not: the chapters' typ stays "Winter" / "Sommer".
    void reportAndCsvInGerman()
    {
        const auto [english, german] = englishAndGerman([] { return reportWords(reportXml()); });
        QCOMPARE(german.filter(QRegularExpression("^typ ")).join(' '),
                 QString("typ Winter ").repeated(4) + QString("typ Sommer ").repeated(3) + "typ Sommer");
        QCOMPARE(german.size(), english.size());
        QStringList left;
        for (int i = 0; i < english.size(); ++i)
            if (german[i] == english[i] && !english[i].startsWith("typ ") && !sameInGerman(english[i].section(' ', 1), true))
                left << english[i];
        QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
