#ifndef BOUNDEDFILE_H
#define BOUNDEDFILE_H

#include <QByteArray>
#include <QString>

// One data file read whole, but never past its kind's limit (DataLimits). What is not a
// regular file (a folder, a FIFO, a device, a link to one) is never opened, since reading a
// FIFO waits for a writer and a device may never end; a file larger than the limit is refused
// by its size before a byte is read, and one that grows while it is read by the byte past it.
class BoundedFile
{
public:
    enum class Verdict { Read, Missing, NotRegular, TooLarge, Unreadable };

    static BoundedFile read(const QString& path, qint64 limit);

    Verdict verdict() const { return result; }
    bool isRead() const { return result == Verdict::Read; }
    // The whole file when read (an empty file gives an empty, non-null array), else null.
    const QByteArray& bytes() const { return content; }
    // Why nothing was read, in a few words naming the limit ("1048577 bytes, more than the
    // 1048576 the game reads"); empty when read.
    QString problem() const;
    // Says as a warning of olteria.data, once per file and process, that path was not read and what
    // the game does instead; a missing file is left to the caller, since most missing files are
    // fine. Once, because a picture is read again by every unit of its kind.
    static void sayOnce(const QString& path, const QString& problem, const QString& instead);

private:
    BoundedFile(Verdict result, qint64 limit);

    Verdict result;
    qint64 limit;
    qint64 size = 0;
    QString error;
    QByteArray content;
};

#endif
