// The German translation didediruz.qm of the build: every text of every form is
// translated (compared with the English source texts of the same form), and the
// German documentation is the one shown with it.
#include "app/datafolders.h"
#include "app/mainwindow.h"
#include "app/tabletext.h"
#include "comfort/delimitedtext.h"
#include "help/helpbrowser.h"
#include "radiant/tsurfcalcdialog.h"
#include "report/bnbmenuform.h"
#include "report/xmlreport.h"

#include "messagecatcher.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Texts that read the same in German: symbols, units, abbreviations, names of models
// and standards, and texts already German in the source. Texts without a word besides
// quantity symbols (numbers, "?", band edges such as "19 =< To < 20") are the same anyway.
const QStringList kSameInGerman = {
    "PPD-Mayer", "PPD-M", "Info", "W/m2", "met", "clo", "g1", "g2", "z1", "z2", "Esc", "OK",
    "Klimaro v0.3", "X-Position (Xp)", "Y-Position (Yp)", "Operative Temp.", "Winter", "Position",
    "A", "B", "Alpha (EN)", "Kategorie BNB (15%)", "DR Berechnung", "DR%",
    "Adaptives Modell(DIN EN 15251)", "Nationaler Anhang(DIN EN 15251)",
    "Außen- temperatur Ta (°C)", "Außen- luftfeuchte RH (%)", "Raum- temperatur To (°C)",
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

// Every text a user can see on a widget tree, keyed by position in the tree and property.
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
        add(w, "toolTip", w->toolTip());
        add(w, "statusTip", w->statusTip());
        if (w->isWindow())
            add(w, "windowTitle", w->windowTitle());
        if (auto *l = qobject_cast<QLabel *>(w))
            add(w, "text", l->text());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            add(w, "text", b->text());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            add(w, "title", g->title());
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            add(w, "text", e->text());
            add(w, "placeholder", e->placeholderText());
        }
        if (auto *t = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < t->count(); ++i)
                add(w, QStringLiteral("tab %1").arg(i), t->tabText(i));
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                add(w, QStringLiteral("item %1").arg(i), c->itemText(i));
        if (auto *t = qobject_cast<QTableWidget *>(w)) {
            for (int c = 0; c < t->columnCount(); ++c)
                if (QTableWidgetItem *h = t->horizontalHeaderItem(c))
                    add(w, QStringLiteral("column %1").arg(c), h->text());
            for (int r = 0; r < qMin(t->rowCount(), 40); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (QTableWidgetItem *item = t->item(r, c))
                        add(w, QStringLiteral("cell %1,%2").arg(r).arg(c), item->text());
        }
        for (QAction *a : w->actions()) {
            add(a, "action " + w->objectName(), a->text());
            add(a, "action tip " + w->objectName(), a->statusTip());
        }
    }
    return texts;
}

QString buildDir() { return QStringLiteral(KLIMARO_BUILD_DIR); }

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

