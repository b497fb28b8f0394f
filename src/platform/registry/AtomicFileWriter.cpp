#include "platform/registry/AtomicFileWriter.h"

#include "platform/registry/Registry.h"
#include "platform/runtime/OnFirstUse.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

namespace registry {

namespace {

const QString TemporarySuffix = QStringLiteral(".new-");

std::optional<AtomicFileWriter::Step> &failingStep()
{
    static rt::OnFirstUse<std::optional<AtomicFileWriter::Step>> step;
    return step.get();
}

bool fails(AtomicFileWriter::Step step)
{
    return failingStep() == step;
}

// A short count is a failure too: a disk that fills up part-way takes only the start.
bool writeAll(QFile &file, const QByteArray &bytes)
{
    const QByteArray stored = fails(AtomicFileWriter::Step::Write) ? bytes.left(bytes.size() / 2)
                                                                   : bytes;
    return file.write(stored) == bytes.size();
}

// Qt's buffer first, where a full disk shows, then the system's, so that the rename
// never puts a file in place whose bytes are not yet on the disk.
bool flushToDisk(QFile &file)
{
    const bool flushed = file.flush() && ::fsync(file.handle()) == 0;
    return flushed && !fails(AtomicFileWriter::Step::Flush);
}

// std::rename replaces the target in one step, where QFile::rename refuses an existing one.
bool renameOver(const QString &from, const QString &to)
{
    return !fails(AtomicFileWriter::Step::Rename)
           && std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData())
                  == 0;
}

} // namespace

long AtomicFileWriter::replace(const QString &path, const QByteArray &bytes)
{
    QTemporaryFile temporary(path + TemporarySuffix + QStringLiteral("XXXXXX"));
    if (!temporary.open())
        return ERROR_ACCESS_DENIED;
    if (!writeAll(temporary, bytes) || !flushToDisk(temporary)
        || !renameOver(temporary.fileName(), path))
        return ERROR_WRITE_FAULT;
    // The temporary name is the file's own now: nothing is left to remove.
    temporary.setAutoRemove(false);
    return ERROR_SUCCESS;
}

void AtomicFileWriter::removeLeftovers(const QString &path)
{
    const QFileInfo file(path);
    QDir folder = file.dir();
    const QString pattern = file.fileName() + TemporarySuffix + u'*';
    for (const QString &leftover : folder.entryList({pattern}, QDir::Files | QDir::Hidden))
        folder.remove(leftover);
}

void AtomicFileWriter::failStepForTesting(std::optional<Step> step)
{
    failingStep() = step;
}

} // namespace registry
