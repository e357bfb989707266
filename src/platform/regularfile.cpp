#include "platform/regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vx::platform {

RegularFileOpen openRegularFile(const QString &path, QFile *file, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    // Without O_NONBLOCK, opening a named pipe waits for a writer; a regular file reads the same with it.
    int fd = -1;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR)
            return RegularFileOpen::Missing;
        *error = qt_error_string(code);
        return RegularFileOpen::Failed;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        *error = qt_error_string(errno);
        ::close(fd);
        return RegularFileOpen::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return RegularFileOpen::NotRegular;
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *error = file->errorString();
        ::close(fd); // the file did not take it
        return RegularFileOpen::Failed;
    }
    return RegularFileOpen::Opened;
}

} // namespace vx::platform
