#include "core/inspection/cframewriter.h"

#include <QFile>

#include "core/common/debuglog.h"
#include "core/common/pngcheck.h"

CFrameWriter::CFrameWriter()
    : m_thread(&CFrameWriter::Run, this)
{}

CFrameWriter::~CFrameWriter()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CFrameWriter::Write(const QByteArray &blob, const QString &path)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.size() < kMaxPending; });
    m_pending.emplace_back(blob, path);
    lock.unlock();
    m_changed.notify_all();
}

void CFrameWriter::Finish()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.empty() && m_busy == 0; });
}

void CFrameWriter::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || !m_pending.empty(); });
        if (m_pending.empty())
            return; // stopping, nothing left
        std::pair<QByteArray, QString> frame = std::move(m_pending.front());
        m_pending.pop_front();
        ++m_busy;
        lock.unlock();
        m_changed.notify_all();
        WriteFrame(frame.first, frame.second);
        frame = {}; // release the blob outside the lock's reach
        lock.lock();
        --m_busy;
        m_changed.notify_all();
    }
}

void CFrameWriter::WriteFrame(const QByteArray &blob, const QString &path)
{
    // Only a sound PNG is written, as it is. Anything else is never decoded: a damaged or
    // oversized picture could take minutes and gigabytes to decode.
    if (!Png::IsValidPng(blob)) {
        TQ_LOG << "  ERROR: not a sound PNG frame of at most" << Png::kMaxSide << "pixels a side,"
               << "not written:" << path;
        return;
    }
    // A temporary name first, so an interrupted write never leaves a partial image that
    // later readings would take as extracted. No sync to disk: the frames can always be
    // extracted again from the file.
    const QString partial = path + QStringLiteral(".part");
    QFile file(partial);
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
        file.write(blob) == blob.size();
    file.close();
    if (!written || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        TQ_LOG << "save image failed:" << path;
    }
}