// The winter and summer pages after Compute of examples/sample_year.csv with one
// summer model (index of "Model Selection"), the summer points justified by DIN 4108-2;
// the room `warmer` K warmer than in the file.
QStringList assessedPages(int model, const QString &region, double warmer)
{
    QFile file(QStringLiteral(KLIMARO_SOURCE_DIR "/examples/sample_year.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("examples/sample_year.csv missing");
    QTextStream in(&file);
    bnbMenuForm window(nullptr);
    std::vector<QStringList> rows = readDelimitedRows(in, 1, ";").rows;
    for (QStringList &row : rows)
        row[2] = QString::number(parseCellNumber(row[2]) + warmer);
    fillTable(window.findChild<QWidget *>("bnbForm")->findChild<QTableWidget *>("tableWidget"), rows);
    auto *box = window.findChild<QComboBox *>("modelSelectBox");
    box->setCurrentIndex(model);
    emit box->textActivated(box->currentText());      // enables the region buttons for DIN 4108-2
    if (!region.isEmpty())
        window.findChild<QRadioButton *>(region)->click();
    window.findChild<QCheckBox *>("checkBoxJustify")->setChecked(true);
    auto *compute = window.findChild<QPushButton *>("compButton");
    compute->setEnabled(true);
    MessageCatcher catcher;
    compute->click();
    QStringList texts{catcher.text};   // no message
    for (const char *page : {"winterBNBForm", "summerBNBForm"}) {
        auto *form = window.findChild<QWidget *>(page);
        for (QTableWidget *t : form->findChildren<QTableWidget *>())
            for (int c = 0; c < t->columnCount(); ++c)
                texts << (t->item(0, c) ? t->item(0, c)->text() : "-");
        texts << form->findChild<QLineEdit *>("pointsField")->text();
    }
    return texts;
}

// Every chapter of the report with empty lists, titles looked up as the window does.
QString reportXml()
{
    const ReportTranslator tr = [](const char *s) { return QCoreApplication::translate("bnbMenuForm", s); };
    QString out;
    QXmlStreamWriter xml(&out);
    beginReport(xml);
    writeWinterOperativeTemperature(xml, {}, tr);
    writeWinterDraft(xml, {}, tr);
    writeWinterMrt(xml, {}, tr);
    writeWinterHumidity(xml, {}, tr);
    writeSummerOperativeTemperature(xml, {}, tr);
    writeSummerDraft(xml, {}, tr);
    writeSummerMrt(xml, {}, tr);
    writeSummerHumidity(xml, {}, tr);
    endReport(xml);
    return out;
}

// Attribute values by element name, in document order; for "wert" the values' texts.
QStringList attributes(const QString &document, const QString &attribute)
{
    QStringList values;
    QXmlStreamReader xml(document);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (attribute == "wert" && xml.name() == u"wert")
            values << "wert " + xml.readElementText();
        else if (xml.attributes().hasAttribute(attribute))
            values << xml.name().toString() + ' ' + xml.attributes().value(attribute).toString();
    }
    return values;
}
}

class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyMessageTranslated();
    void noTextLeftEnglish_data();
    void noTextLeftEnglish();
    void germanDocumentation();
    void summerModelsSameInGerman_data();
    void summerModelsSameInGerman();
    void csvWordsStay();
    void reportInGerman();

private:
    QTranslator german, qtGerman;
    bool withQtGerman = false;
    void setGerman(bool on)
    {
        for (QTranslator *t : {&german, &qtGerman}) {
            if (on)
                QCoreApplication::installTranslator(t);
            else
                QCoreApplication::removeTranslator(t);
        }
    }
};

void TestTranslation::initTestCase()
{
    QVERIFY(german.load(buildDir() + "/didediruz.qm"));
    QCOMPARE(german.language(), "de_DE");
    withQtGerman = loadQtTranslation(qtGerman, german);
    if (!withQtGerman)
        qWarning("Qt's German translation is missing: its own buttons stay English");
}

void TestTranslation::cleanupTestCase()
{
    setGerman(false);
}

