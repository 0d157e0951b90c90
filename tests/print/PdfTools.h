#pragma once

#include <QPointF>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// What a PDF file holds, read with the distribution's PDF tools (poppler-utils).
namespace PdfTools
{

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("<%1 did not run>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The number of pages, or -1 when the file is no readable PDF.
inline int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of one page (from 1), or of all pages.
inline QString text(const QString &pdf, int page = 0)
{
    QStringList arguments{QStringLiteral("-raw")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return run(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

// Whether the text holds the word on its own, not as part of a longer one.
inline bool containsWord(const QString &text, const QString &word)
{
    return text.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QRegularExpression::escape(word))));
}

// The box, in points from the sheet's top left corner, of the first word that
// is exactly the given text; an invalid box when there is none.
inline QRectF wordBox(const QString &pdf, const QString &word)
{
    const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression pattern(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1</word>")
            .arg(QRegularExpression::escape(word.toHtmlEscaped())));
    const QRegularExpressionMatch match = pattern.match(boxes);
    if (!match.hasMatch())
        return {};
    return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                  QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
}

// The left and top edges, in points, of the first word that is exactly the given text.
inline QPointF wordPosition(const QString &pdf, const QString &word)
{
    const QRectF box = wordBox(pdf, word);
    return box.isValid() ? box.topLeft() : QPointF(-1, -1);
}

} // namespace PdfTools
