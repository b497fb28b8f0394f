#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace registry {

// Replaces a file as a whole: the bytes go to a temporary file beside it, are flushed to
// the disk and only then renamed over the file. A full disk or a lost device at any step
// leaves the earlier file exactly as it was and no temporary file behind.
class AtomicFileWriter {
public:
    enum class Step { Write, Flush, Rename };

    // ERROR_SUCCESS, ERROR_ACCESS_DENIED when no file can be created beside the target,
    // or ERROR_WRITE_FAULT when a step fails.
    static long replace(const QString &path, const QByteArray &bytes);

    // Removes the temporary files beside the file that a process killed part-way through
    // a replace left behind.
    static void removeLeftovers(const QString &path);

    // Makes one step fail as a full disk would (the write stores only part of the
    // bytes); no step fails again once the tests reset.
    static void failStepForTesting(std::optional<Step> step);
};

} // namespace registry
