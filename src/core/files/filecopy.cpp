#include "core/files/filecopy.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "core/common/debuglog.h"

namespace {
// Closes a descriptor when it goes out of scope.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool CopyWithBuffer(int from, int to)
{
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer.data() + done, size_t(got - done));
            if (put < 0 && errno != EINTR)
                return false;
            done += put > 0 ? put : 0;
        }
    }
}

bool CopyContents(int from, int to, const struct stat &info)
{
    if (!S_ISREG(info.st_mode))
        return CopyWithBuffer(from, to); // a pipe has no size: read it to its end
    off_t left = info.st_size;
    while (left > 0) {
        const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, size_t(left), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied <= 0)
            break; // not supported here, or the file shrank: finish with plain reads
        left -= copied;
    }
    return left == 0 || CopyWithBuffer(from, to);
}
} // namespace

bool FileCopy::IsCopyableSource(const QString &path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
           (S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode));
}

bool FileCopy::CopyWholeFile(const QString &source, const QString &target)
{
    const QByteArray from = QFile::encodeName(source);
    const QString partial = target + QStringLiteral(".part");
    const QByteArray to = QFile::encodeName(partial);
    Descriptor in{::open(from.constData(), O_RDONLY | O_CLOEXEC)};
    struct stat info
    {};
    if (in.fd < 0 || ::fstat(in.fd, &info) != 0) {
        TQ_LOG << "cannot read" << source;
        return false;
    }
    // A leftover (or a link planted under the name) goes first; the new file is made
    // exclusively, so two copies never write into one file and no link is followed.
    ::unlink(to.constData());
    bool copied = false;
    {
        Descriptor out{
            ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644)};
        copied = out.fd >= 0 && CopyContents(in.fd, out.fd, info);
    }
    // rename() replaces an existing target (a link itself, not what it points to) at once.
    if (!copied || ::rename(to.constData(), QFile::encodeName(target).constData()) != 0) {
        TQ_LOG << "copy failed:" << source << "->" << target;
        QFile::remove(partial);
        return false;
    }
    return true;
}
