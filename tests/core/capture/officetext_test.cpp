// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/officetext.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(ReadOfficeText, ReadsTheParagraphsAndRefusesDamagedDocumentsWithTheReason)
{
    const auto document = [](const char *name) {
        return qmtest::fileBytes(QStringLiteral(QM_TEST_DATA_DIR "/documents/") + QString::fromLatin1(name));
    };
    // Split runs, a table, a line break and a tab; left out: tab stops, deleted text, a fallback's copy
    // (Word), a note and the white space of the file's layout (OpenDocument).
    EXPECT_EQ(qm::readOfficeText(document("history.docx"), qm::OfficeFormat::Docx),
              "Æthelred of Zürich\nCrowned on March 3, 1002\tin state.\nSecond line\nCell one\nCell two\nBox");
    EXPECT_EQ(qm::readOfficeText(document("history.odt"), qm::OfficeFormat::Odt),
              "Æthelred of Zürich\nCrowned on March 3, 1002\tin  state.\nSecond line\nItem one\nCell one");

    const struct
    {
        QByteArray bytes;
        qm::OfficeFormat format;
        const char *reason;
    } damaged[] = {
        {document("damaged.docx"), qm::OfficeFormat::Docx, "damaged or is no document"}, // cut short
        {document("corrupt.docx"), qm::OfficeFormat::Docx, "damaged (CRC error)"},       // a byte changed
        {QByteArray("Just a text named .docx"), qm::OfficeFormat::Docx, "no document"},
        {document("history.odt"), qm::OfficeFormat::Docx, "no text part"},
    };
    for (const auto &c : damaged) {
        QString error;
        EXPECT_EQ(qm::readOfficeText(c.bytes, c.format, &error), std::nullopt) << c.reason;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.reason))) << error.toStdString();
    }
}
