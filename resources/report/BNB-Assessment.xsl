<?xml version="1.0" encoding="UTF-8"?>
<!--
  Klimaro: layout of the BNB thermal comfort assessment report.

  Turns the XML report (dokument / kapitel / abschnitt / zeile / wert) into an
  HTML page: a title block with the list of chapters, then every chapter in
  document order with one table per section. Rows numbered 0 hold the column
  captions and become header cells; the other rows are data rows, led by their
  title when the section has titled rows.

  The same HTML is shown by browsers (the report names this file in its
  xml-stylesheet instruction) and printed to PDF by the program through Qt's
  rich text engine, so it keeps to what both understand: plain tables with
  border/cellpadding attributes, h1-h3, p and a few simple style rules.
  XSLT 1.0 without extensions: the report carries no date, so none is shown.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

    <xsl:output method="html" encoding="UTF-8" indent="yes"
                doctype-public="-//W3C//DTD HTML 4.01//EN"
                doctype-system="http://www.w3.org/TR/html4/strict.dtd"/>

    <!-- The season word of a chapter: typ is a fixed format word ("Winter", "Sommer"). -->
    <xsl:template name="season">
        <xsl:choose>
            <xsl:when test="@typ = 'Sommer'">Summer</xsl:when>
            <xsl:otherwise><xsl:value-of select="@typ"/></xsl:otherwise>
        </xsl:choose>
    </xsl:template>

    <xsl:template match="/">
        <html>
            <head>
                <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
                <title>Klimaro - BNB thermal comfort assessment</title>
                <style type="text/css">
                    body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 9pt; color: #000000; }
                    h1 { font-size: 16pt; margin-bottom: 2pt; }
                    h2 { font-size: 13pt; margin-top: 4pt; margin-bottom: 6pt; }
                    h3 { font-size: 10pt; margin-top: 10pt; margin-bottom: 4pt; }
                    p.subtitle { font-size: 12pt; margin-top: 0pt; }
                    p.kicker { font-size: 9pt; color: #555555; margin-bottom: 0pt; }
                    p.empty { color: #555555; font-style: italic; }
                    table { border-collapse: collapse; margin-bottom: 6pt; page-break-inside: avoid; }
                    th { background-color: #e6e6e6; font-weight: bold; text-align: center; }
                    td { text-align: center; }
                    th.rowtitle, td.rowtitle { text-align: left; }
                    @page { size: A4; margin: 15mm; }
                </style>
            </head>
            <body>
                <xsl:apply-templates select="dokument"/>
            </body>
        </html>
    </xsl:template>

    <xsl:template match="dokument">
        <h1>Klimaro</h1>
        <p class="subtitle">BNB thermal comfort assessment</p>
        <xsl:choose>
            <xsl:when test="kapitel">
                <table border="1" cellspacing="0" cellpadding="3">
                    <tr>
                        <th>Chapter</th>
                        <th class="rowtitle">Title</th>
                        <th>Season</th>
                    </tr>
                    <xsl:for-each select="kapitel">
                        <tr>
                            <td><xsl:value-of select="@nr"/></td>
                            <td class="rowtitle"><xsl:value-of select="@titel"/></td>
                            <td><xsl:call-template name="season"/></td>
                        </tr>
                    </xsl:for-each>
                </table>
            </xsl:when>
            <xsl:otherwise>
                <p class="empty">The report holds no chapter.</p>
            </xsl:otherwise>
        </xsl:choose>
        <xsl:apply-templates select="kapitel"/>
    </xsl:template>

    <!-- Every chapter starts a new page when printed. -->
    <xsl:template match="kapitel">
        <p class="kicker" style="page-break-before: always;">
            <xsl:text>Chapter </xsl:text>
            <xsl:value-of select="@nr"/>
            <xsl:text> - </xsl:text>
            <xsl:call-template name="season"/>
        </p>
        <h2><xsl:value-of select="@titel"/></h2>
        <xsl:apply-templates select="abschnitt"/>
    </xsl:template>

    <xsl:template match="abschnitt">
        <h3>
            <xsl:value-of select="@nr"/>
            <xsl:text>  </xsl:text>
            <xsl:value-of select="@titel"/>
        </h3>
        <xsl:if test="zeile">
            <table border="1" cellspacing="0" cellpadding="3" width="100%">
                <xsl:apply-templates select="zeile"/>
            </table>
        </xsl:if>
    </xsl:template>

    <!-- A title column exists when any row of the section has a title. -->
    <xsl:template match="zeile">
        <xsl:variable name="titled" select="boolean(../zeile[@titel])"/>
        <tr>
            <xsl:choose>
                <xsl:when test="@nr = 0">
                    <xsl:if test="$titled">
                        <th class="rowtitle"><xsl:value-of select="@titel"/></th>
                    </xsl:if>
                    <xsl:for-each select="wert">
                        <th><xsl:call-template name="span"/><xsl:value-of select="."/></th>
                    </xsl:for-each>
                </xsl:when>
                <xsl:otherwise>
                    <xsl:if test="$titled">
                        <td class="rowtitle"><b><xsl:value-of select="@titel"/></b></td>
                    </xsl:if>
                    <xsl:for-each select="wert">
                        <td><xsl:call-template name="span"/><xsl:value-of select="."/></td>
                    </xsl:for-each>
                </xsl:otherwise>
            </xsl:choose>
        </tr>
    </xsl:template>

    <!-- A value written with sp spans that many columns. -->
    <xsl:template name="span">
        <xsl:if test="@sp">
            <xsl:attribute name="colspan"><xsl:value-of select="@sp"/></xsl:attribute>
        </xsl:if>
    </xsl:template>

</xsl:stylesheet>
