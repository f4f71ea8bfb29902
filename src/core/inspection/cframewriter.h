#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include <QByteArray>
#include <QString>

// Writes extracted defect frames on a thread of its own while the RTV file is read on the
// caller's thread. A frame whose PNG structure is sound is written as it is; any other blob
// is logged and left out. At most kMaxPending frames wait.
class CFrameWriter
{
public:
    CFrameWriter();
    ~CFrameWriter(); // finishes every queued frame
    CFrameWriter(const CFrameWriter &) = delete;
    CFrameWriter &operator=(const CFrameWriter &) = delete;

    void Write(const QByteArray &blob, const QString &path);
    // Blocks until every queued frame is on disk.
    void Finish();

    // The same work done on the calling thread.
    static void WriteFrame(const QByteArray &blob, const QString &path);

private:
    static constexpr size_t kMaxPending = 32;
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<QByteArray, QString>> m_pending;
    size_t m_busy = 0; // frames taken but not yet written
    bool m_stop = false;
    std::thread m_thread;
};
