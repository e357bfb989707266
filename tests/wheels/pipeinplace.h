#pragma once

#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vx::test {

// Puts a named pipe at path and, for as long as it lives, opens the pipe for writing again and
// again and closes it at once. A reader that waits in open() for a writer is let through and reads
// the end of the file, so code that opens the pipe the waiting way fails its test instead of hanging
// it. (Opened without waiting, the writer's end opens only while some reader holds the pipe.)
class PipeInPlace
{
public:
    explicit PipeInPlace(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        QFile::remove(path);
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_writer = std::thread([this] {
            while (!m_stop) {
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    ~PipeInPlace()
    {
        m_stop = true;
        m_writer.join();
    }
    PipeInPlace(const PipeInPlace &) = delete;
    PipeInPlace &operator=(const PipeInPlace &) = delete;

    bool made() const { return m_made; }

private:
    const QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop {false};
    std::thread m_writer;
};

} // namespace vx::test
