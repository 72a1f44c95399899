// The BNB assessment report as PDF: the XML report is laid out by the stylesheet
// the program ships (":/report/BNB-Assessment.xsl", the file written beside an
// exported report) through libxslt, and the resulting HTML is printed on A4.
#pragma once

#include <QByteArray>
#include <QString>

// The shipped stylesheet's text; empty if the resource is missing.
QByteArray reportStylesheet();

// XSLT 1.0 transformation of xml by stylesheet. False with a reason in error
// when either does not parse or the transformation fails.
bool transformReport(const QByteArray &xml, const QByteArray &stylesheet, QString &html, QString &error);

// HTML printed with Qt's rich text engine on A4 portrait, page numbers at the
// foot, written through QSaveFile (an existing file stays whole on failure).
bool printHtmlToPdf(const QString &html, const QString &pdfFileName, QString &error);

// The XML report (as bytes or from a file) through the shipped stylesheet into a PDF.
bool writeReportPdf(const QByteArray &xml, const QString &pdfFileName, QString &error);
bool writeReportPdfFromFile(const QString &xmlFileName, const QString &pdfFileName, QString &error);
