// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/boxedproject.h"
#include "render/svgcompactor.h"
#include "render/vectorexport.h"
#include "render/webpagecontent.h"
#include "render/webpageexport.h"
#include "testsupport.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

namespace {

QStringList sortedWords(const QString &text)
{
    QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

TEST(WebPageExport, DrawsThePdfsLabelsWithEachPictureOnceAtMostTwiceItsShownSize)
{
    // 40 boxes showing 30 pictures: the last ten show the first ten's again.
    qmtest::LoadedBoxes boxes(40, qmtest::BoxedProject::Pictures::Library);
    boxes.g.CurTimeLine->Description = QStringLiteral("Kings & <queens>");
    const qm::CanvasModel model = boxes.canvas.outputModel();
    qm::WebPageContent content = qm::WebPageContent::gather(boxes.g.ProjectDb, *boxes.g.CurTimeLine, model, 1.0,
                                                            boxes.projectPath, QDate(2026, 6, 15));
    // A title that is markup, in the page's head, its heading and the drawing's title and text.
    content.title = content.model.lblLabel.caption = QStringLiteral("<script>alert(1)</script>");
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(qm::WebPageExport::write(content, page, &error)) << error.toStdString();
    const QString html = QString::fromUtf8(page.data());
    EXPECT_TRUE(html.contains(u"<p class=\"description\">Kings &amp; &lt;queens&gt;</p>"));
    EXPECT_FALSE(html.contains(u"<script>alert"));
    EXPECT_EQ(html.count(u"&lt;script&gt;alert(1)&lt;/script&gt;"), 4);

    // Each picture defined once and used by reference; none sharper than twice its box.
    const QRegularExpression definition(
        QStringLiteral(R"re(<image id="qmpicture(\d+)" width="(\d+)" height="(\d+)")re"));
    const double shownWidth = model.box(model.boxIds().front())->picture.rect.width() / 15.0;
    int definitions = 0;
    for (auto it = definition.globalMatch(html); it.hasNext(); ++definitions)
        EXPECT_LE(it.next().captured(2).toInt(), std::ceil(2 * shownWidth));
    EXPECT_EQ(definitions, qmtest::PictureCount);
    EXPECT_EQ(html.count(u"data:image/"), qmtest::PictureCount);
    EXPECT_EQ(html.count(u"<use xlink:href=\"#qmpicture"), 40);

    // The events in date order, each naming the picture its box shows.
    const QString data =
        QRegularExpression(QStringLiteral("<script type=\"application/json\" id=\"events\">(.*?)</script>"))
            .match(html)
            .captured(1);
    const QJsonArray events = QJsonDocument::fromJson(data.toUtf8()).object()[u"events"].toArray();
    ASSERT_EQ(events.size(), 40);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(events[i][u"id"].toInt(), boxes.canvas.model().boxIds()[static_cast<std::size_t>(i)]);
        EXPECT_EQ(events[i][u"pic"].toInt(-1), events[i % qmtest::PictureCount][u"pic"].toInt(-2));
    }
    EXPECT_NE(events[0][u"pic"], events[1][u"pic"]);

    // The page's drawing has the words of the PDF.
    const QString pdf = boxes.path(QStringLiteral("t.pdf"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && qm::VectorExport::writePdf(content.model, 1.0, file, &error));
    file.close();
    QString drawn;
    const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (auto it = text.globalMatch(html); it.hasNext();)
        drawn += QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText() + u'\n';
    EXPECT_EQ(sortedWords(drawn), sortedWords(qmtest::runProgram(QStringLiteral("pdftotext"), {pdf, "-"}).out));
}

TEST(SvgCompactor, DrawsExactlyWhatTheGeneratorDrewInUnderHalfTheBytes)
{
    qmtest::LoadedBoxes boxes(30);
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    ASSERT_TRUE(qm::VectorExport::writeSvg(boxes.canvas.outputModel(), 1.0, svg, nullptr));
    const QByteArray compact = qm::SvgCompactor::compact(svg.data());
    EXPECT_LT(compact.size(), svg.data().size() / 2);
    const auto drawn = [](const QByteArray &bytes) {
        QSvgRenderer renderer(bytes);
        QImage image(renderer.viewBox().size() / 15, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        renderer.render(&p);
        return image;
    };
    EXPECT_EQ(drawn(compact), drawn(svg.data()));
}

} // namespace
