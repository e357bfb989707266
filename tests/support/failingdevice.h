#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

namespace vx::test {

// A random-access device over another one (a file, a buffer) that passes reads through and
// accepts writes until a chosen number of bytes has gone through it, then fails: a disk that
// fills up. A write that crosses the limit writes the bytes before it and reports the failure.
class FailingDevice : public QIODevice
{
public:
    // inner must be open and outlive this device.
    FailingDevice(QIODevice *inner, qint64 acceptedBytes);
    ~FailingDevice() override;

    bool isSequential() const override { return false; }
    qint64 size() const override;
    bool seek(qint64 pos) override;
    bool failed() const { return m_failed; }
    void onFailure(std::function<void()> call) { m_onFailure = std::move(call); } // called at each failed write

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QIODevice *m_inner;
    qint64 m_left;
    bool m_failed = false;
    std::function<void()> m_onFailure;
};

// While one of these lives, every file the record layer opens by path or saves whole (numbers,
// pick, game and printer files) is written through a FailingDevice that accepts acceptedBytes
// bytes of each file, then fails. With a name, only files of that name (e.g. "game1.dat") are
// affected. Reads are untouched, so a file opens and reads as usual; only writes fail.
class FailingFileWrites
{
public:
    explicit FailingFileWrites(qint64 acceptedBytes, const QString &fileName = QString());
    ~FailingFileWrites();
    FailingFileWrites(const FailingFileWrites &) = delete;
    FailingFileWrites &operator=(const FailingFileWrites &) = delete;

    int failures() const { return *m_failures; } // writes that failed so far

private:
    std::shared_ptr<int> m_failures = std::make_shared<int>(0);
};

} // namespace vx::test
