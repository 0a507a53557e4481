// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qm {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinks = 40;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Hands the encoders the file and remembers the first write that failed, with the system's reason.
// QSaveFile alone forgets a failed write when an encoder seeks afterwards (as the TIFF encoder does),
// and then commits a truncated file; its own text for a full disk is often "Unknown error". The file
// is opened unbuffered, so this device gathers the encoders' small writes itself.
class CheckedDevice : public QIODevice
{
public:
    explicit CheckedDevice(QSaveFile &file) : mFile(file) { open(QIODevice::WriteOnly); }

    bool failed() const { return !mReason.isEmpty(); }
    const QString &reason() const { return mReason; }
    // Writes what is gathered; false when the file refused it.
    bool finish() { return flush(); }

    bool isSequential() const override { return false; }
    qint64 size() const override { return std::max(mFile.size(), mFile.pos() + mPending.size()); }
    bool seek(qint64 pos) override
    {
        if (!flush() || !QIODevice::seek(pos))
            return false;
        if (mFile.seek(pos))
            return true;
        mReason = mFile.errorString();
        return false;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (failed())
            return -1;
        mPending.append(data, length);
        if (mPending.size() >= Gather && !flush())
            return -1;
        return length;
    }

private:
    static constexpr qsizetype Gather = 1 << 20;

    bool flush()
    {
        if (failed())
            return false;
        if (mPending.isEmpty())
            return true;
        errno = 0;
        const qint64 written = mFile.write(mPending);
        const int cause = errno;
        const bool whole = written == mPending.size();
        mPending.clear();
        if (whole)
            return true;
        if (cause == ENOSPC || cause == EDQUOT)
            mReason = QStringLiteral("the disk is full");
        else if (cause != 0)
            mReason = QString::fromLocal8Bit(std::strerror(cause));
        else
            mReason = mFile.errorString();
        return false;
    }

    QSaveFile &mFile;
    QByteArray mPending;
    QString mReason;
};

} // namespace

QString ExportFile::target(const QString &path, QString *error)
{
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    for (int links = 0; info.isSymLink(); ++links) {
        if (links == MaxLinks) {
            fail(error, QStringLiteral("\"%1\" is a symbolic link that leads round in a loop; choose another name.")
                            .arg(shown(path)));
            return {};
        }
        // One link at a time, so that a loop is noticed instead of followed for ever.
        info = QFileInfo(info.symLinkTarget());
    }
    if (info.exists() && !info.isFile()) {
        fail(error, info.isDir() ? QStringLiteral("\"%1\" is a folder; choose a file name.").arg(shown(path))
                                 : QStringLiteral("\"%1\" is not a plain file (a device, a pipe or a socket); "
                                                  "choose another name.")
                                       .arg(shown(path)));
        return {};
    }
    return QDir::cleanPath(info.absoluteFilePath());
}

bool ExportFile::write(const QString &path, const Writer &writer, QString *error)
{
    const QString file = target(path, error);
    if (file.isEmpty())
        return false;
    const QFileInfo folder(QFileInfo(file).absolutePath());
    if (!folder.isDir())
        return fail(error, QStringLiteral("The folder \"%1\" does not exist.").arg(shown(folder.filePath())));

    QSaveFile out(file);
    // Writing in place would leave half a file behind on failure.
    out.setDirectWriteFallback(false);
    auto cannot = [&](const QString &why) {
        out.cancelWriting();
        return fail(error, QStringLiteral("Cannot write \"%1\": %2.").arg(shown(path), why));
    };
    // Unbuffered, so that a write the disk refuses fails at once, with its reason.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannot(out.errorString());
    CheckedDevice device(out);
    QString why;
    const bool written = writer(device, &why) && device.finish();
    // The file's own failure is the cause (a full disk, say); what the encoder says about it is not.
    if (device.failed())
        return cannot(device.reason());
    if (out.error() != QFileDevice::NoError)
        return cannot(out.errorString());
    if (!written)
        return cannot(why.isEmpty() ? QStringLiteral("the picture could not be encoded") : why);
    if (!out.commit())
        return fail(error, QStringLiteral("Cannot write \"%1\": %2.").arg(shown(path), out.errorString()));
    return true;
}

} // namespace qm