// lupdate leaves a text it found new "unfinished": none may be left, none empty.
void TestTranslation::everyMessageTranslated()
{
    QFile ts(QStringLiteral(KLIMARO_SOURCE_DIR "/resources/didediruz.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString context, source;
    QStringList untranslated;
    int messages = 0;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value("type").toString();
            if (type == "vanished" || type == "obsolete")
                continue;
            ++messages;
            if (type == "unfinished" || xml.readElementText().isEmpty())
                untranslated << context + ": " + source;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 250);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
}

void TestTranslation::noTextLeftEnglish_data()
{
    QTest::addColumn<QString>("form");
    for (const char *form : {"main menu", "PMV tool", "assessment tool", "surface temperature dialog"})
        QTest::newRow(form) << QString(form);
}

void TestTranslation::noTextLeftEnglish()
{
    QFETCH(QString, form);
    setGerman(false);
    const QMap<QString, QString> english = visibleTexts(buildForm(form).get());
    setGerman(true);
    const QMap<QString, QString> translated = visibleTexts(buildForm(form).get());
    setGerman(false);
    QCOMPARE(translated.keys(), english.keys());
    QVERIFY(english.size() > 3);
    QStringList left;
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        if (translated.value(it.key()) == it.value() && !sameInGerman(it.value(), withQtGerman))
            left << it.key() + ": " + it.value();
    QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
}

// The translation names the German manual; the browser finds it in the resources.
void TestTranslation::germanDocumentation()
{
    setGerman(true);
    MainWindow window;
    window.findChild<QPushButton *>("startDocumentation")->click();
    HelpBrowser *browser = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<HelpBrowser *>(w))
            browser = b;
    QVERIFY(browser);
    auto *view = browser->findChild<QTextBrowser *>();
    QCOMPARE(view->source().fileName(), "Dokumentation_Hilfe_de.html");
    QVERIFY(view->toPlainText().startsWith("Klimaro v0.3 – Benutzerdokumentation"));
    QCOMPARE(browser->windowTitle(), "Klimaro v0.3 Dokumentation");
    delete browser;
    setGerman(false);
}

void TestTranslation::summerModelsSameInGerman_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("region");
    QTest::addColumn<double>("warmer");
    QTest::newRow("26 °C") << 0 << "" << 0.0;
    QTest::newRow("adaptive DIN EN 15251") << 1 << "" << 0.0;
    QTest::newRow("national annex") << 2 << "" << 0.0;
    QTest::newRow("DIN 4108-2 region C, complied") << 3 << "regionCheckC" << 0.0;
    QTest::newRow("DIN 4108-2 region A, 3 K warmer, not complied") << 3 << "regionCheckA" << 3.0;
}

// The model is chosen by its translated name and the DIN verdict is a translated word:
// the German pages hold the English numbers, the verdict in German.
void TestTranslation::summerModelsSameInGerman()
{
    QFETCH(int, model);
    QFETCH(QString, region);
    QFETCH(double, warmer);
    setGerman(false);
    QStringList english = assessedPages(model, region, warmer);
    setGerman(true);
    const QStringList german = assessedPages(model, region, warmer);
    setGerman(false);
    QVERIFY(english.size() > 20);
    QCOMPARE(english.first(), QString());
    const QString verdict = english.last();
    if (model == 3) {
        QCOMPARE(verdict, warmer > 0 ? "not complied" : "complied");
        english.last() = verdict == "complied" ? "eingehalten" : "nicht eingehalten";
    }
    QCOMPARE(german, english);
}

// The first line of the hourly humidity file reads the same in every language (its
// column titles are not translatable at all).
void TestTranslation::csvWordsStay()
{
    setGerman(true);
    for (const char *word : {"Humidity output generated by ", "Klimaro v0.3"})
        QCOMPARE(QCoreApplication::translate("humidityForm", word), QString(word));
    setGerman(false);
}

// Chapter, section and row titles and the captions of the report are German, its format
// words are not:
// the chapters' typ stays "Winter" / "Sommer".
void TestTranslation::reportInGerman()
{
    setGerman(false);
    const QString english = reportXml();
    setGerman(true);
    const QString german = reportXml();
    setGerman(false);
    QCOMPARE(attributes(german, "typ"), attributes(english, "typ"));
    QCOMPARE(attributes(german, "typ").join(' '),
             QString("kapitel Winter ").repeated(4) + QString("kapitel Sommer ").repeated(3) + "kapitel Sommer");
    const QStringList titles = attributes(english, "titel") + attributes(english, "wert");
    const QStringList translated = attributes(german, "titel") + attributes(german, "wert");
    QCOMPARE(translated.size(), titles.size());
    QStringList left;
    for (int i = 0; i < titles.size(); ++i)
        if (translated[i] == titles[i] && !sameInGerman(titles[i].section(' ', 1), true))
            left << titles[i];
    QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
