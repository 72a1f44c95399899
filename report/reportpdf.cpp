#include "report/reportpdf.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace {

// libxml2 and libxslt report through printf-like callbacks, often a message in
// several pieces; while a transformation runs they are collected here.
void collectMessage(void *context, const char *format, ...)
{
    char piece[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(piece, sizeof piece, format, args);
    va_end(args);
    static_cast<QString *>(context)->append(QString::fromUtf8(piece));
}

class MessageCollector
{
public:
    MessageCollector()
    {
        xmlSetGenericErrorFunc(&messages, collectMessage);
        xsltSetGenericErrorFunc(&messages, collectMessage);
    }
    ~MessageCollector()
    {
        xmlSetGenericErrorFunc(nullptr, nullptr);
        xsltSetGenericErrorFunc(nullptr, nullptr);
    }
    QString reason(const char *fallback) const
    {
        const QString text = messages.simplified();
        return text.isEmpty() ? QString::fromUtf8(fallback) : text;
    }

private:
    QString messages;
};

struct DocFree { void operator()(xmlDoc *d) const { xmlFreeDoc(d); } };
struct SheetFree { void operator()(xsltStylesheet *s) const { xsltFreeStylesheet(s); } };
struct PrefsFree { void operator()(xsltSecurityPrefs *p) const { xsltFreeSecurityPrefs(p); } };
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

// No network access while parsing; entities are not expanded.
DocPtr parseDocument(const QByteArray &bytes, const char *url)
{
    return DocPtr(xmlReadMemory(bytes.constData(), int(bytes.size()), url, nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOWARNING));
}

}

QByteArray reportStylesheet()
{
    QFile file(QStringLiteral(":/report/BNB-Assessment.xsl"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool transformReport(const QByteArray &xml, const QByteArray &stylesheet, QString &html, QString &error)
{
    MessageCollector messages;
    DocPtr sheetDoc = parseDocument(stylesheet, "BNB-Assessment.xsl");
    if (!sheetDoc) {
        error = messages.reason("The stylesheet is not well-formed XML");
        return false;
    }
    // The stylesheet owns its document from here on.
    std::unique_ptr<xsltStylesheet, SheetFree> sheet(xsltParseStylesheetDoc(sheetDoc.get()));
    if (!sheet) {
        error = messages.reason("The stylesheet is not a valid XSLT stylesheet");
        return false;
    }
    sheetDoc.release();

    DocPtr report = parseDocument(xml, "report.xml");
    if (!report) {
        error = messages.reason("The report is not well-formed XML");
        return false;
    }

    // A report is data: the transformation may neither write files nor reach the network.
    std::unique_ptr<xsltSecurityPrefs, PrefsFree> prefs(xsltNewSecurityPrefs());
    for (xsltSecurityOption option : {XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
                                      XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
        xsltSetSecurityPrefs(prefs.get(), option, xsltSecurityForbid);
    xsltTransformContextPtr context = xsltNewTransformContext(sheet.get(), report.get());
    DocPtr result;
    if (context) {
        xsltSetCtxtSecurityPrefs(prefs.get(), context);
        result.reset(xsltApplyStylesheetUser(sheet.get(), report.get(), nullptr, nullptr, nullptr, context));
        xsltFreeTransformContext(context);
    }
    if (!result) {
        error = messages.reason("The stylesheet could not transform the report");
        return false;
    }

    xmlChar *text = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&text, &length, result.get(), sheet.get()) != 0) {
        error = messages.reason("The transformed report could not be serialised");
        return false;
    }
    html = QString::fromUtf8(reinterpret_cast<const char *>(text), length);
    xmlFree(text);
    return true;
}

bool printHtmlToPdf(const QString &html, const QString &pdfFileName, QString &error)
{
    QSaveFile file(pdfFileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("BNB thermal comfort assessment"));
        writer.setCreator(QStringLiteral("Klimaro"));
        writer.setResolution(300);
        // Zero page margins let QTextDocument::print lay out its own 2 cm
        // margins and number the pages at the foot.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));

        QTextDocument document;
        document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        document.setHtml(html);
        document.print(&writer);
    }
    if (file.size() == 0) {
        error = QStringLiteral("Nothing was printed");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool writeReportPdf(const QByteArray &xml, const QString &pdfFileName, QString &error)
{
    const QByteArray stylesheet = reportStylesheet();
    if (stylesheet.isEmpty()) {
        error = QStringLiteral("The report stylesheet is missing from the program");
        return false;
    }
    QString html;
    return transformReport(xml, stylesheet, html, error) && printHtmlToPdf(html, pdfFileName, error);
}

bool writeReportPdfFromFile(const QString &xmlFileName, const QString &pdfFileName, QString &error)
{
    QFile file(xmlFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    return writeReportPdf(file.readAll(), pdfFileName, error);
}
